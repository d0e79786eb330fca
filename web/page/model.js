// The list as the page holds it: the channels of the list opened (its
// numbers 1..n are their ids), their order now and the new names given.
// A change is made in place, and undo keeps what it changed (the channels
// moved and where from, a name before), not a copy of the list: on 65,535
// channels a copy a change would cost half a megabyte. The core makes the
// list of a state from the list opened (its order of ids, and the new
// names).
import { judgedLatin1, showName } from './names.js';

export function createModel(channels, useLatin1) {
  const order = Array.from({ length: channels.length }, (_, i) => i + 1), names = new Map();
  return {
    channels, // the core's table, by id - 1: name(i), name2(i) as bytes, tv(i)
    useLatin1,
    order,
    names, // id -> new name, bytes
    namesVersion: 0, // one more with each change of names
    matched: new Map(), // id -> how the last reference applied matched it: 0 new, 1 exactly, 2 loosely
    undo: [], // changes: { announcement, step(model, forward) }
    redo: [],
    saved: { order: order.slice(), names: new Map() }, // the state last saved (or opened), a copy
    positions: null, // id -> index in order, found when asked for after a change
    positionsStale: true,
  };
}

// What a channel shows now: its names (the new one in both fields).
export function namesOf(model, id) {
  const renamed = model.names.get(id), c = model.channels;
  return { name: renamed ?? c.name(id - 1), name2: renamed ?? c.name2(id - 1), tv: c.tv(id - 1) };
}

// A name as text, in the list's encoding (names.js): latin1 is the model's
// useLatin1.
const shownCache = [new WeakMap(), new WeakMap()];
export function shown(bytes, latin1) {
  const cache = shownCache[latin1 ? 1 : 0];
  let text = cache.get(bytes);
  if (text === undefined) cache.set(bytes, (text = showName(bytes, latin1)));
  return text;
}

// Whether the list opened writes its names in Latin-1, judged from all of
// its names (names.js).
export function usesLatin1(model) {
  const c = model.channels;
  function* names() {
    for (let i = 0; i < c.length; i++) {
      yield c.name(i);
      yield c.name2(i);
    }
  }
  return judgedLatin1(names());
}

// Found again after each change, into the same array: 300 changes to a
// long list would otherwise leave 300 of them to the collector.
export function positionOf(model, id) {
  if (model.positionsStale) {
    model.positions ??= new Int32Array(model.channels.length + 1);
    model.positions.fill(-1);
    model.order.forEach((each, i) => (model.positions[each] = i));
    model.positionsStale = false;
  }
  return model.positions[id];
}

const sameBytes = (a, b) => a === b || (a.length === b.length && a.every((v, i) => v === b[i]));

// Whether a channel is called the same in two states: a rename to the names
// it had is none.
function sameName(model, id, a, b) {
  if (a === b) return true;
  const c = model.channels, original = (x) => sameBytes(x, c.name(id - 1)) && sameBytes(x, c.name2(id - 1));
  if (!a || !b) return original(a ?? b);
  return sameBytes(a, b);
}

// Whether the list differs from the state it was last saved in: a
// comparison of states, not a count of changes (save, undo, another change
// is unsaved; changes undone back to the saved state are not).
export function isDirty(model) {
  const { saved } = model;
  if (saved.order.length !== model.order.length || saved.order.some((id, i) => id !== model.order[i])) return true;
  const ids = new Set([...saved.names.keys(), ...model.names.keys()]);
  // The orders are the same: a channel in neither has no name to compare.
  return [...ids].some((id) => positionOf(model, id) >= 0 &&
    !sameName(model, id, saved.names.get(id), model.names.get(id)));
}

// The list's state now, as a copy: a save is written from it, and a change
// made meanwhile changes the list, not it.
export function stateOf(model) {
  return { order: model.order.slice(), names: new Map(model.names) };
}

// written: the state that was saved (stateOf when the save began); a change
// made since is unsaved.
export function markSaved(model, written = stateOf(model)) {
  model.saved = written;
}

// Makes a change: step(model, true) makes it, step(model, false) takes it
// back; both keep only what the change changed.
function change(model, step, announcement) {
  step(model, true);
  model.undo.push({ step, announcement });
  model.redo = [];
  model.positionsStale = true;
  return announcement;
}

function swap(model, from, to) {
  const last = from.pop();
  if (!last) return null;
  last.step(model, from === model.redo);
  to.push(last);
  model.positionsStale = true;
  return last.announcement;
}

export const undo = (model) => {
  const what = swap(model, model.undo, model.redo);
  return what && said('undone', { what });
};
export const redo = (model) => {
  const what = swap(model, model.redo, model.undo);
  return what && said('redone', { what });
};

// What a change says, as a key of the page's words and its values: said
// in the language of the moment. A position is a string, a count a number.
const said = (key, values) => ({ key, values });

