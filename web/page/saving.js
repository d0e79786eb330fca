// Saving the list, as the core writes it, and exporting it as a listing.
import { changedSince, download, saveBytes } from './files.js';
import { t } from './i18n.js';
import * as list from './model.js';
import { announce, notice } from './say.js';
import { $, editable, state } from './state.js';
import { problemsText } from './words.js';

// A name or a line the core quotes, in the list's encoding.
export const show = (bytes) => list.shown(bytes, state.model?.useLatin1 ?? null);

// The list as it is now: the list opened with the changes made, as the core
// saves it. Null, with the reason shown, where it refuses them.
export function currentList() {
  const result = state.core.edit(state.opened.bytes, { order: state.model.order, names: state.model.names });
  if (result.applied) return result.saved;
  notice(() => t('notApplied', { why: problemsText(result, show) }), 'error');
  return null;
}

// Written back through its handle, the file must still be the one opened
// (or last saved): another tab, or the command line, may have saved it
// since, and that would be lost without a word.
async function overwriteAllowed(opened) {
  if (!opened.handle || !(await changedSince(opened.handle, opened.onDisk.bytes, opened.onDisk.lastModified)))
    return true;
  return confirm(t('changedElsewhere', { file: opened.name }));
}

// ask: Save as, which asks where.
export async function save(ask) {
  if (!editable()) return;
  performance.mark('save-start');
  // What is written is the list as it is now; a change made while the
  // browser writes it is not, and stays unsaved.
  const written = list.stateOf(state.model), opened = state.opened;
  const bytes = currentList();
  if (!bytes) return;
  let saved;
  try {
    if (!ask && !(await overwriteAllowed(opened))) return announce(() => t('notSavedChanged'));
    saved = await saveBytes(bytes, opened.name, opened.handle, ask);
    if (saved?.handle) opened.onDisk = { bytes, lastModified: (await saved.handle.getFile()).lastModified };
  } catch (error) {
    announce('');
    return notice(() => t('notSaved', { error: error.message }), 'error');
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
  const n = written.order.length, file = opened.name;
  if (saved.handle) return announce(() => t('savedIn', { n, file }));
  // A download lands where the browser puts it, perhaps under a name with
  // a number added; what goes back on the stick must have the name the
  // receiver exported. The note is an alert: read out, not announced too.
  announce('');
  notice(() => `${t('downloaded', { n, file })} ${stickNote(file)}`);
}

// A name a browser gave a download of a file of that name: "a(1).dat",
// "a (2).dat".
const NUMBERED = /^(.+?) ?\(\d+\)(\.[^.]*)?$/;

function stickNote(file) {
  const number = NUMBERED.exec(file);
  if (number) return t('nameOnStickNumbered', { opened: file, file: number[1] + (number[2] ?? '') });
  return t('nameOnStick', { file, example: file.replace(/(\.[^.]*)?$/, (ext) => `(1)${ext}`) });
}

export function exportListing() {
  if (!editable()) return;
  const now = currentList();
  if (!now) return;
  const listing = state.core.listing(now, { withState: true });
  if (!listing.listed) return notice(() => t('cannotExport', { why: problemsText(listing, show) }), 'error');
  const opened = state.opened.name;
  const stem = opened.replace(/\.[^.]*$/, '') || opened.replace(/^\.+/, '') || 'channels';
  // Never the list's own name: where the browser asks, the listing would
  // take the list's place.
  const name = `${stem}.txt` === opened ? `${stem}-listing.txt` : `${stem}.txt`;
  download(new Blob([listing.text], { type: 'text/plain' }), name);
  // Its first line names the list with the changes made here, which the
  // file is not until it is saved.
  const key = list.isDirty(state.model) ? 'exportedUnsaved' : 'exported';
  announce(() => t(key, { file: name }));
}
