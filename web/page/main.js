// The page: a channel list opened from the user's disk, reorganised, and
// saved back, by the core the command line runs. Nothing is sent anywhere.
import './style.css';
import { loadInlineCore } from './core-loader.js';
import { ask } from './dialogs.js';
import { canSaveInPlace, changedSince, download, droppedFiles, pickFile, saveBytes } from './files.js';
import { createListbox } from './listbox.js';
import * as list from './model.js';
import { nameBytes } from './names.js';
import * as selection from './selection.js';
import { findingText, newNameText, problemsText } from './words.js';

const $ = (id) => document.getElementById(id);
const state = {
  core: null,
  opened: null, // { bytes, name, handle }
  model: null,
  // A list of more than 65,535 channels: no listing can name its channels,
  // so no change to it could be saved. It is shown, not edited.
  readOnly: false,
  view: [], // the ids shown, in order
  sel: selection.emptySelection(),
  filter: '',
  duplicates: new Set(),
  duplicatesOf: null, // the version of the names, and the count, they were found for
};
const editable = () => state.model !== null && !state.readOnly;
const listbox = createListbox($('channels'), {
  row: fillRow,
  isSelected: (id) => state.sel.selected.has(id),
  active: () => state.sel.active,
  click,
  canDrag: () => {
    if (!editable()) return false;
    if (!state.filter) return true;
    announce('Clear the search to drag: the buttons and keys move channels while it filters.');
    return false;
  },
  drop: (gap) => {
    const before = state.view.slice(0, gap).filter((id) => !state.sel.selected.has(id)).length;
    act(() => list.moveTo(state.model, state.sel.selected, before));
  },
  dropOutside: () => announce('Let go outside the list: nothing moved'),
  rename: (id) => editable() && renameChannel(id),
  key: listKey,
});

function announce(text) {
  $('status').textContent = '';
  // A change of text is what a screen reader reads out.
  requestAnimationFrame(() => ($('status').textContent = text));
}

// A note on the file or on what failed, until the next, or until its user
// dismisses it (it may take half a phone's screen).
function notice(text, kind) {
  $('notice-text').textContent = text;
  $('notice').className = kind ?? '';
  $('notice').hidden = !text;
}

const plural = (n, one, many) => `${n} ${n === 1 ? one : many}`;

const CELLS = ['handle', 'number', 'name', 'name2', 'type', 'marks'];

// A row's cells are made once and then changed in place: a double-click
// counts only when both clicks land on the same element.
function fillRow(id, row) {
  if (row.children.length === 0) {
    for (const name of CELLS) row.appendChild(document.createElement('span')).className = name;
    row.firstChild.textContent = '⋮⋮';
    row.firstChild.setAttribute('aria-hidden', 'true');
  }
  const { name, name2, tv } = list.namesOf(state.model, id);
  const latin1 = state.model.useLatin1;
  const shownName = list.shown(name, latin1), shownName2 = list.shown(name2, latin1);
  const match = state.model.matched.get(id);
  row.setAttribute('aria-selected', state.sel.selected.has(id));
  row.classList.toggle('active', id === state.sel.active);
  row.classList.toggle('duplicate', state.duplicates.has(id));
  const marks = [];
  if (state.duplicates.has(id)) marks.push('same name');
  if (state.model.names.has(id)) marks.push('renamed');
  if (match !== undefined) marks.push(['new', 'matched', 'matched loosely'][match]);
  const texts = ['⋮⋮', String(list.positionOf(state.model, id) + 1), shownName,
    shownName2 === shownName ? '' : shownName2, tv ? 'TV' : 'Radio', marks.join(', ')];
  texts.forEach((text, i) => {
    if (row.children[i].textContent !== text) row.children[i].textContent = text;
  });
}

