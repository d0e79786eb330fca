// The page: a channel list opened from the user's disk, reorganised, and
// saved back, by the core the command line runs. Nothing is sent anywhere.
import './style.css';
import { loadInlineCore } from './core-loader.js';
import { ask } from './dialogs.js';
import { canSaveInPlace, download, droppedFile, pickFile, saveBytes } from './files.js';
import { createListbox } from './listbox.js';
import * as list from './model.js';
import { nameBytes } from './names.js';

const $ = (id) => document.getElementById(id);
const state = {
  core: null,
  opened: null, // { bytes, name, handle }
  model: null,
  view: [], // the ids shown, in order
  selected: new Set(),
  anchor: null,
  active: null,
  filter: '',
  duplicates: new Set(),
  duplicatesOf: null, // the names and the count they were found for
  matched: new Map(), // id -> how a reference matched it: 1 exact, 2 loose, 0 not at all
};
const listbox = createListbox($('channels'), {
  row: fillRow,
  isSelected: (id) => state.selected.has(id),
  click,
  canDrag: () => {
    if (!state.filter) return true;
    announce('Clear the search to drag: the buttons and keys move channels while it filters.');
    return false;
  },
  drop: (gap) => {
    const before = state.view.slice(0, gap).filter((id) => !state.selected.has(id)).length;
    act(() => list.moveTo(state.model, state.selected, before));
  },
  rename: (id) => renameChannel(id),
  key: listKey,
});

function announce(text) {
  $('status').textContent = '';
  // A change of text is what a screen reader reads out.
  requestAnimationFrame(() => ($('status').textContent = text));
}

function notice(text, kind) {
  $('notice').textContent = text;
  $('notice').className = kind ?? '';
  $('notice').hidden = !text;
}

function fillRow(id, row) {
  const { name, name2, tv } = list.namesOf(state.model, id);
  const shownName = list.shown(name), shownName2 = list.shown(name2);
  const match = state.matched.get(id);
  row.setAttribute('aria-selected', state.selected.has(id));
  row.classList.toggle('active', id === state.active);
  row.classList.toggle('duplicate', state.duplicates.has(id));
  row.innerHTML = '';
  const cell = (className, text) => {
    const span = row.appendChild(document.createElement('span'));
    span.className = className;
    span.textContent = text;
    return span;
  };
  cell('handle', '⋮⋮').setAttribute('aria-hidden', 'true');
  cell('number', list.positionOf(state.model, id) + 1);
  cell('name', shownName);
  cell('name2', shownName2 === shownName ? '' : shownName2);
  cell('type', tv ? 'TV' : 'Radio');
  const marks = [];
  if (state.duplicates.has(id)) marks.push('same name');
  if (state.model.names.has(id)) marks.push('renamed');
  if (match !== undefined) marks.push(['new', 'matched', 'matched loosely'][match]);
  cell('marks', marks.join(', '));
}

// What is shown: every channel, or those the search finds (by name, second
// name or number).
function refreshView() {
  const { model } = state;
  const needle = state.filter.toLowerCase();
  state.view = !needle ? model.order : model.order.filter((id, i) => {
    const { name, name2 } = list.namesOf(model, id);
    return String(i + 1) === needle || list.shown(name).toLowerCase().includes(needle) ||
      list.shown(name2).toLowerCase().includes(needle);
  });
  listbox.setView(state.view);
  const tv = model.order.reduce((n, id) => n + (model.channels.tv(id - 1) ? 1 : 0), 0);
  $('counts').textContent = `${model.order.length} channels: ${tv} TV, ${model.order.length - tv} radio` +
    (needle ? `; ${state.view.length} shown` : '') + (state.selected.size ? `; ${state.selected.size} selected` : '') +
    (state.duplicates.size ? `; ${state.duplicates.size} share a name` : '');
  updateButtons();
}

function updateButtons() {
  const open = state.model !== null, some = open && state.selected.size > 0;
  for (const id of ['save', 'save-as', 'export', 'reference', 'sort'])
    $(id).disabled = !open;
  for (const id of ['move-up', 'move-down', 'move-top', 'move-bottom', 'move-to', 'delete']) $(id).disabled = !some;
  $('rename').disabled = !open || state.active === null;
  $('undo').disabled = !open || state.model.undo.length === 0;
  $('redo').disabled = !open || state.model.redo.length === 0;
}

