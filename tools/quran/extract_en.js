#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Fills the Qur'anic quotations of the English inheritance-science document
// from the quran-json dataset: the Arabic text and, after it, the English
// rendering of its meaning from the translation the same package ships
// (Saheeh International, from tanzil.net). Nothing is typed by hand. The
// quoted verses go to tests/data/verses_en.json for the test that re-checks
// them.
//
// In the document a quotation is an Arabic span followed by its rendering:
//   <span class="ayah" data-ref="4:11" data-words="1-8">...</span>
//   <span class="ayah-en" data-ref="4:11" data-words="1-18">...</span>
// Without data-words the whole verse is quoted. Words are the verse's
// space-separated words, counted from 1. A part of a verse never begins with
// the section mark (۞) that opens some verses.
//
//   node extract_en.js           rewrite the spans and the verse file
//   node extract_en.js --check   report differences, change nothing (exit 1 if any)

'use strict';

const fs = require('fs');
const path = require('path');
const arabic = require('quran-json/dist/quran.json');
const english = require('quran-json/dist/quran_en.json');
const pkg = require('quran-json/package.json');

const root = path.resolve(__dirname, '..', '..');
const documentPath = path.join(root, 'resources', 'doc', 'science_en.html');
const versesPath = path.join(root, 'tests', 'data', 'verses_en.json');
const translation = 'Saheeh International, from tanzil.net (en.sahih)';

const spanPattern =
  /(<span class="(ayah|ayah-en)" data-ref="(\d+):(\d+)"(?: data-words="(\d+)-(\d+)")?>)([\s\S]*?)(<\/span>)/g;

function verse(data, field, chapter, number) {
  const c = data[chapter - 1];
  const v = c && c.verses.find((x) => x.id === number);
  if (!v)
    throw new Error(`no verse ${chapter}:${number} in quran-json`);
  return v[field];
}

function quotation(text, ref, from, to) {
  if (from === undefined)
    return text;
  const words = text.split(/\s+/);
  if (from < 1 || to > words.length || from > to)
    throw new Error(`words ${from}-${to} outside ${ref} (${words.length} words)`);
  return words.slice(from - 1, to).join(' ').replace(/^\u06DE/, '');
}

const check = process.argv.includes('--check');
const html = fs.readFileSync(documentPath, 'utf8');
const quoted = {};
let differences = 0;
let count = 0;
let lastArabic = null;

const filled = html.replace(spanPattern, (all, open, kind, c, v, from, to, inner, close) => {
  const ref = `${c}:${v}`;
  const isArabic = kind === 'ayah';
  const whole = isArabic ? verse(arabic, 'text', +c, +v) : verse(english, 'translation', +c, +v);
  const text = quotation(whole, ref, from && +from, to && +to);
  quoted[ref] = { ar: verse(arabic, 'text', +c, +v), en: verse(english, 'translation', +c, +v) };
  // Every Arabic quotation is followed by the rendering of the same verse.
  if (!isArabic && lastArabic !== ref)
    throw new Error(`rendering of ${ref} does not follow its Arabic quotation`);
  if (isArabic && lastArabic !== null)
    throw new Error(`Arabic quotation of ${lastArabic} has no rendering`);
  lastArabic = isArabic ? ref : null;
  ++count;
  if (inner.replace(/\s+/g, ' ').trim() !== text) {
    ++differences;
    if (check)
      console.error(`differs: ${kind} ${ref}${from ? ` words ${from}-${to}` : ''}`);
  }
  return open + text + close;
});
if (lastArabic !== null)
  throw new Error(`Arabic quotation of ${lastArabic} has no rendering`);

const sorted = {};
for (const ref of Object.keys(quoted).sort((a, b) => {
  const [ac, av] = a.split(':').map(Number);
  const [bc, bv] = b.split(':').map(Number);
  return ac - bc || av - bv;
}))
  sorted[ref] = quoted[ref];
const versesJson = JSON.stringify(
  { source: `${pkg.name} ${pkg.version}`, translation, verses: sorted }, null, 2) + '\n';

if (check) {
  const current = fs.existsSync(versesPath) ? fs.readFileSync(versesPath, 'utf8') : '';
  if (current !== versesJson) {
    ++differences;
    console.error(`differs: ${path.relative(root, versesPath)}`);
  }
  console.log(`${count} quotations, ${differences} differences (${pkg.name} ${pkg.version})`);
  process.exit(differences ? 1 : 0);
}

fs.writeFileSync(documentPath, filled);
fs.writeFileSync(versesPath, versesJson);
console.log(`${count} quotations filled from ${pkg.name} ${pkg.version}; ` +
            `${Object.keys(sorted).length} verses written to ${path.relative(root, versesPath)}`);
