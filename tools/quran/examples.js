#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The worked examples of the inheritance-science document carry their case
// and their shares as data:
//   <table class="example" data-case='{"HusbandAlive":1,...}'>
//   <tr class="heir" data-share="HusbandShare" data-value="1/2"><td>label</td>...</tr>
// data-value is the share as the calculation stores it: whole for the father,
// mother, grandfather, grandmothers, husband, wives and treasury, per head for
// every other group.
//
//   node examples.js                 fill the figure cells of every row and
//                                    write tests/data/science_examples.json
//   node examples.js --calc PATH     also run the tarnavel-calc at PATH on every
//                                    case and report any share that differs
//   node examples.js --check         change nothing; exit 1 if a file would change
//   --en                             the English document (science_en.html)

'use strict';

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const root = path.resolve(__dirname, '..', '..');
const english = process.argv.includes('--en');
const documentPath = path.join(root, 'resources', 'doc', english ? 'science_en.html' : 'science.html');
const examplesPath = path.join(root, 'tests', 'data', english ? 'science_examples_en.json' : 'science_examples.json');
const dir = english ? 'ltr' : 'rtl';

const countOf = {
  SonShare: 'SonCount', DaughterShare: 'DaughterCount',
  SonsSonShare: 'SonsSonCount', SonsDaughterShare: 'SonsDaughterCount',
  SonsSonsSonShare: 'SonsSonsSonCount', SonsSonsDaughterShare: 'SonsSonsDaughterCount',
  FullBrotherShare: 'FullBrotherCount', FullSisterShare: 'FullSisterCount',
  ParentalBrotherShare: 'ParentalBrotherCount', ParentalSisterShare: 'ParentalSisterCount',
  MaternalSiblingShare: 'MaternalSiblingCount', BrothersSonShare: 'BrothersSonCount',
  ParentalBrothersSonShare: 'ParentalBrothersSonCount', FullUncleShare: 'FullUncleCount',
  ParentalUncleShare: 'ParentalUncleCount', FullUnclesSonShare: 'FullUnclesSonCount',
  ParentalUnclesSonShare: 'ParentalUnclesSonCount',
};
const wholeShares = ['FatherShare', 'MotherShare', 'GrandFatherShare', 'GrandMotherShare',
                     'HusbandShare', 'WifeShare', 'TreasuryShare'];

function gcd(a, b) { return b === 0 ? a : gcd(b, a % b); }
function fraction(n, d) { const g = gcd(Math.abs(n), Math.abs(d)) || 1; return [n / g, d / g]; }
function parse(text) {
  const m = /^(\d+)(?:\/(\d+))?$/.exec(text);
  if (!m) throw new Error(`not a fraction: ${text}`);
  return fraction(+m[1], m[2] ? +m[2] : 1);
}
function show([n, d]) { return d === 1 ? `${n}` : `${n}/${d}`; }
function value([n, d]) { return n / d; }
function roundHalfEven(x) {
  const f = Math.floor(x);
  const diff = x - f;
  if (Math.abs(diff - 0.5) < 1e-9) return f % 2 === 0 ? f : f + 1;
  return Math.round(x);
}

// Heads in the group and the group's total for one row.
function group(share, perStored, c) {
  if (wholeShares.includes(share)) {
    let heads = 1;
    if (share === 'WifeShare') heads = Math.max(1, c.WifeCount || 0);
    if (share === 'GrandMotherShare')
      heads = Math.max(1, (c.MaternalGrandMotherAlive || 0) + (c.ParentalGrandMotherAlive || 0));
    return { each: fraction(perStored[0], perStored[1] * heads), total: perStored };
  }
  const count = c[countOf[share]] || 0;
  if (!count) throw new Error(`${share} given but ${countOf[share]} is 0`);
  return { each: perStored, total: fraction(perStored[0] * count, perStored[1]) };
}

// The report's row order.
const rowOrder = ['FatherShare', 'GrandFatherShare', 'MotherShare', 'GrandMotherShare',
  'HusbandShare', 'WifeShare', 'SonShare', 'DaughterShare', 'SonsSonShare', 'SonsDaughterShare',
  'SonsSonsSonShare', 'SonsSonsDaughterShare', 'FullBrotherShare', 'FullSisterShare',
  'ParentalBrotherShare', 'ParentalSisterShare', 'MaternalSiblingShare', 'BrothersSonShare',
  'ParentalBrothersSonShare', 'FullUncleShare', 'ParentalUncleShare', 'FullUnclesSonShare',
  'ParentalUnclesSonShare', 'TreasuryShare'];