// What is shown: every channel, or those the search finds (by name, second
// name or number).
function refreshView() {
  const { model } = state;
  const needle = state.filter.toLowerCase();
  state.view = !needle ? model.order : model.order.filter((id, i) => {
    const { name, name2 } = list.namesOf(model, id);
    return String(i + 1) === needle || list.shown(name, model.useLatin1).toLowerCase().includes(needle) ||
      list.shown(name2, model.useLatin1).toLowerCase().includes(needle);
  });
  // An action never reaches a selected channel the search hides; the
  // active channel is always one shown, so that focus coming to the list
  // (by Tab) finds the first match, never a row that is not there.
  if (needle) state.sel = selection.keepShown(state.sel, state.view);
  if (state.view.length && !state.view.includes(state.sel.active)) {
    state.sel = { ...state.sel, active: state.view[0] };
    showActive(false);
  }
  listbox.setView(state.view);
  const tv = model.order.reduce((n, id) => n + (model.channels.tv(id - 1) ? 1 : 0), 0);
  $('counts').textContent = `${plural(model.order.length, 'channel', 'channels')}: ${tv} TV, ${model.order.length - tv} radio` +
    (needle ? `; ${state.view.length} shown` : '') + (state.sel.selected.size ? `; ${state.sel.selected.size} selected` : '') +
    (state.duplicates.size ? `; ${state.duplicates.size} share a name` : '');
  updateButtons();
}

function updateButtons() {
  const open = editable(), some = open && state.sel.selected.size > 0;
  for (const id of ['save', 'save-as', 'export', 'reference', 'sort'])
    $(id).disabled = !open;
  for (const id of ['move-up', 'move-down', 'move-top', 'move-bottom', 'move-to', 'delete']) $(id).disabled = !some;
  $('rename').disabled = !open || selection.renameTarget(state.sel) === null;
  $('undo').disabled = !open || state.model.undo.length === 0;
  $('redo').disabled = !open || state.model.redo.length === 0;
  // A button that has just done its last (the last undo) would take the
  // focus with it, to nowhere: the list has it instead.
  if (document.activeElement?.disabled) $('channels').focus({ preventScroll: true });
}

// The active row is always in the document (the list keeps it there), so
// that aria-activedescendant names an element.
function showActive(scroll = true) {
  const id = state.sel.active;
  if (id === null) $('channels').removeAttribute('aria-activedescendant');
  else $('channels').setAttribute('aria-activedescendant', `channel-${id}`);
  if (scroll && id !== null) listbox.scrollToIndex(state.view.indexOf(id));
}

function click(id, event) {
  state.sel = selection.click(state.sel, state.view, id, { shift: event.shiftKey, toggle: event.ctrlKey || event.metaKey });
  $('channels').focus({ preventScroll: true });
  showActive(false);
  refreshSelection();
}

function refreshSelection() {
  refreshView();
  listbox.refresh();
}

// The keys of a rearrangeable multi-select listbox. With no active channel
// among those shown (a search hid it), any move goes to the first shown.
function listKey(event) {
  if (!state.model || state.view.length === 0) return;
  const at = state.view.indexOf(state.sel.active), page = listbox.rowsInView();
  const from = (target) => (at < 0 ? 0 : target);
  const targets = { ArrowDown: from(at + 1), ArrowUp: from(at - 1), Home: 0, End: state.view.length - 1,
    PageDown: from(at + page), PageUp: from(at - page) };
  const ctrl = event.ctrlKey || event.metaKey;
  if (event.altKey && ['ArrowUp', 'ArrowDown', 'Home', 'End'].includes(event.key)) {
    event.preventDefault();
    if (!editable()) return;
    return ({ ArrowUp: moveUp, ArrowDown: moveDown, Home: moveTop, End: moveBottom })[event.key]();
  }
  if (event.key in targets) {
    event.preventDefault();
    const to = state.view[Math.max(0, Math.min(state.view.length - 1, targets[event.key]))];
    state.sel = selection.focus(state.sel, state.view, to, { shift: event.shiftKey, toggle: ctrl });
    showActive();
    return refreshSelection();
  }
  if (event.key === ' ' && state.sel.active !== null) {
    event.preventDefault();
    state.sel = selection.toggleActive(state.sel);
    return refreshSelection();
  }
  if (ctrl && event.key.toLowerCase() === 'a') {
    event.preventDefault();
    state.sel = selection.selectAll(state.sel, state.view);
    announce(`${plural(state.sel.selected.size, 'channel', 'channels')} selected`);
    return refreshSelection();
  }
  if (!editable()) return;
  // Backspace is the delete key of a Mac's keyboard.
  if (event.key === 'Delete' || event.key === 'Backspace') {
    event.preventDefault();
    return deleteSelected();
  }
  if (event.key === 'F2') {
    event.preventDefault();
    const target = selection.renameTarget(state.sel);
    if (target !== null) renameChannel(target);
  }
}