function setActive(id, scroll = true) {
  state.active = id;
  $('channels').setAttribute('aria-activedescendant', id ? `channel-${id}` : '');
  if (scroll) listbox.scrollToIndex(state.view.indexOf(id));
}

function selectRange(from, to, add) {
  const a = state.view.indexOf(from), b = state.view.indexOf(to);
  if (!add) state.selected.clear();
  for (let i = Math.min(a, b); i <= Math.max(a, b); i++) state.selected.add(state.view[i]);
}

function click(id, event) {
  if (event.shiftKey && state.anchor !== null && state.view.includes(state.anchor)) {
    selectRange(state.anchor, id, event.ctrlKey || event.metaKey);
  } else if (event.ctrlKey || event.metaKey) {
    if (!state.selected.delete(id)) state.selected.add(id);
    state.anchor = id;
  } else {
    state.selected = new Set([id]);
    state.anchor = id;
  }
  setActive(id, false);
  $('channels').focus({ preventScroll: true });
  refreshSelection();
}

function refreshSelection() {
  listbox.refresh();
  refreshView();
}

// The keys of a rearrangeable multi-select listbox.
function listKey(event) {
  if (!state.model || state.view.length === 0) return;
  const at = Math.max(0, state.view.indexOf(state.active));
  const page = listbox.rowsInView();
  const targets = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: state.view.length - 1, PageDown: at + page, PageUp: at - page };
  const ctrl = event.ctrlKey || event.metaKey;
  if (event.altKey && ['ArrowUp', 'ArrowDown', 'Home', 'End'].includes(event.key)) {
    event.preventDefault();
    return ({ ArrowUp: moveUp, ArrowDown: moveDown, Home: moveTop, End: moveBottom })[event.key]();
  }
  if (event.key in targets) {
    event.preventDefault();
    const to = state.view[Math.max(0, Math.min(state.view.length - 1, targets[event.key]))];
    if (event.shiftKey) selectRange(state.anchor ?? to, to, ctrl);
    else if (!ctrl) {
      state.selected = new Set([to]);
      state.anchor = to;
    }
    setActive(to);
    return refreshSelection();
  }
  if (event.key === ' ' && state.active !== null) {
    event.preventDefault();
    if (!state.selected.delete(state.active)) state.selected.add(state.active);
    state.anchor = state.active;
    return refreshSelection();
  }
  if (ctrl && event.key.toLowerCase() === 'a') {
    event.preventDefault();
    state.selected = new Set(state.view);
    announce(`${state.selected.size} channels selected`);
    return refreshSelection();
  }
  if (event.key === 'Delete') return deleteSelected();
  if (event.key === 'F2' && state.active !== null) {
    event.preventDefault();
    renameChannel(state.active);
  }
}

// Every change of the list: made, shown and announced. Its time, until the
// rows show it, is measured as "change".
function act(makeChange) {
  performance.mark('change-start');
  const announcement = makeChange();
  if (!announcement) return;
  requestAnimationFrame(() => performance.measure('change', 'change-start'));
  state.selected = new Set([...state.selected].filter((id) => list.positionOf(state.model, id) >= 0));
  if (state.active !== null && list.positionOf(state.model, state.active) < 0) setActive(null);
  markDuplicates();
  refreshView();
  listbox.refresh();
  if (state.active !== null) listbox.scrollToIndex(state.view.indexOf(state.active));
  announce(announcement);
}

// Which names occur more than once changes only with the names or the
// channels there are, not with their order.
function markDuplicates() {
  const { model } = state, key = state.duplicatesOf;
  if (key && key.names === model.names && key.count === model.order.length) return;
  state.duplicatesOf = { names: model.names, count: model.order.length };
  state.duplicates = list.duplicates(model);
}

const moveUp = () => act(() => list.moveBy(state.model, state.selected, -1));
const moveDown = () => act(() => list.moveBy(state.model, state.selected, 1));
const moveTop = () => act(() => list.moveTo(state.model, state.selected, 0));
const moveBottom = () => act(() => list.moveTo(state.model, state.selected, Infinity));

