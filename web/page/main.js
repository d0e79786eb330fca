// The page: a channel list opened from the user's disk, reorganised, and
// saved back, by the core the command line runs. Nothing is sent anywhere.
import './style.css';
import * as changes from './changes.js';
import { loadInlineCore } from './core-loader.js';
import { droppedFiles } from './files.js';
import { t } from './i18n.js';
import { mountLanguage } from './language.js';
import { BUNDLED_LICENCES } from './licences.js';
import { isDirty } from './model.js';
import { openClicked, openFile } from './opening.js';
import { mountPrinting } from './printing.js';
import { applyReference } from './reference.js';
import { mountList, render } from './render.js';
import { save, exportListing } from './saving.js';
import { announce, notice, sayAgain } from './say.js';
import * as selection from './selection.js';
import { $, editable, state } from './state.js';
import { mountToolbar } from './toolbar.js';

// The keys of the whole page. The browser's own Save and Open are never
// what is meant here; in a dialog, they wait for it.
function globalKey(event) {
  const ctrl = event.ctrlKey || event.metaKey, key = event.key.toLowerCase();
  const dialog = document.querySelector('dialog[open]');
  const typing = event.target.matches('input, textarea') || dialog;
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
    changes.redo();
  } else if (ctrl && key === 'z') {
    event.preventDefault();
    changes.undo();
  }
}

// A file dropped on the page opens; on Apply a reference it is the
// reference; on any other dialog, it would replace the list the dialog
// answers for.
async function dropped(event) {
  const files = droppedFiles(event);
  if (files.length === 0) return;
  event.preventDefault();
  const dialog = document.querySelector('dialog[open]');
  if (dialog?.id === 'reference-dialog') return state.takeReference?.(files[0].file);
  if (dialog) {
    dialog.querySelector('.why').textContent = t('closeDialogFirst');
    return;
  }
  const handle = await files[0].handle?.catch(() => null);
  const more = files.length > 1 && (() => t('manyDropped', { n: files.length, file: files[0].file.name }));
  openFile(files[0].file, handle?.kind === 'file' ? handle : null, more);
}

function wireButtons() {
  const on = (id, f) => $(id).addEventListener('click', f);
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
  on('undo', changes.undo);
  on('redo', changes.redo);
  for (const where of ['up', 'down', 'top', 'bottom']) on(`move-${where}`, () => changes.move(where));
  on('move-to', changes.moveToPosition);
  on('delete', changes.deleteSelected);
  on('rename', () => {
    const target = selection.renameTarget(state.sel);
    if (target !== null) changes.renameChannel(target);
  });
  on('sort', changes.sortByName);
  on('reference-choose', () => $('reference-file').click());
}

async function start() {
  // Shown whether or not the core starts.
  $('licences').textContent = BUNDLED_LICENCES;
  mountLanguage(() => {
    render();
    sayAgain();
  });
  state.core = await loadInlineCore();
  mountList({
    editable,
    move: changes.move,
    remove: changes.deleteSelected,
    rename: changes.renameChannel,
    selectedAll: (n) => announce(() => t('selectedAll', { n })),
    canDrag: () => {
      if (!editable()) return false;
      if (!state.filter) return true;
      announce(() => t('clearSearchToDrag'));
      return false;
    },
    drop: changes.drop,
    dropOutside: () => announce(() => t('droppedOutside')),
    dragCancelled: () => announce(() => t('dragCancelled')),
    cannotEdit: () => state.readOnly && announce(() => t('cannotChange')),
  });
  mountToolbar($('toolbar'));
  wireButtons();
  mountPrinting();
  $('search').addEventListener('input', (event) => {
    state.filter = event.target.value.trim();
    render();
  });
  document.addEventListener('keydown', globalKey);
  document.addEventListener('dragover', (event) => {
    if (event.dataTransfer?.types.includes('Files')) event.preventDefault();
  });
  document.addEventListener('drop', dropped);
  window.addEventListener('beforeunload', (event) => {
    if (state.model && isDirty(state.model)) event.preventDefault();
  });
  render();
  document.body.classList.add('ready');
}

start().catch((error) => notice(() => t('cannotStart', { error: error.message }), 'error'));