// Every change of the list: made, shown and announced. Its time, until the
// rows show it, is measured as "change".
// unchanged: what to say when the change turns out to change nothing.
function act(makeChange, unchanged = '') {
  if (!editable()) return;
  performance.mark('change-start');
  const announcement = makeChange();
  if (!announcement) {
    if (unchanged) announce(unchanged);
    return;
  }
  requestAnimationFrame(() => {
    // A list opened meanwhile clears the marks.
    if (performance.getEntriesByName('change-start').length) performance.measure('change', 'change-start');
  });
  const inList = (id) => id !== null && list.positionOf(state.model, id) >= 0;
  state.sel = { ...state.sel, selected: new Set([...state.sel.selected].filter(inList)) };
  if (!inList(state.sel.active)) state.sel = { ...state.sel, active: null };
  if (!inList(state.sel.anchor)) state.sel = { ...state.sel, anchor: null };
  markDuplicates();
  refreshView();
  listbox.refresh();
  showActive();
  announce(announcement);
}

// Which names occur more than once changes only with the names or the
// channels there are, not with their order.
function markDuplicates() {
  const { model } = state, key = state.duplicatesOf;
  if (key && key.names === model.namesVersion && key.count === model.order.length) return;
  state.duplicatesOf = { names: model.namesVersion, count: model.order.length };
  state.duplicates = list.duplicates(model);
}

// A move that changes nothing says why: the selection keeps its shape, so
// one selected channel at an end holds the others.
const AT_TOP = 'The selection is at the top already', AT_BOTTOM = 'The selection is at the bottom already';
const moveUp = () => act(() => list.moveBy(state.model, state.sel.selected, -1), AT_TOP);
const moveDown = () => act(() => list.moveBy(state.model, state.sel.selected, 1), AT_BOTTOM);
const moveTop = () => act(() => list.moveTo(state.model, state.sel.selected, 0), AT_TOP);
const moveBottom = () => act(() => list.moveTo(state.model, state.sel.selected, Infinity), AT_BOTTOM);

function deleteSelected() {
  if (!editable() || state.sel.selected.size === 0) return;
  // Saved as a listing, a list of no channel would be refused.
  if (state.sel.selected.size === state.model.order.length)
    return notice('Not every channel can be deleted: a list keeps at least one. Select fewer channels.', 'warning');
  // Which channel is selected next is found before the delete changes the
  // list (and with it the view, which it may be).
  const before = state.sel, after = selection.afterDeletion(before, state.view);
  act(() => list.remove(state.model, before.selected));
  state.sel = after;
  showActive();
  refreshSelection();
}

// A dialog answers for the list it was opened on: opening another list
// closes it, and what it gives is then dropped.
async function askAbout(dialog, confirm) {
  const model = state.model;
  const answer = await ask(dialog, confirm);
  return state.model === model ? answer : null;
}

async function moveToPosition() {
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
    why(`Give a whole number from 1 to ${last}.`);
  });
  if (position !== null) act(() => list.moveTo(state.model, state.sel.selected, position - 1));
  $('channels').focus();
}

// A name or a line the core quotes, in the list's encoding.
const show = (bytes) => list.shown(bytes, state.model?.useLatin1 ?? null);

