// Selection in the channel list as desktop lists keep it, under node's own
// test runner.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import * as selection from '../../../web/page/selection.js';

const view = [10, 20, 30, 40, 50];
const ids = (sel) => [...sel.selected].sort((a, b) => a - b);

test('clicks: plain, Ctrl (Cmd) to add or take away one, Shift for a range', () => {
  const cases = [
    ['plain', [[30, {}]], [30], 30],
    ['plain twice', [[30, {}], [50, {}]], [50], 50],
    ['Ctrl adds a row', [[30, {}], [50, { toggle: true }]], [30, 50], 50],
    ['Ctrl takes one away', [[30, {}], [50, { toggle: true }], [30, { toggle: true }]], [50], 30],
    ['Ctrl on the only row', [[30, {}], [30, { toggle: true }]], [], 30],
    ['Shift, a range from the anchor', [[20, {}], [40, { shift: true }]], [20, 30, 40], 40],
    ['Shift upwards', [[40, {}], [10, { shift: true }]], [10, 20, 30, 40], 10],
    ['Ctrl+Shift adds a range', [[50, {}], [10, { toggle: true }], [30, { shift: true, toggle: true }]], [10, 20, 30, 50], 30],
    ['Shift with no anchor', [[30, { shift: true }]], [30], 30],
  ];
  for (const [what, clicks, selected, active] of cases) {
    let sel = selection.emptySelection();
    for (const [id, how] of clicks) sel = selection.click(sel, view, id, how);
    assert.deepEqual(ids(sel), selected, what);
    assert.equal(sel.active, active, what);
  }
});

test('keys: alone they select, with Shift a range, with Ctrl they move the focus only', () => {
  let sel = selection.focus(selection.emptySelection(), view, 20);
  assert.deepEqual(ids(sel), [20]);
  sel = selection.focus(sel, view, 40, { shift: true });
  assert.deepEqual(ids(sel), [20, 30, 40]);
  sel = selection.focus(sel, view, 50, { toggle: true });
  assert.deepEqual([ids(sel), sel.active], [[20, 30, 40], 50]);
  sel = selection.toggleActive(sel);
  assert.deepEqual(ids(sel), [20, 30, 40, 50]);
  assert.deepEqual(ids(selection.selectAll(sel, [10, 20])), [10, 20]);
});

test('what the search hides is no longer selected', () => {
  const sel = selection.selectAll(selection.emptySelection(), view);
  assert.deepEqual(ids(selection.keepShown(sel, [20, 40])), [20, 40]);
  assert.equal(selection.keepShown(sel, view), sel);
});

test('after a deletion the row now in its place is selected, or the one before the last', () => {
  const cases = [
    ['a middle row', [30], 30, 40],
    ['the last row', [50], 50, 40],
    ['the last rows', [40, 50], 50, 30],
    ['rows apart, the active one first', [20, 40], 20, 30],
    ['every row', [10, 20, 30, 40, 50], 30, null],
  ];
  for (const [what, deleted, active, next] of cases) {
    const sel = { selected: new Set(deleted), anchor: active, active };
    const after = selection.afterDeletion(sel, view);
    assert.equal(after.active, next, what);
    assert.deepEqual(ids(after), next === null ? [] : [next], what);
  }
});

test('a rename names the active channel only when it is selected', () => {
  assert.equal(selection.renameTarget({ selected: new Set(), anchor: null, active: 10 }), null);
  assert.equal(selection.renameTarget(selection.click(selection.emptySelection(), view, 30)), 30);
});
