// The WebAssembly core against the native tunvex, byte for byte: for a
// table of lists, their verdicts, listings and saved bytes; for listings
// and references applied and matched on them, the proposals, the problems
// and the saved bytes; then 200 seeded random listings.
//
//   node differential.mjs TUNVEX MKCHANNELS CORE.wasm EXAMPLE.dat
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { loadCore } from '../../web/core.js';
import { appliedLines, finding, matchLines, problemLines } from './cli-english.mjs';

const [tunvex, mkchannels, wasm, example] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-web-'));
const core = await loadCore(fs.readFileSync(wasm));
let checked = 0, failures = 0;

function run(args) {
  const r = spawnSync(tunvex, args, { maxBuffer: 1 << 28 });
  return { status: r.status, out: r.stdout, err: r.stderr };
}
function same(what, got, expected) {
  checked++;
  if (Buffer.compare(Buffer.from(got), Buffer.from(expected)) === 0) return;
  failures++;
  const show = (b) => JSON.stringify(Buffer.from(b).toString('latin1').slice(0, 300));
  console.log(`FAIL ${what}\n  module: ${show(got)}\n  tunvex: ${show(expected)}`);
}
const everyNumber = (count) => Array.from({ length: count }, (_, i) => i + 1);
const file = (name, bytes) => {
  const p = path.join(work, name);
  fs.writeFileSync(p, bytes);
  return p;
};

// A list: what --check says, whether and what -l lists, and a save.
function compareList(name, bytes) {
  const list = file(name, bytes);
  const surveyed = core.survey(bytes), judged = core.check(bytes);
  const check = run(['--check', '-f', list]).out.toString('latin1');
  same(`${name}: --check`, [judged.finding, ...judged.remarks].map((f) => `${list}: ${finding(f)}\n`).join(''), check);
  const listed = run(['-f', list, '-l']);
  same(`${name}: loads`, String(surveyed.loaded), String(listed.status === 0));
  if (!surveyed.loaded) return null;
  const plain = core.listing(bytes);
  same(`${name}: -l`, plain.text, listed.out);
  // The table the page shows is the channels -l lists.
  const table = surveyed.channels, lines = [];
  for (let i = 0; i < table.length; i++)
    lines.push(`${i + 1}:${Buffer.from(table.name(i)).toString('latin1')}:${Buffer.from(table.name2(i)).toString('latin1')}:` +
      `${table.tv(i) ? 'TV' : 'RADIO'}\n`);
  same(`${name}: surveyed channels`, Buffer.from(lines.join(''), 'latin1'), listed.out);
  // --listing refuses a list whose names would split their lines, and
  // the core's listing with its reasons.
  const checked = run(['-f', list, '--listing']), stated = core.listing(bytes, { withState: true });
  same(`${name}: --listing listed`, String(stated.listed), String(checked.status === 0));
  if (stated.listed) same(`${name}: --listing`, stated.text, checked.out);
  else same(`${name}: --listing's reasons`, problemLines(list, stated), checked.err);
  const out = path.join(work, `${name}.saved`);
  run(['-f', list, '-o', out, '-m', '1:1']);
  const saved = core.edit(bytes, { order: everyNumber(surveyed.count), names: new Map() });
  if (saved.applied) same(`${name}: saved`, saved.saved, fs.existsSync(out) ? fs.readFileSync(out) : Buffer.alloc(12));
  return list;
}

// A listing applied to the list at `list`, by both.
function compareApply(what, list, text) {
  const listing = file('listing.txt', text), out = path.join(work, 'out.dat');
  fs.rmSync(out, { force: true });
  const got = core.apply(fs.readFileSync(list), Buffer.from(text, 'latin1'));
  const r = run(['-f', list, '-o', out, '--apply', listing]);
  same(`${what}: status`, String(got.applied ? 0 : 1), String(r.status));
  if (!got.applied) return same(`${what}: problems`, problemLines(got.ofTheList ? list : listing, got), r.err);
  same(`${what}: printed`, appliedLines(got), r.out);
  same(`${what}: saved`, got.saved, fs.readFileSync(out));
}

function compareMatch(what, list, text) {
  const reference = file('reference.txt', text);
  const got = core.match(fs.readFileSync(list), Buffer.from(text, 'latin1'));
  const r = run(['-f', list, '--match', reference]);
  same(`${what}: proposal`, got.proposal ?? Buffer.alloc(0), r.out);
  same(`${what}: messages`, got.ofTheList ? problemLines(list, got) : matchLines(reference, got), r.err);
  // The order and the lost lines are the proposal's.
  if (got.ofTheList) return;
  const numbered = r.out.toString('latin1').split('\n').filter((l) => /^\d/.test(l)).map((l) => Number(l.split(':')[0]));
  same(`${what}: order`, got.order.join(), numbered.join());
  const lost = r.out.toString('latin1').split('\n').filter((l) => l.startsWith('# no longer') || l.startsWith('# a NUMBER'));
  same(`${what}: lost`, got.lost.map((l) => Buffer.from(l.text).toString('latin1')).join('\n'),
    lost.map((l) => l.slice(l.indexOf(': ') + 2)).join('\n'));
}

// A generator that gives the same numbers on every run.
let seed = 20261208;
const random = (n) => ((seed = (seed * 1103515245 + 12345) % 2147483648) % n);

