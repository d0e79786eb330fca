// Opening a list: read, looked at by the core, shown at once; judged (its
// checksum, its names' encoding, the names it holds twice) once the first
// rows show.
import { markDuplicates } from './changes.js';
import { pickFile, canSaveInPlace } from './files.js';
import * as list from './model.js';
import { render } from './render.js';
import { addNotice, announce, notice, plural } from './say.js';
import * as selection from './selection.js';
import { $, state } from './state.js';
import { findingText } from './words.js';

// The most channels a listing can number: a list of more can be shown,
// but no change to it could be saved.
const MOST_LISTED = 65535;

// Text has no zero byte; a channel list has many, past a header of a few
// bytes that a file shorter than it lacks.
const looksLikeText = (bytes, finding) => finding.code !== 'shorterThanHeader' && !bytes.subarray(0, 65536).includes(0);

// The file's verdict in plain words; false when it cannot be opened.
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
    addNotice(`Saving keeps the ${plural(count, 'channel', 'channels')} its count names and leaves out the ` +
      `${plural(held - count, 'channel', 'channels')} after them.`, 'warning');
  }
  return true;
}

// What is said of a list once its first rows show. note: said with it.
function judge(name, opened, bytes, note) {
  explain(name, { ...opened, ...state.core.check(bytes) }, bytes);
  if (note) addNotice(note, 'warning');
  // Its encoding, read from all its names, can change how a name shows.
  state.model.useLatin1 ??= list.usesLatin1(state.model);
  if (state.readOnly)
    addNotice(`${name} has ${opened.count} channels, more than the ${MOST_LISTED} a listing can number: it can be ` +
      'looked at here, but no change to it could be saved, so none can be made.', 'warning');
  state.judged = true;
  markDuplicates();
  render();
}

// note: said with what is said of the file.
export async function openFile(file, handle, note = '') {
  if (state.model && list.isDirty(state.model) && !confirm('The list has changes that are not saved. Open another?')) return;
  // A dialog open on the list that is replaced would answer for the new
  // one: it is closed, as cancelled.
  for (const dialog of document.querySelectorAll('dialog[open]')) dialog.close();
  performance.clearMarks();
  performance.clearMeasures();
  performance.mark('open-start');
  // Each step of opening is measured too, for the benchmark.
  const reading = file.arrayBuffer();
  state.core.reserve(file.size);
  const bytes = new Uint8Array(await reading);
  performance.measure('open-read', 'open-start');
  // Looked at, not loaded: the core loads the list when it is changed.
  const opened = state.core.survey(bytes);
  performance.measure('open-core', 'open-start');
  if (!opened.loaded) return explain(file.name, { ...opened, ...state.core.check(bytes) }, bytes);
  // onDisk: the file as last read or written here, to tell a change made
  // to it elsewhere.
  state.opened = { bytes, name: file.name, handle, onDisk: { bytes, lastModified: file.lastModified } };
  state.model = list.createModel(opened.channels, null);
  state.readOnly = opened.count > MOST_LISTED;
  state.sel = { ...selection.emptySelection(), active: state.model.order[0] ?? null };
  Object.assign(state, { duplicates: new Set(), duplicatesOf: null, judged: false });
  state.filter = $('search').value = '';
  $('file-name').textContent = file.name;
  $('empty').hidden = true;
  $('channels').hidden = document.querySelector('.columns').hidden = false;
  render();
  $('channels').scrollTop = 0;
  requestAnimationFrame(() => {
    performance.measure('open', 'open-start');
    setTimeout(() => state.opened?.bytes === bytes && judge(file.name, opened, bytes, note));
  });
  announce(`${file.name} opened: ${plural(opened.count, 'channel', 'channels')}`);
  $('channels').focus();
}

export async function openClicked() {
  if (!canSaveInPlace) return $('open-file').click();
  const file = await pickFile('Channel lists');
  if (file) openFile(file, file.handle ?? null);
}
