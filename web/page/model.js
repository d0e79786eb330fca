// The list as the page holds it: the channels of the list opened (its
// numbers 1..n are their ids), their order now and the new names given.
// Every change makes a new state, kept for undo; the core makes the list of
// a state from the list opened (its order of ids, and the new names).
import { judgedLatin1, showName } from './names.js';

export function createModel(channels, useLatin1) {
  const order = Array.from({ length: channels.length }, (_, i) => i + 1), names = new Map();
  return {
    channels, // the core's table, by id - 1: name(i), name2(i) as bytes, tv(i)
    useLatin1,
    order,
    names, // id -> new name, bytes
    matched: new Map(), // id -> how the last reference applied matched it: 0 new, 1 exactly, 2 loosely
    undo: [],
    redo: [],
    saved: { order, names }, // the state last saved (or opened)
    positions: null, // id -> index in order, made when asked for
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

export function positionOf(model, id) {
  if (!model.positions) {
    model.positions = new Int32Array(model.channels.length + 1).fill(-1);
    model.order.forEach((each, i) => (model.positions[each] = i));
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
  if (saved.order !== model.order &&
      (saved.order.length !== model.order.length || saved.order.some((id, i) => id !== model.order[i])))
    return true;
  if (saved.names === model.names) return false;
  const ids = new Set([...saved.names.keys(), ...model.names.keys()]);
  // The orders are the same: a channel in neither has no name to compare.
  return [...ids].some((id) => positionOf(model, id) >= 0 &&
    !sameName(model, id, saved.names.get(id), model.names.get(id)));
}

// The list's state now, to be saved.
export function stateOf(model) {
  return { order: model.order, names: model.names };
}

// written: the state that was saved (stateOf when the save began); a change
// made since is unsaved.
export function markSaved(model, written = stateOf(model)) {
  model.saved = written;
}

// Makes a change: state is { order, names, matched }, what the announcement
// says.
export function change(model, state, announcement) {
  model.undo.push({ order: model.order, names: model.names, matched: model.matched, announcement });
  model.redo = [];
  model.order = state.order;
  model.names = state.names ?? model.names;
  model.matched = state.matched ?? model.matched;
  model.positions = null;
  return announcement;
}

function swap(model, from, to) {
  const last = from.pop();
  if (!last) return null;
  to.push({ order: model.order, names: model.names, matched: model.matched, announcement: last.announcement });
  model.order = last.order;
  model.names = last.names;
  model.matched = last.matched;
  model.positions = null;
  return last.announcement;
}

export const undo = (model) => {
  const what = swap(model, model.undo, model.redo);
  return what && `Undone: ${what}`;
};
export const redo = (model) => {
  const what = swap(model, model.redo, model.undo);
  return what && `Redone: ${what}`;
};

const plural = (n, one) => `${n} ${one}${n === 1 ? '' : 's'}`;

// The selected ids in their order now.
export function inOrder(model, selected) {
  return model.order.filter((id) => selected.has(id));
}

// Moves the selected channels, in their order, so that the first of them
// is at position `at` (from 0) of the list without them.
export function moveTo(model, selected, at) {
  const moving = inOrder(model, selected);
  if (moving.length === 0) return null;
  const rest = model.order.filter((id) => !selected.has(id));
  at = Math.max(0, Math.min(at, rest.length));
  const order = [...rest.slice(0, at), ...moving, ...rest.slice(at)];
  if (order.every((id, i) => id === model.order[i])) return null;
  return change(model, { order }, `${plural(moving.length, 'channel')} moved to position ${at + 1}`);
}

// Up or down by one: each selected channel changes places with the nearest
// unselected one on that side; none moves past the end.
export function moveBy(model, selected, step) {
  const order = [...model.order];
  const indexes = order.map((id, i) => (selected.has(id) ? i : -1)).filter((i) => i >= 0);
  if (indexes.length === 0) return null;
  if (step < 0 ? indexes[0] === 0 : indexes[indexes.length - 1] === order.length - 1) return null;
  for (const i of step < 0 ? indexes : indexes.reverse()) [order[i], order[i + step]] = [order[i + step], order[i]];
  return change(model, { order }, `${plural(indexes.length, 'channel')} moved ${step < 0 ? 'up' : 'down'} to position ${positionAfter(order, selected)}`);
}

function positionAfter(order, selected) {
  return order.findIndex((id) => selected.has(id)) + 1;
}

export function remove(model, selected) {
  const order = model.order.filter((id) => !selected.has(id));
  const n = model.order.length - order.length;
  return n ? change(model, { order }, `${plural(n, 'channel')} deleted`) : null;
}

// A name given back as the channel had both its names is no rename.
export function rename(model, id, bytes) {
  const names = new Map(model.names), c = model.channels;
  if (sameBytes(bytes, c.name(id - 1)) && sameBytes(bytes, c.name2(id - 1))) names.delete(id);
  else names.set(id, bytes);
  return change(model, { order: model.order, names },
    `Channel ${positionOf(model, id) + 1} renamed to ${shown(bytes, model.useLatin1)}`);
}

// Once, by the name shown, as a person reads it; channels of one name keep
// their order.
export function sortByName(model, locale) {
  const collator = new Intl.Collator(locale, { numeric: true, sensitivity: 'base' });
  const keyed = model.order.map((id, i) => ({ id, i, key: shown(namesOf(model, id).name, model.useLatin1) }));
  keyed.sort((a, b) => collator.compare(a.key, b.key) || a.i - b.i);
  const order = keyed.map((k) => k.id);
  if (order.every((id, i) => id === model.order[i])) return null;
  return change(model, { order }, `${plural(order.length, 'channel')} sorted by name`);
}

// A new order, with how each channel was matched; null when it is the
// order there is.
export function reorder(model, order, announcement, matched) {
  if (order.length === model.order.length && order.every((id, i) => id === model.order[i])) return null;
  return change(model, { order, matched }, announcement);
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
