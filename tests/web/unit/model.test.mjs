// The page's model of a list, under node's own test runner: order, names,
// undo and redo, whether the list is saved, and the listing it makes.
//
//   node --test tests/web/unit/
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { t } from '../../../web/page/i18n.js';
import * as list from '../../../web/page/model.js';

const bytes = (text) => new TextEncoder().encode(text);
const text = (b) => new TextDecoder().decode(b);
const asBytes = (name) => (typeof name === 'string' ? bytes(name) : name);

// A table as the core gives it: name(i), name2(i) as bytes, tv(i), from 0.
function table(channels) {
  return {
    length: channels.length,
    name: (i) => asBytes(channels[i][0]),
    name2: (i) => asBytes(channels[i][1] ?? channels[i][0]),
    tv: (i) => channels[i][2] ?? true,
  };
}
const twelve = () => list.createModel(table(Array.from({ length: 12 }, (_, i) => [`Channel ${i + 1}`])), false);
const only = (...ids) => new Set(ids);

test('the list is unsaved whenever its state differs from the state last saved', () => {
  const m = twelve();
  const steps = [
    ['opened', () => null, false],
    ['channel 5 to the top', () => list.moveTo(m, only(5), 0), true],
    ['channel 9 to the top', () => list.moveTo(m, only(9), 0), true],
    ['saved', () => list.markSaved(m), false],
    ['undone', () => list.undo(m), true],
    ['channel 12 to the top', () => list.moveTo(m, only(12), 0), true],
    ['saved again', () => list.markSaved(m), false],
    ['renamed', () => list.rename(m, 3, bytes('News')), true],
    ['undone', () => list.undo(m), false],
    ['redone', () => list.redo(m), true],
    ['renamed back to the names it had', () => list.rename(m, 3, bytes('Channel 3')), false],
    ['moved and moved back', () => list.moveBy(m, only(1), 1) && list.moveBy(m, only(1), -1), false],
  ];
  for (const [what, step, dirty] of steps) {
    step();
    assert.equal(list.isDirty(m), dirty, what);
  }
});

test('a change made while a save is written stays unsaved', () => {
  const m = twelve();
  list.moveTo(m, only(5), 0);
  const written = list.stateOf(m);
  list.moveTo(m, only(9), 0);
  list.markSaved(m, written);
  assert.equal(list.isDirty(m), true);
  list.undo(m);
  assert.equal(list.isDirty(m), false, 'undone back to what was written');
});

test('a list is UTF-8 or Latin-1 as a whole: one name cut in a character does not make it Latin-1', () => {
  const latin1 = (s) => Uint8Array.from(s, (c) => c.charCodeAt(0));
  // 31 bytes, as tunvex -r keeps them: the last character cut in two.
  const cut = bytes('Radio Zürich Klassik und Jazzü').subarray(0, 31);
  const cases = [
    ['UTF-8, one name cut', [bytes('Zürich'), cut], false, 'Radio Zürich Klassik und Jazz\\xC3'],
    ['UTF-8 alone', [bytes('Zürich'), bytes('News')], false, 'Zürich'],
    ['Latin-1', [latin1('Café'), latin1('Crème'), bytes('Zürich')], true, 'Café'],
    ['ASCII', [bytes('News')], false, 'News'],
  ];
  for (const [what, names, isLatin1, firstShown] of cases) {
    const m = list.createModel(table(names.map((n) => [n])), null);
    assert.equal(list.usesLatin1(m), isLatin1, what);
    const shownFirst = list.shown(names[what.includes('cut') ? 1 : 0], isLatin1);
    assert.equal(shownFirst, firstShown, what);
  }
  // A Latin-1 list shows a UTF-8 name byte for byte too, as its receiver does.
  assert.equal(list.shown(bytes('été'), true), 'Ã©tÃ©');
});

test('a rename to the first name of a channel with two names changes its second', () => {
  const m = list.createModel(table([['Nature World', 'Nature World HD'], ['Jazz']]), false);
  list.rename(m, 1, bytes('Nature World'));
  assert.equal(list.isDirty(m), true);
  assert.equal(text(list.namesOf(m, 1).name2), 'Nature World');
});