// A new name, by the rules --apply gives one: 1 to 31 bytes as saved, no
// control characters; in the list's encoding.
async function renameChannel(id) {
  state.model.useLatin1 ??= list.usesLatin1(state.model);
  const input = $('new-name');
  const names = list.namesOf(state.model, id), latin1 = state.model.useLatin1;
  // As the field shows it: a text field holds no line feed, and a name
  // that has one is no new name for being shown without it.
  input.value = list.shown(names.name, latin1);
  const before = input.value;
  const second = list.shown(names.name2, latin1);
  $('rename-title').textContent = `Rename channel ${list.positionOf(state.model, id) + 1}`;
  // A rename gives both names the new one, as tunvex -r does.
  $('rename-note').textContent = second === before ? '' : `A new name replaces its second name, ${second}, too.`;
  const bytes = await askAbout($('rename-dialog'), (form, why) => {
    // The name as it was is no new name: the channel keeps both its names.
    if (input.value === before) return null;
    const candidate = nameBytes(input.value, state.model.useLatin1);
    if (!candidate) return why('This list writes its names in Latin-1, which cannot hold every character of this name.');
    const problem = state.core.nameProblem(candidate);
    if (problem) return why(newNameText(problem));
    return candidate;
  });
  $('channels').focus();
  const current = list.namesOf(state.model, id);
  if (!bytes || (sameBytes(bytes, current.name) && sameBytes(bytes, current.name2))) return;
  act(() => list.rename(state.model, id, bytes));
}

const sameBytes = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);

// The list as it is now: the list opened with the changes made, as the core
// saves it. Null, with the reason shown, where it refuses them.
function currentList() {
  const result = state.core.edit(state.opened.bytes, { order: state.model.order, names: state.model.names });
  if (result.applied) return result.saved;
  notice(`The changes could not be applied: ${problemsText(result, show)}`, 'error');
  return null;
}

async function save(ask) {
  if (!editable()) return;
  performance.mark('save-start');
  // What is written is the list as it is now; a change made while the
  // browser writes it is not, and stays unsaved.
  const written = list.stateOf(state.model), opened = state.opened;
  const bytes = currentList();
  if (!bytes) return;
  let saved;
  try {
    // Written back through its handle, the file must still be the one
    // opened (or last saved): another tab, or the command line, may have
    // saved it since, and that would be lost without a word.
    if (!ask && opened.handle && await changedSince(opened.handle, opened.onDisk.bytes, opened.onDisk.lastModified) &&
        !confirm(`${opened.name} has changed since it was opened here (another tab or program saved it). ` +
          'Save over it, losing that change?')) {
      return announce('Not saved: the file changed meanwhile');
    }
    saved = await saveBytes(bytes, opened.name, opened.handle, ask);
    if (saved?.handle) opened.onDisk = { bytes, lastModified: (await saved.handle.getFile()).lastModified };
  } catch (error) {
    announce('');
    return notice(`The list could not be saved: ${error.message}. Nothing was written.`, 'error');
  }
  if (!saved) return;
  performance.measure('save', 'save-start');
  // What was said of the file opened is not true of the one written.
  notice('');
  // Saved as another file, the list is that file from now on.
  if (saved.handle && saved.handle !== opened.handle) {
    opened.handle = saved.handle;
    opened.name = saved.handle.name;
    $('file-name').textContent = opened.name;
  }
  if (state.opened === opened) list.markSaved(state.model, written);
  const channels = plural(written.order.length, 'channel', 'channels');
  announce(saved.handle ? `Saved ${channels} in ${opened.name}` :
    `Saved ${channels}: downloaded as ${opened.name} (the browser may add a number to the ` +
    'name if its downloads hold a file of that name)');
}

function exportListing() {
  const now = currentList();
  if (!now) return;
  const listing = state.core.listing(now, { withState: true });
  if (!listing.listed) return notice(`The listing cannot be exported: ${problemsText(listing, show)}.`, 'error');
  const text = listing.text;
  const opened = state.opened.name;
  const stem = opened.replace(/\.[^.]*$/, '') || opened.replace(/^\.+/, '') || 'channels';
  // Never the list's own name: where the browser asks, the listing would
  // take the list's place.
  const name = `${stem}.txt` === opened ? `${stem}-listing.txt` : `${stem}.txt`;
  download(new Blob([text], { type: 'text/plain' }), name);
  announce(`Listing exported as ${name}`);
}

// The file's verdict in plain words; false when it cannot be opened.
// Text has no zero byte; a channel list has many, past a header of a few
// bytes that a file shorter than it lacks.
const looksLikeText = (bytes, finding) => finding.code !== 'shorterThanHeader' && !bytes.subarray(0, 65536).includes(0);