// The selected ids in their order now.
export function inOrder(model, selected) {
  return model.order.filter((id) => selected.has(id));
}

// Takes the ids at these indexes (ascending) out of the order, in place.
function takeOut(order, at) {
  let write = 0, next = 0;
  for (let read = 0; read < order.length; read++) {
    if (next < at.length && at[next] === read) next++;
    else order[write++] = order[read];
  }
  order.length = write;
}

// Puts ids into the order, in place, each at its index (ascending) in the
// order that results.
function putIn(order, ids, at) {
  let read = order.length - 1, j = ids.length - 1;
  order.length += ids.length;
  for (let write = order.length - 1; write >= 0; write--)
    order[write] = j >= 0 && at[j] === write ? ids[j--] : order[read--];
}

// Moves the channels at indexes `from` (ascending) to indexes `to`
// (ascending, in the order that results): as a change, or null when none.
function moveChange(model, from, to, announcement) {
  if (from.length === 0 || from.every((index, i) => index === to[i])) return null;
  const ids = Int32Array.from(from, (index) => model.order[index]);
  return change(model, (m, forward) => {
    takeOut(m.order, forward ? from : to);
    putIn(m.order, ids, forward ? to : from);
  }, announcement);
}

// The indexes of the selected channels, ascending.
function indexesOf(model, selected) {
  const at = new Int32Array(selected.size);
  let n = 0;
  for (const id of selected) {
    const index = positionOf(model, id);
    if (index >= 0) at[n++] = index;
  }
  return at.subarray(0, n).sort();
}

// Moves the selected channels, in their order, so that the first of them
// is at position `at` (from 0) of the list without them.
export function moveTo(model, selected, at) {
  const from = indexesOf(model, selected);
  at = Math.max(0, Math.min(at, model.order.length - from.length));
  const to = Int32Array.from(from, (_, i) => at + i);
  return moveChange(model, from, to, said('movedTo', { n: from.length, at: String(at + 1) }));
}

// Up or down by one: each selected channel changes places with the nearest
// unselected one on that side; none moves past the end.
export function moveBy(model, selected, step) {
  const from = indexesOf(model, selected);
  if (from.length === 0 || (step < 0 ? from[0] === 0 : from[from.length - 1] === model.order.length - 1)) return null;
  const to = from.map((index) => index + step);
  return moveChange(model, from, to, said(step < 0 ? 'movedUp' : 'movedDown', { n: from.length, at: String(to[0] + 1) }));
}

export function remove(model, selected) {
  const from = indexesOf(model, selected);
  if (from.length === 0) return null;
  const ids = Int32Array.from(from, (index) => model.order[index]);
  return change(model, (m, forward) => (forward ? takeOut(m.order, from) : putIn(m.order, ids, from)),
    said('deleted', { n: from.length }));
}

// A name given back as the channel had both its names is no rename.
export function rename(model, id, bytes) {
  const c = model.channels, before = model.names.get(id);
  const after = sameBytes(bytes, c.name(id - 1)) && sameBytes(bytes, c.name2(id - 1)) ? undefined : bytes;
  return change(model, (m, forward) => {
    const name = forward ? after : before;
    if (name === undefined) m.names.delete(id);
    else m.names.set(id, name);
    m.namesVersion++;
  }, said('renamed', { at: String(positionOf(model, id) + 1), name: shown(bytes, model.useLatin1) }));
}

// Once, by the name shown, as a person reads it; channels of one name keep
// their order.
export function sortByName(model, locale) {
  const collator = new Intl.Collator(locale, { numeric: true, sensitivity: 'base' });
  const keyed = model.order.map((id, i) => ({ id, i, key: shown(namesOf(model, id).name, model.useLatin1) }));
  keyed.sort((a, b) => collator.compare(a.key, b.key) || a.i - b.i);
  return reorder(model, keyed.map((k) => k.id), said('sorted', { n: keyed.length }));
}

// A new order, with how each channel was matched; null when it is the
// order there is. A whole new order is kept whole: what it changed is
// every place.
export function reorder(model, order, announcement, matched = model.matched) {
  if (order.length === model.order.length && order.every((id, i) => id === model.order[i])) return null;
  const before = Int32Array.from(model.order), after = Int32Array.from(order), marks = model.matched;
  return change(model, (m, forward) => {
    const now = forward ? after : before;
    m.order.length = now.length;
    for (let i = 0; i < now.length; i++) m.order[i] = now[i];
    m.matched = forward ? matched : marks;
  }, announcement);
}

// The channels whose name (the one shown first) another channel has too.
export function duplicates(model) {
  const keys = model.order.map((id) => String.fromCharCode.apply(null, model.names.get(id) ?? model.channels.name(id - 1)));
  const count = new Map();
  for (const key of keys) count.set(key, (count.get(key) ?? 0) + 1);
  const dup = new Set();
  model.order.forEach((id, i) => count.get(keys[i]) > 1 && dup.add(id));
  return dup;
}