test('moves, deletes and sorts give the orders and the words they should', () => {
  const cases = [
    ['to a position', (m) => list.moveTo(m, only(3, 7), 1), [1, 3, 7, 2, 4, 5, 6, 8, 9, 10, 11, 12], '2 channels moved to position 2'],
    ['to the end', (m) => list.moveTo(m, only(1), Infinity), [2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1], '1 channel moved to position 12'],
    ['up, two apart', (m) => list.moveBy(m, only(3, 5), -1), [1, 3, 2, 5, 4, 6, 7, 8, 9, 10, 11, 12], '2 channels moved up to position 2'],
    ['up at the top', (m) => list.moveBy(m, only(1, 4), -1), null, null],
    ['down at the bottom', (m) => list.moveBy(m, only(12), 1), null, null],
    ['nothing selected', (m) => list.moveTo(m, only(), 0), null, null],
    ['deleted', (m) => list.remove(m, only(2, 12)), [1, 3, 4, 5, 6, 7, 8, 9, 10, 11], '2 channels deleted'],
    // "Channel 10" sorts after "Channel 9", as a person reads numbers.
    ['sorted, already in order', (m) => list.sortByName(m), null, null],
  ];
  for (const [what, change, order, said] of cases) {
    const m = twelve(), before = m.order, done = change(m);
    assert.equal(done && t(done.key, done.values), said, what);
    assert.deepEqual(m.order, order ?? before, what);
    assert.equal(m.undo.length, order ? 1 : 0, what);
  }
});

test('a reference that keeps the order is no change, and its marks go with an undo', () => {
  const m = twelve();
  const same = [...m.order], matched = new Map([[1, 1], [2, 2]]);
  assert.equal(list.reorder(m, same, 'Reference applied', matched), null);
  assert.equal(m.matched.size, 0);
  list.reorder(m, [...same].reverse(), 'Reference applied', matched);
  assert.equal(m.matched, matched);
  list.moveTo(m, only(4), 0);
  assert.equal(m.matched, matched, 'a move keeps the marks');
  list.undo(m);
  list.undo(m);
  assert.equal(m.matched.size, 0, 'undone, the marks go');
  list.redo(m);
  assert.equal(m.matched, matched, 'redone, they come back');
});

test('the new names, given back the names they had no longer new', () => {
  const m = list.createModel(table([['One'], ['Two', 'Two HD', false], ['Three']]), false);
  list.rename(m, 2, bytes('A:B'));
  list.rename(m, 1, bytes('Uno'));
  assert.deepEqual([...m.names].map(([id, name]) => [id, text(name)]), [[2, 'A:B'], [1, 'Uno']]);
  // Given back the names it had, a channel is no longer renamed; one of
  // two names is.
  list.rename(m, 1, bytes('One'));
  list.rename(m, 2, bytes('Two'));
  assert.deepEqual([...m.names.keys()], [2]);
});

test('channels of one name are marked, whatever their order', () => {
  const m = list.createModel(table([['Jazz'], ['News'], ['Jazz'], ['Sport']]), false);
  assert.deepEqual([...list.duplicates(m)].sort(), [1, 3]);
  list.rename(m, 3, bytes('Blues'));
  assert.deepEqual([...list.duplicates(m)], []);
});

// Undo keeps what a change changed: 300 single moves on 65,535 channels
// grow the heap by a few megabytes, not by a copy of the order each (150
// MB). Measured only where node runs with --expose-gc.
test('undo keeps what changed, not a copy of the order', { skip: typeof gc !== 'function' && 'needs --expose-gc' }, () => {
  const n = 65535, m = list.createModel(table(Array.from({ length: n }, (_, i) => [`C${i}`])), false);
  gc();
  const before = process.memoryUsage().heapUsed;
  for (let i = 1; i <= 300; i++) list.moveTo(m, only(i), n - 1);
  gc();
  const grown = process.memoryUsage().heapUsed - before;
  assert.ok(grown < 20 << 20, `${(grown / 1048576).toFixed(1)} MB`);
  for (let i = 0; i < 300; i++) list.undo(m);
  assert.deepEqual(m.order, Array.from({ length: n }, (_, i) => i + 1), 'undone, the order is back');
});