function explain(name, opened, bytes) {
  const notes = opened.remarks.map(findingText).join('; '), verdict = findingText(opened.finding);
  if (!opened.loaded) {
    const still = state.opened ? ` ${state.opened.name} is still open.` : '';
    if (opened.text || looksLikeText(bytes, opened.finding))
      notice(`${name} is ${opened.text ? `${opened.text} ` : ''}text, not a channel list: if it is a listing made ` +
        `before a rescan, open the list and carry its order over with Apply a reference...${still}`, 'error');
    else notice(`${name} cannot be opened: it is not a whole channel list: ${verdict}.${still}`, 'error');
    return false;
  }
  if (!opened.whole)
    notice(`${name} is not a whole channel list: ${verdict}${notes ? ` (${notes})` : ''}. It is opened as ` +
      'tunvex opens it; saving writes a whole list with a fresh checksum.', 'warning');
  else notice(notes && `${name} is a whole channel list. Note: ${notes}.`);
  // More records than the count: a save keeps those the count names.
  if (opened.finding.code === 'countTooSmall') {
    const [count, held] = opened.finding.values;
    notice(`${$('notice-text').textContent} Saving keeps the ${plural(count, 'channel', 'channels')} its count ` +
      `names and leaves out the ${plural(held - count, 'channel', 'channels')} after them.`, 'warning');
  }
  return true;
}

// The most channels a listing can number: a list of more can be shown,
// but no change to it could be saved.
const MOST_LISTED = 65535;

// note: said with what is said of the file.
async function openFile(file, handle, note = '') {
  if (state.model && list.isDirty(state.model) && !confirm('The list has changes that are not saved. Open another?')) return;
  // A dialog open on the list that is replaced would answer for the new
  // one: it is closed, as cancelled.
  for (const dialog of document.querySelectorAll('dialog[open]')) dialog.close();
  performance.clearMarks();
  performance.clearMeasures();
  performance.mark('open-start');
  // Each step of opening is measured too, for the benchmark.
  const bytes = new Uint8Array(await file.arrayBuffer());
  performance.measure('open-read', 'open-start');
  // Looked at, not loaded: the core loads the list when it is changed, and
  // its checksum is judged once the rows show.
  const opened = state.core.survey(bytes);
  performance.measure('open-core', 'open-start');
  if (!opened.loaded) return explain(file.name, { ...opened, ...state.core.check(bytes) }, bytes);
  // onDisk: the file as last read or written here, to tell a change made
  // to it elsewhere.
  state.opened = { bytes, name: file.name, handle, onDisk: { bytes, lastModified: file.lastModified } };
  state.model = list.createModel(opened.channels, null);
  state.readOnly = opened.count > MOST_LISTED;
  state.sel = { ...selection.emptySelection(), active: state.model.order[0] ?? null };
  state.duplicates = new Set();
  state.duplicatesOf = null;
  state.filter = $('search').value = '';
  showActive(false);
  $('file-name').textContent = file.name;
  $('empty').hidden = true;
  $('channels').hidden = document.querySelector('.columns').hidden = false;
  refreshView();
  $('channels').scrollTop = 0;
  requestAnimationFrame(() => {
    performance.measure('open', 'open-start');
    // Judged and marked once the first rows show.
    setTimeout(() => {
      if (state.opened?.bytes !== bytes) return;
      explain(file.name, { ...opened, ...state.core.check(bytes) }, bytes);
      if (note) notice(`${$('notice-text').textContent} ${note}`.trim(), 'warning');
      // Its encoding, read from all its names, can change how a name shows.
      state.model.useLatin1 ??= list.usesLatin1(state.model);
      if (state.readOnly)
        notice(`${file.name} has ${opened.count} channels, more than the ${MOST_LISTED} a listing can number: it ` +
          'can be looked at here, but no change to it could be saved, so none can be made.', 'warning');
      markDuplicates();
      refreshView();
      listbox.refresh();
    });
  });
  announce(`${file.name} opened: ${plural(opened.count, 'channel', 'channels')}`);
  $('channels').focus();
}