const exampleBytes = fs.readFileSync(example);
const big = path.join(work, 'big.dat');
spawnSync(mkchannels, ['-n', '65535', big]);
const bigBytes = fs.readFileSync(big);
const flipped = Buffer.from(exampleBytes);
flipped[flipped.length - 1] ^= 0xff;
const tooMany = Buffer.from(exampleBytes);
tooMany.writeUInt32LE(13, 4);
const noise = Buffer.from(Array.from({ length: 4000 }, () => random(256)));
const lists = {
  example: exampleBytes, 'bytes after the trailer': Buffer.concat([exampleBytes, Buffer.from('extra')]),
  'a wrong trailer': flipped, 'cut short': exampleBytes.subarray(0, 700), 'a count too large': tooMany,
  'random bytes': noise, 'shorter than its header': exampleBytes.subarray(0, 5), '65,535 channels': bigBytes,
};
const loaded = {};
for (const [name, bytes] of Object.entries(lists)) loaded[name] = compareList(name, bytes);

const ex = loaded.example, listing = run(['-f', ex, '-l']).out.toString('latin1');
const lines = listing.trimEnd().split('\n');
const applies = {
  'as listed': listing, reordered: [...lines].reverse().join('\n'), 'deleted, bare numbers': '3\n1\n12\n',
  renamed: lines.map((l, i) => (i === 2 ? '3:Jazz:Jazz:RADIO' : i === 7 ? '8:Nature World:TV' : l)).join('\r\n'),
  'a stale line': lines.map((l, i) => (i === 0 ? l.replace(/^1:/, '2:') : i === 1 ? l.replace(/^2:/, '1:') : l)).join('\n'),
  'every kind of refusal': 'x\n2:TV\n3:A:B:RADIO\n4:Sports Arena:Sports Arena:RADIO\n4\n0\n5:' + 'n'.repeat(32) +
    ':TV\n6:a\tb:RADIO\n7:Kids Corner:Kids Corner:RAD\n99\n' + 'y\n'.repeat(15),
  empty: '# nothing\n',
  'a state line of another list': run(['-f', big, '--match', ex]).out.toString('latin1'),
  'renamed under its state line': (() => {
    const [state, ...rest] = run(['-f', ex, '--listing']).out.toString('latin1').trimEnd().split('\n');
    return [state, ...rest.map((l, i) => (i === 0 ? '1:A:B:A:B:TV' : i === 2 ? '3:Kids Corner:Kids Corner:RADIO' : l))].join('\n');
  })(),
  'renamed without one': lines.map((l, i) => (i === 0 ? '1:A:B:A:B:TV' : l)).join('\n'),
};
for (const [what, text] of Object.entries(applies)) compareApply(`apply ${what}`, ex, text);
compareApply('apply reversed, 65,535 channels', big, run(['-f', big, '-l']).out.toString('latin1').trimEnd().split('\n').reverse().join('\n'));
compareApply('apply to more than 65,535 channels', file('huge.dat', (() => {
  spawnSync(mkchannels, ['-n', '65536', path.join(work, 'huge.dat')]);
  return fs.readFileSync(path.join(work, 'huge.dat'));
})()), '1\n');
const references = {
  itself: listing, shuffled: [...lines].sort(() => random(3) - 1).join('\n'),
  'case, spaces, renames, gone': '3:jazz fm:JAZZ FM:RADIO\n1: News One :News One:TV\n8:Nature World:TV\n20:Gone:Gone:TV\n7\n',
  'lines --apply refuses': 'x\n0\n2:TV\n5:' + 'n'.repeat(40) + ':TV\n1:A:B:Radio\n1:News One:News One:TV\n' + 'z\n'.repeat(20),
};
for (const [what, text] of Object.entries(references)) compareMatch(`match ${what}`, ex, text);
const feed = Buffer.from(exampleBytes);
feed.write('Two\nlines', 8 + 576 + 8, 'latin1');
compareMatch('match on a list with a line feed in a name', compareList('line feed', feed), listing);

// Random listings of the example: some lines kept, moved, renamed (to
// names that fit and to names that do not), numbered wrongly or doubled.
for (let n = 0; n < 200; n++) {
  const out = [];
  for (const line of lines) {
    const [number, name, , type] = line.split(':');
    switch (random(12)) {
    case 0: break;
    case 1: out.push(number); break;
    case 2: out.push(`${number}:${name.slice(0, random(8))}x${'y'.repeat(random(40))}:${type}`); break;
    case 3: out.push(`${Number(number) + random(3)}:${line.slice(number.length + 1)}`); break;
    case 4: out.push(`${number}:N${random(99)}:N${random(99)}:${random(2) ? type : 'TV'}`); break;
    default: out.splice(random(out.length + 1), 0, line);
    }
  }
  const head = random(2) ? run(['-f', ex, '--listing']).out.toString('latin1').split('\n')[0] + '\n' : '';
  compareApply(`random listing ${n}`, ex, head + out.join(random(2) ? '\n' : '\r\n'));
}

fs.rmSync(work, { recursive: true, force: true });
console.log(`web differential: ${checked} comparisons, ${failures} failures`);
process.exit(failures ? 1 : 0);
