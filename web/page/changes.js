// The changes a user makes to the list: each made, shown and announced,
// and undone as one.
import { ask } from './dialogs.js';
import { t } from './i18n.js';
import * as list from './model.js';
import { nameBytes } from './names.js';
import { render } from './render.js';
import { announce, notice } from './say.js';
import * as selection from './selection.js';
import { $, editable, state } from './state.js';
import { newNameText } from './words.js';

// Every change of the list. Its time, until the rows show it, is measured
// as "change". unchanged: the key of what to say when the change turns out
// to change nothing.
export function act(makeChange, unchanged = '') {
  if (!editable()) return false;
  performance.mark('change-start');
  const announcement = makeChange();
  if (!announcement) {
    if (unchanged) announce(() => t(unchanged));
    return false;
  }
  requestAnimationFrame(() => {
    // A list opened meanwhile clears the marks.
    if (performance.getEntriesByName('change-start').length) performance.measure('change', 'change-start');
  });
  const inList = (id) => id !== null && list.positionOf(state.model, id) >= 0;
  const { sel } = state;
  state.sel = { selected: new Set([...sel.selected].filter(inList)), active: inList(sel.active) ? sel.active : null,
    anchor: inList(sel.anchor) ? sel.anchor : null };
  markDuplicates();
  render({ scroll: true });
  announce(() => t(announcement.key, announcement.values));
  return true;
}

// Which names occur more than once changes only with the names or the
// channels there are, not with their order.
export function markDuplicates() {
  const { model } = state, key = state.duplicatesOf;
  if (!state.judged || (key && key.names === model.namesVersion && key.count === model.order.length)) return;
  state.duplicatesOf = { names: model.namesVersion, count: model.order.length };
  state.duplicates = list.duplicates(model);
}

// A move that changes nothing says why: the selection keeps its shape, so
// one selected channel at an end holds the others.
const AT_TOP = 'atTop', AT_BOTTOM = 'atBottom';
const MOVES = {
  up: [() => list.moveBy(state.model, state.sel.selected, -1), AT_TOP],
  down: [() => list.moveBy(state.model, state.sel.selected, 1), AT_BOTTOM],
  top: [() => list.moveTo(state.model, state.sel.selected, 0), AT_TOP],
  bottom: [() => list.moveTo(state.model, state.sel.selected, Infinity), AT_BOTTOM],
};
const noneSelected = () => announce(() => t('noneSelected'));
export function move(where) {
  if (state.sel.selected.size === 0) return noneSelected();
  act(...MOVES[where]);
}

// Dropped at gap (between the rows shown): the selection goes there.
export function drop(gap) {
  const before = state.view.slice(0, gap).filter((id) => !state.sel.selected.has(id)).length;
  act(() => list.moveTo(state.model, state.sel.selected, before));
}

export const undo = () => act(() => list.undo(state.model));
export const redo = () => act(() => list.redo(state.model));

// One language sorts alike in every engine: the collator is given the
// page's, never the engine's default (WebKit's under a C locale puts
// capitals first).
export const sortByName = () =>
  act(() => list.sortByName(state.model, document.documentElement.lang), 'inOrderAlready');

export function deleteSelected() {
  if (!editable()) return;
  if (state.sel.selected.size === 0) return noneSelected();
  // Saved as a listing, a list of no channel would be refused.
  if (state.sel.selected.size === state.model.order.length)
    return notice(() => t('keepOne'), 'warning');
  // Which channel is selected next is found before the delete changes the
  // list (and with it the view, which it may be).
  const after = selection.afterDeletion(state.sel, state.view);
  if (!act(() => list.remove(state.model, state.sel.selected))) return;
  state.sel = after;
  render({ scroll: true });
}

// A dialog answers for the list it was opened on: opening another list
// closes it, and what it gives is then dropped.
export async function askAbout(dialog, confirm) {
  const model = state.model;
  const answer = await ask(dialog, confirm);
  return state.model === model ? answer : null;
}

export async function moveToPosition() {
  if (!editable() || state.sel.selected.size === 0) return;
  const input = $('position');
  // The first of the selected channels can go no further than where the
  // last of them then ends the list.
  const last = state.model.order.length - state.sel.selected.size + 1;
  input.max = last;
  input.value = Math.min(last, list.positionOf(state.model, list.inOrder(state.model, state.sel.selected)[0]) + 1);
  const position = await askAbout($('move-dialog'), (form, why) => {
    const n = Number(input.value.trim());
    if (/^\s*\d+\s*$/.test(input.value) && n >= 1 && n <= last) return n;
    why(t('wholeNumber', { last: String(last) }));
  });
  if (position !== null) act(() => list.moveTo(state.model, state.sel.selected, position - 1));
  $('channels').focus();
}

const sameBytes = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);

// A new name, by the rules --apply gives one: 1 to 31 bytes as saved, no
// control characters; in the list's encoding.
export async function renameChannel(id) {
  if (!editable()) return;
  state.model.useLatin1 ??= list.usesLatin1(state.model);
  const input = $('new-name');
  const names = list.namesOf(state.model, id), latin1 = state.model.useLatin1;
  // As the field shows it: a text field holds no line feed, and a name
  // that has one is no new name for being shown without it.
  input.value = list.shown(names.name, latin1);
  const before = input.value;
  const second = list.shown(names.name2, latin1);
  $('rename-title').textContent = t('renameTitle', { at: String(list.positionOf(state.model, id) + 1) });
  // A rename gives both names the new one, as tunvex -r does.
  $('rename-note').textContent = second === before ? '' : t('secondNameToo', { name2: second });
  const bytes = await askAbout($('rename-dialog'), (form, why) => {
    // The name as it was is no new name: the channel keeps both its names.
    if (input.value === before) return null;
    const candidate = nameBytes(input.value, state.model.useLatin1);
    if (!candidate) return why(t('notLatin1'));
    const problem = state.core.nameProblem(candidate);
    if (problem) return why(newNameText(problem));
    return candidate;
  });
  $('channels').focus();
  const current = list.namesOf(state.model, id);
  if (!bytes || (sameBytes(bytes, current.name) && sameBytes(bytes, current.name2))) return;
  act(() => list.rename(state.model, id, bytes));
}