// A reference: a listing made before a rescan, or the older list file
// itself. Its --match proposal is shown, and applied as one change.
async function applyReference() {
  if (!editable()) return;
  const input = $('reference-file');
  input.value = '';
  $('reference-summary').textContent = 'Choose the listing (.txt) or the list file from before the rescan.';
  $('reference-preview').replaceChildren();
  $('reference-apply').disabled = true;
  let proposal = null;
  // Chosen, or dropped on the page while the dialog is open.
  state.takeReference = async (file) => {
    proposal = await proposeFrom(file.name, new Uint8Array(await file.arrayBuffer()));
    $('reference-apply').disabled = !proposal;
  };
  input.onchange = () => state.takeReference(input.files[0]);
  const confirmed = await askAbout($('reference-dialog'), () => proposal ?? undefined);
  state.takeReference = null;
  if (confirmed) {
    act(() => list.reorder(state.model, confirmed.order, `Reference applied: ${confirmed.summary}`, confirmed.matched),
      'The reference keeps the order as it is.');
  }
  $('channels').focus();
}

// A list file is taken as the list it holds, whole or not (and then said
// so); anything else as a listing.
async function proposeFrom(name, bytes) {
  // What an earlier choice showed goes at once.
  $('reference-preview').replaceChildren();
  const now = currentList();
  if (!now) return null;
  const result = state.core.match(now, bytes), reference = result.reference;
  if (reference.kind === 'cutShort') {
    $('reference-summary').textContent = `${name} is a channel list that tunvex cannot read ` +
      `(${findingText(reference.finding)}), so it cannot serve as the reference.`;
    return null;
  }
  const note = reference.kind === 'list' && !reference.whole ? `${name} is a channel list, but not a whole one ` +
    `(${findingText(reference.finding)}); its channels are read as they are. ` : '';
  if (result.ofTheList || result.unreadable) {
    $('reference-summary').textContent = problemsText(result, show);
    return null;
  }
  const order = [], matched = new Map(), preview = [];
  const lost = (l) => preview.push(['', show(l.text), l.bare ? 'names no channel' : 'no longer in the list']);
  let next = 0;
  for (const number of result.order) {
    while (next < result.lost.length && result.lost[next].after === order.length) lost(result.lost[next++]);
    const id = state.model.order[number - 1], kind = result.kinds[number - 1];
    order.push(id);
    matched.set(id, kind);
    const { name, name2, tv } = list.namesOf(state.model, id);
    preview.push([order.length, `${show(name)}${sameBytes(name, name2) ? '' : ` / ${show(name2)}`} (${tv ? 'TV' : 'radio'})`,
      ['new', 'matched', 'matched loosely'][kind]]);
  }
  result.lost.slice(next).forEach(lost);
  const c = result.counts;
  const summary = `${c.exact} matched exactly, ${c.loosely} loosely, ${c.unmatched} not at all; ` +
    `${c.lost} reference lines found nothing` + (result.problemCount ? `; ${result.problemCount} reference lines could not be read` : '');
  // Nothing to carry over: no Apply.
  if (c.exact + c.loosely === 0) {
    $('reference-summary').textContent = `${note}No channel of the list is in ${name}: ${summary}.`;
    return null;
  }
  $('reference-summary').textContent = note + summary;
  const table = $('reference-preview');
  table.replaceChildren(...preview.slice(0, 500).map((cells) => {
    const tr = document.createElement('tr');
    tr.className = cells[2].replace(/ /g, '-');
    for (const text of cells) tr.appendChild(document.createElement('td')).textContent = text;
    return tr;
  }));
  if (preview.length > 500) table.appendChild(document.createElement('tr')).textContent = `and ${preview.length - 500} more`;
  return { order, matched, summary };
}