function deleteSelected() {
  if (state.selected.size === 0) return;
  const after = state.view.slice(state.view.indexOf(state.active)).find((id) => !state.selected.has(id));
  act(() => list.remove(state.model, state.selected));
  state.selected = after ? new Set([after]) : new Set();
  state.anchor = after ?? null;
  setActive(after ?? null);
  refreshSelection();
}

async function moveToPosition() {
  const input = $('position');
  input.max = state.model.order.length;
  input.value = list.positionOf(state.model, list.inOrder(state.model, state.selected)[0]) + 1;
  const position = await ask($('move-dialog'), (form, why) => {
    const n = Number(input.value);
    if (Number.isInteger(n) && n >= 1 && n <= state.model.order.length) return n;
    why(`Give a position from 1 to ${state.model.order.length}.`);
  });
  if (position !== null) act(() => list.moveTo(state.model, state.selected, position - 1));
  $('channels').focus();
}

// A new name, by the rules --apply gives one: 1 to 31 bytes as saved, no
// control characters; in the list's encoding.
async function renameChannel(id) {
  state.model.useLatin1 ??= list.usesLatin1(state.model);
  const input = $('new-name');
  input.value = list.shown(list.namesOf(state.model, id).name);
  $('rename-title').textContent = `Rename channel ${list.positionOf(state.model, id) + 1}`;
  const bytes = await ask($('rename-dialog'), (form, why) => {
    const candidate = nameBytes(input.value, state.model.useLatin1);
    if (!candidate) return why('This list writes its names in Latin-1, which cannot hold every character of this name.');
    const problem = state.core.nameProblem(candidate);
    if (problem) return why(`The new name ${problem}.`);
    return candidate;
  });
  $('channels').focus();
  const current = list.namesOf(state.model, id);
  if (!bytes || (sameBytes(bytes, current.name) && sameBytes(bytes, current.name2))) return;
  act(() => list.rename(state.model, id, bytes));
}

const sameBytes = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);

// The list as it is now, made by the core from the list opened: the
// listing of the changes applied as --apply applies it. False, with the
// reason shown, if it was refused.
function applyChanges() {
  state.core.open(state.opened.bytes);
  const result = state.core.apply(list.listingOfChanges(state.model, state.core.stateLine()));
  if (result.applied) return true;
  const decoder = new TextDecoder();
  notice(`The changes could not be applied: ${result.problems.map((p) => decoder.decode(p.what)).join('; ')}`, 'error');
  return false;
}

async function save(ask) {
  performance.mark('save-start');
  if (!applyChanges()) return;
  const bytes = state.core.save();
  try {
    if (!(await saveBytes(bytes, state.opened.name, state.opened.handle, ask))) return;
  } catch (error) {
    return notice(`The list could not be saved: ${error.message}. Nothing was written.`, 'error');
  }
  performance.measure('save', 'save-start');
  state.model.savedAt = state.model.undo.length;
  announce(`Saved ${state.model.order.length} channels as ${state.opened.name}`);
}

function exportListing() {
  if (!applyChanges()) return;
  const name = state.opened.name.replace(/\.[^.]*$/, '') + '.txt';
  download(new Blob([state.core.listing({ withState: true })], { type: 'text/plain' }), name);
  announce(`Listing exported as ${name}`);
}

// The file's verdict in plain words; false when it cannot be opened.
function explain(name, opened) {
  const notes = opened.remarks.join('; ');
  if (!opened.loaded) {
    const still = state.opened ? ` ${state.opened.name} is still open.` : '';
    notice(`${name} cannot be opened: it is not a whole channel list: ${opened.verdict}.${still}`, 'error');
    return false;
  }
  if (!opened.whole)
    notice(`${name} is not a whole channel list: ${opened.verdict}${notes ? ` (${notes})` : ''}. It is opened as ` +
      'tunvex opens it; saving writes a whole list with a fresh checksum.', 'warning');
  else notice(notes && `${name} is a whole channel list. Note: ${notes}.`);
  return true;
}

