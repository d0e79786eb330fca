// The list as the page shows it: one render(state) that makes the rows, the
// counts, the buttons and the active channel say what the state holds.
import { locale, t } from './i18n.js';
import { createListbox } from './listbox.js';
import * as list from './model.js';
import { folded } from './names.js';
import * as selection from './selection.js';
import { $, editable, state } from './state.js';

let listbox = null;

// Mounts the list on its element; actions: what its input asks of the page
// (see createListbox).
export function mountList(actions) {
  listbox = createListbox($('channels'), {
    ...actions,
    row: fillRow,
    selection: () => state.sel,
    view: () => state.view,
    select(sel, { scroll = true } = {}) {
      state.sel = sel;
      render({ scroll });
    },
  });
  return listbox;
}

const CELLS = ['handle', 'number', 'name', 'name2', 'type', 'marks'];
const MATCHED = ['markNew', 'markMatched', 'markLoosely'];

// A row's cells are made once and then changed in place: a double-click
// counts only when both clicks land on the same element.
function fillRow(id, row) {
  if (row.children.length === 0) {
    for (const name of CELLS) row.appendChild(document.createElement('span')).className = name;
    row.firstChild.textContent = '⋮⋮';
    row.firstChild.setAttribute('aria-hidden', 'true');
  }
  const { model } = state;
  const { name, name2, tv } = list.namesOf(model, id);
  const shownName = list.shown(name, model.useLatin1), shownName2 = list.shown(name2, model.useLatin1);
  const match = model.matched.get(id), duplicate = state.duplicates.has(id);
  row.setAttribute('aria-selected', state.sel.selected.has(id));
  row.classList.toggle('active', id === state.sel.active);
  row.classList.toggle('duplicate', duplicate);
  const marks = [];
  if (duplicate) marks.push(t('markSameName'));
  if (model.names.has(id)) marks.push(t('markRenamed'));
  if (match !== undefined) marks.push(t(MATCHED[match]));
  const texts = ['⋮⋮', String(list.positionOf(model, id) + 1), shownName,
    shownName2 === shownName ? '' : shownName2, t(tv ? 'tv' : 'radio'), marks.join(t('marksJoin'))];
  texts.forEach((text, i) => {
    if (row.children[i].textContent !== text) row.children[i].textContent = text;
  });
}

// What is shown: every channel, or those the search finds (by name, second
// name or number).
function findView() {
  const { model } = state;
  const fold = (text) => folded(text, locale), needle = fold(state.filter);
  state.view = !needle ? model.order : model.order.filter((id, i) => {
    const { name, name2 } = list.namesOf(model, id);
    return String(i + 1) === needle || fold(list.shown(name, model.useLatin1)).includes(needle) ||
      fold(list.shown(name2, model.useLatin1)).includes(needle);
  });
  // An action never reaches a selected channel the search hides; the
  // active channel is always one shown, so that focus coming to the list
  // (by Tab) finds the first match, never a row that is not there.
  if (needle) state.sel = selection.keepShown(state.sel, state.view);
  if (state.view.length && !state.view.includes(state.sel.active)) state.sel = { ...state.sel, active: state.view[0] };
}

function showCounts() {
  const { model } = state, n = model.order.length;
  const tv = model.order.reduce((count, id) => count + (model.channels.tv(id - 1) ? 1 : 0), 0);
  const counts = [t('counts', { n, tv, radio: n - tv })];
  if (state.filter) counts.push(t('countsShown', { n: state.view.length }));
  if (state.sel.selected.size) counts.push(t('countsSelected', { n: state.sel.selected.size }));
  if (state.duplicates.size) counts.push(t('countsShared', { n: state.duplicates.size }));
  $('counts').textContent = counts.join(t('countsJoin'));
}

export function updateButtons() {
  const open = editable(), some = open && state.sel.selected.size > 0;
  for (const id of ['save', 'save-as', 'export', 'reference', 'sort']) $(id).disabled = !open;
  for (const id of ['move-up', 'move-down', 'move-top', 'move-bottom', 'move-to', 'delete']) $(id).disabled = !some;
  $('rename').disabled = !open || selection.renameTarget(state.sel) === null;
  // A list too long to change can still be printed.
  $('print').disabled = state.model === null;
  $('undo').disabled = !open || state.model.undo.length === 0;
  $('redo').disabled = !open || state.model.redo.length === 0;
  // A button that has just done its last (the last undo) would take the
  // focus with it, to nowhere: the list has it instead.
  if (document.activeElement?.disabled) $('channels').focus({ preventScroll: true });
}

// The state shown. scroll: the active channel is brought into view. The
// active row is always in the document (the list keeps it there), so that
// aria-activedescendant names an element.
export function render({ scroll = false } = {}) {
  if (!state.model) return updateButtons();
  findView();
  showCounts();
  updateButtons();
  const id = state.sel.active;
  if (id === null) $('channels').removeAttribute('aria-activedescendant');
  else $('channels').setAttribute('aria-activedescendant', `channel-${id}`);
  listbox.show(state.view, scroll && id !== null ? state.view.indexOf(id) : -1);
}