function globalKey(event) {
  const ctrl = event.ctrlKey || event.metaKey, key = event.key.toLowerCase();
  const typing = event.target.matches('input, textarea') || document.querySelector('dialog[open]');
  const dialog = document.querySelector('dialog[open]');
  // The browser's own Save and Open are never what is meant here; in a
  // dialog, they wait for it.
  if (ctrl && (key === 's' || key === 'o')) {
    event.preventDefault();
    if (dialog) return;
    if (key === 'o') openClicked();
    else if (state.model) save(event.shiftKey);
  } else if (ctrl && key === 'f' && !dialog) {
    event.preventDefault();
    $('search').focus();
    $('search').select();
  } else if (typing || !state.model) {
    return;
  } else if (ctrl && (key === 'y' || (key === 'z' && event.shiftKey))) {
    event.preventDefault();
    act(() => list.redo(state.model));
  } else if (ctrl && key === 'z') {
    event.preventDefault();
    act(() => list.undo(state.model));
  }
}

async function openClicked() {
  if (!canSaveInPlace) return $('open-file').click();
  const file = await pickFile('Channel lists');
  if (file) openFile(file, file.handle ?? null);
}

async function start() {
  state.core = await loadInlineCore();
  const on = (id, f) => $(id).addEventListener('click', f);
  // On a phone the buttons stand in a row that scrolls sideways: one the
  // row half hides comes whole into view with the focus (after the
  // browser's own scroll to it). Also on Tab's keyup: Firefox fires no
  // focus events in a window that does not have the focus itself.
  const reveal = (event) => requestAnimationFrame(() =>
    event.target.scrollIntoView({ block: 'nearest', inline: 'nearest' }));
  const actions = document.querySelector('.actions');
  actions.addEventListener('focusin', reveal);
  actions.addEventListener('keyup', (event) => event.key === 'Tab' && reveal(event));
  on('open', openClicked);
  on('notice-dismiss', () => {
    $('notice').hidden = true;
    $('channels').hidden ? $('open').focus() : $('channels').focus();
  });
  $('open-file').addEventListener('change', (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (file) openFile(file, null);
  });
  on('save', () => save(false));
  on('save-as', () => save(true));
  on('export', exportListing);
  on('reference', applyReference);
  on('undo', () => act(() => list.undo(state.model)));
  on('redo', () => act(() => list.redo(state.model)));
  on('move-up', moveUp);
  on('move-down', moveDown);
  on('move-top', moveTop);
  on('move-bottom', moveBottom);
  on('move-to', moveToPosition);
  on('delete', deleteSelected);
  on('rename', () => {
    const target = selection.renameTarget(state.sel);
    if (editable() && target !== null) renameChannel(target);
  });
  // One language sorts alike in every engine: the collator is given the
  // page's, never the engine's default (WebKit's under a C locale puts
  // capitals first).
  on('sort', () => act(() => list.sortByName(state.model, document.documentElement.lang),
    'The list is already in order by name.'));
  $('reference-choose').addEventListener('click', () => $('reference-file').click());
  $('search').addEventListener('input', (event) => {
    state.filter = event.target.value.trim();
    if (state.model) refreshView();
  });
  document.addEventListener('keydown', globalKey);
  document.addEventListener('dragover', (event) => {
    if (event.dataTransfer?.types.includes('Files')) event.preventDefault();
  });
  document.addEventListener('drop', async (event) => {
    const dropped = droppedFiles(event);
    if (dropped.length === 0) return;
    event.preventDefault();
    const dialog = document.querySelector('dialog[open]');
    // On Apply a reference, a file dropped is the reference; on any other
    // dialog, it would replace the list the dialog answers for.
    if (dialog?.id === 'reference-dialog') return state.takeReference?.(dropped[0].file);
    if (dialog) {
      dialog.querySelector('.why').textContent = 'Close this dialog first to open another file.';
      return;
    }
    const handle = await dropped[0].handle?.catch(() => null);
    const more = dropped.length > 1 ?
      `${dropped.length} files were dropped; only ${dropped[0].file.name} is opened: open one list at a time.` : '';
    openFile(dropped[0].file, handle?.kind === 'file' ? handle : null, more);
  });
  window.addEventListener('beforeunload', (event) => {
    if (state.model && list.isDirty(state.model)) event.preventDefault();
  });
  updateButtons();
  document.body.classList.add('ready');
}

start().catch((error) => notice(`The page could not start: ${error.message}`, 'error'));