async function openFile(file, handle) {
  performance.clearMarks();
  performance.clearMeasures();
  performance.mark('open-start');
  if (state.model && list.isDirty(state.model) && !confirm('The list has changes that are not saved. Open another?')) return;
  const bytes = new Uint8Array(await file.arrayBuffer());
  const opened = state.core.open(bytes);
  if (!explain(file.name, opened)) return;
  state.opened = { bytes, name: file.name, handle };
  state.model = list.createModel(state.core.channels(), null);
  state.selected = new Set();
  state.matched = new Map();
  state.duplicates = new Set();
  state.duplicatesOf = null;
  state.filter = $('search').value = '';
  state.anchor = null;
  setActive(state.model.order[0] ?? null, false);
  $('file-name').textContent = file.name;
  $('empty').hidden = true;
  $('channels').hidden = document.querySelector('.columns').hidden = false;
  refreshView();
  $('channels').scrollTop = 0;
  requestAnimationFrame(() => {
    performance.measure('open', 'open-start');
    // Marked once the first rows show.
    setTimeout(() => {
      markDuplicates();
      refreshView();
      listbox.refresh();
    });
  });
  announce(`${file.name} opened: ${opened.count} channels`);
  $('channels').focus();
}

// A reference: a listing made before a rescan, or the older list file
// itself. Its --match proposal is shown, and applied as one change.
async function applyReference() {
  const input = $('reference-file');
  input.value = '';
  $('reference-summary').textContent = 'Choose the listing (.txt) or the list file from before the rescan.';
  $('reference-preview').replaceChildren();
  $('reference-apply').disabled = true;
  let proposal = null;
  input.onchange = async () => {
    proposal = await proposeFrom(new Uint8Array(await input.files[0].arrayBuffer()));
    $('reference-apply').disabled = !proposal;
  };
  const confirmed = await ask($('reference-dialog'), () => proposal ?? undefined);
  if (confirmed) {
    state.matched = confirmed.matched;
    act(() => list.reorder(state.model, confirmed.order, `Reference applied: ${confirmed.summary}`));
  }
  $('channels').focus();
}

async function proposeFrom(bytes) {
  let reference = bytes;
  const asList = state.core.open(bytes);
  if (asList.loaded && asList.whole) reference = state.core.listing();
  if (!applyChanges()) return null;
  const result = state.core.match(reference);
  const decoder = new TextDecoder(), lines = decoder.decode(result.proposal).split('\n');
  if (result.ofTheList) {
    $('reference-summary').textContent = result.problems.map((p) => decoder.decode(p.what)).join('; ');
    return null;
  }
  const order = [], matched = new Map(), preview = [];
  for (const line of lines) {
    const number = Number(/^\d+/.exec(line)?.[0]);
    if (number) {
      const id = state.model.order[number - 1];
      order.push(id);
      matched.set(id, result.kinds[number - 1]);
      preview.push([order.length, line.slice(String(number).length + 1), ['new', 'matched', 'matched loosely'][result.kinds[number - 1]]]);
    } else if (line.startsWith('# no longer in the list: ')) {
      preview.push(['', line.slice(25), 'no longer in the list']);
    }
  }
  const c = result.counts;
  const summary = `${c.exact} matched exactly, ${c.loosely} loosely, ${c.unmatched} not at all; ` +
    `${c.lost} reference lines found nothing` + (result.problemCount ? `; ${result.problemCount} reference lines could not be read` : '');
  $('reference-summary').textContent = summary;
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
  if (ctrl && key === 'f') {
    event.preventDefault();
    $('search').focus();
    $('search').select();
  } else if (ctrl && key === 'o' && !document.querySelector('dialog[open]')) {
    event.preventDefault();
    openClicked();
  } else if (typing || !state.model) {
    return;
  } else if (ctrl && key === 's') {
    event.preventDefault();
    save(event.shiftKey);
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
  on('open', openClicked);
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
  on('rename', () => state.active !== null && renameChannel(state.active));
  on('sort', () => act(() => list.sortByName(state.model)));
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
    const dropped = droppedFile(event);
    if (!dropped) return;
    event.preventDefault();
    const handle = await dropped.handle?.catch(() => null);
    openFile(dropped.file, handle?.kind === 'file' ? handle : null);
  });
  window.addEventListener('beforeunload', (event) => {
    if (state.model && list.isDirty(state.model)) event.preventDefault();
  });
  updateButtons();
  document.body.classList.add('ready');
}

start().catch((error) => notice(`The page could not start: ${error.message}`, 'error'));