const nothing = english ? 'nothing' : 'لا شيء';
const notShown = english ? 'not shown' : 'لا يظهر';

function cells(share, stored, c) {
  if (stored[0] === 0)
    return [nothing, nothing, notShown, '0'];
  const g = group(share, stored, c);
  const total = value(g.total);
  return [show(g.each), show(g.total), `${(100 * total).toFixed(2)}%`,
          `${roundHalfEven(2400 * total)}`];
}

const html = fs.readFileSync(documentPath, 'utf8');
// A table is named by the nearest heading above it.
const tablePattern = new RegExp(`<h3 dir="${dir}"><a name="([^"]+)">(?:(?!<h3 )[\\s\\S])*?<table class="example" data-case='([^']*)'[^>]*>([\\s\\S]*?)</table>`, 'g');
const rowPattern = new RegExp(`(<tr class="heir" data-share="(\\w+)" data-value="([\\d/]+)"><td dir="${dir}">[^<]*</td>)[\\s\\S]*?(</tr>)`, 'g');

const examples = [];
const filled = html.replace(tablePattern, (table, id, caseJson, body) => {
  const c = JSON.parse(caseJson);
  const shares = {};
  const figures = {};
  const newBody = body.replace(rowPattern, (row, start, share, stored, end) => {
    shares[share] = stored;
    const cellTexts = cells(share, parse(stored), c);
    if (stored !== '0')
      figures[share] = { percent: cellTexts[2].replace('%', ''), shares: +cellTexts[3] };
    const text = cellTexts
      .map((t) => `<td dir="${dir}" align="center">${t}</td>`).join('');
    return start + text + end;
  });
  examples.push({ id, case: c, shares, figures });
  return table.replace(body, newBody);
});

const examplesJson = JSON.stringify(examples.map(({ id, case: c, shares }) => ({ id, case: c, shares })), null, 1) + '\n';

let failures = 0;
const calcIndex = process.argv.indexOf('--calc');
if (calcIndex > 0) {
  const calc = process.argv[calcIndex + 1];
  const input = examples.map((e) => JSON.stringify(e.case)).join('\n') + '\n';
  const lines = execFileSync(calc, { input }).toString().trim().split('\n');
  examples.forEach((e, i) => {
    const out = JSON.parse(lines[i]);
    const got = out.shares || {};
    for (const [name, stored] of Object.entries(e.shares)) {
      const want = value(parse(stored));
      const have = got[name] || 0;
      if (Math.abs(want - have) > 1e-12) {
        ++failures;
        console.error(`${e.id}: ${name} document ${stored} (${want}) calculator ${have}`);
      }
    }
    // The report's figures: the printed rows come in the report's row order.
    const shown = rowOrder.filter((name) => name in e.figures);
    const printed = out.printed || [];
    if (printed.length !== shown.length) {
      ++failures;
      console.error(`${e.id}: ${printed.length} printed rows, the document shows ${shown.length}`);
    } else {
      shown.forEach((name, k) => {
        const want = e.figures[name];
        const percent = printed[k].percent.replace('%', '').trim();
        if (percent !== want.percent && percent !== want.percent.replace(/^0\./, '.')) {
          ++failures;
          console.error(`${e.id}: ${name} percent document ${want.percent} report ${percent}`);
        }
        if (printed[k].shares !== want.shares) {
          ++failures;
          console.error(`${e.id}: ${name} of 2400 document ${want.shares} report ${printed[k].shares}`);
        }
      });
    }
    for (const name of Object.keys(got))
      if (!(name in e.shares)) {
        ++failures;
        console.error(`${e.id}: calculator gives ${name} ${got[name]}, the document has no row`);
      }
  });
  console.log(`${examples.length} examples checked against ${calc}: ${failures} differences`);
}

if (process.argv.includes('--check')) {
  const stale = [];
  if (filled !== html) stale.push(path.relative(root, documentPath));
  if (!fs.existsSync(examplesPath) || fs.readFileSync(examplesPath, 'utf8') !== examplesJson)
    stale.push(path.relative(root, examplesPath));
  for (const f of stale) console.error(`would change: ${f}`);
  process.exit(stale.length || failures ? 1 : 0);
}

fs.writeFileSync(documentPath, filled);
fs.writeFileSync(examplesPath, examplesJson);
console.log(`${examples.length} examples filled; written to ${path.relative(root, examplesPath)}`);
process.exit(failures ? 1 : 0);
