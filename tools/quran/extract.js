#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Fills the Qur'anic quotations of the inheritance-science document from the
// quran-json dataset, so that no verse is ever typed by hand, and writes the
// quoted verses to tests/data/verses.json for the test that re-checks them.
//
// In the document a quotation is
//   <span class="ayah" data-ref="4:11">...</span>                 the whole verse
//   <span class="ayah" data-ref="4:11" data-words="1-6">...</span>  words 1 to 6
// Words are the verse's space-separated words, counted from 1; an excerpt
// does not begin with the section mark ۞.
//
//   node extract.js           rewrite the spans and the verse file
//   node extract.js --check   report differences, change nothing (exit 1 if any)

'use strict';

const fs = require('fs');
const path = require('path');
const quran = require('quran-json/dist/quran.json');
const pkg = require('quran-json/package.json');

const root = path.resolve(__dirname, '..', '..');
const documentPath = path.join(root, 'resources', 'doc', 'science.html');
const versesPath = path.join(root, 'tests', 'data', 'verses.json');

const spanPattern =
  /(<span class="ayah" data-ref="(\d+):(\d+)"(?: data-words="(\d+)-(\d+)")?>)([\s\S]*?)(<\/span>)/g;

function verse(chapter, number) {
  const c = quran[chapter - 1];
  const v = c && c.verses.find((x) => x.id === number);
  if (!v)
    throw new Error(`no verse ${chapter}:${number} in quran-json`);
  return v.text;
}

function quotation(chapter, number, from, to) {
  const text = verse(chapter, number);
  if (from === undefined)
    return text;
  const words = text.split(/\s+/);
  if (from < 1 || to > words.length || from > to)
    throw new Error(`words ${from}-${to} outside ${chapter}:${number} (${words.length} words)`);
  // An excerpt leaves out the mark of a new section (۞) that opens a verse.
  return words.slice(from - 1, to).join(' ').replace(/^\u06DE/, '');
}

const check = process.argv.includes('--check');
const html = fs.readFileSync(documentPath, 'utf8');
const quoted = {};
let differences = 0;
let count = 0;

const filled = html.replace(spanPattern, (all, open, c, v, from, to, inner, close) => {
  const ref = `${c}:${v}`;
  const text = quotation(+c, +v, from && +from, to && +to);
  quoted[ref] = verse(+c, +v);
  ++count;
  if (inner.replace(/\s+/g, ' ').trim() !== text) {
    ++differences;
    if (check)
      console.error(`differs: ${ref}${from ? ` words ${from}-${to}` : ''}`);
  }
  return open + text + close;
});

const sorted = {};
for (const ref of Object.keys(quoted).sort((a, b) => {
  const [ac, av] = a.split(':').map(Number);
  const [bc, bv] = b.split(':').map(Number);
  return ac - bc || av - bv;
}))
  sorted[ref] = quoted[ref];
const versesJson = JSON.stringify(
  { source: `${pkg.name} ${pkg.version}`, verses: sorted }, null, 2) + '\n';

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
fs.mkdirSync(path.dirname(versesPath), { recursive: true });
fs.writeFileSync(versesPath, versesJson);
console.log(`${count} quotations filled from ${pkg.name} ${pkg.version}; ` +
            `${Object.keys(sorted).length} verses written to ${path.relative(root, versesPath)}`);
