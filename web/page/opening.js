// Opening a list: read, looked at by the core, shown at once; judged (its
// checksum, its names' encoding, the names it holds twice) once the first
// rows show.
import { markDuplicates } from './changes.js';
import { pickFile, canSaveInPlace } from './files.js';
import { msg, t } from './i18n.js';
import * as list from './model.js';
import { render } from './render.js';
import { addNotice, announce, notice } from './say.js';
import * as selection from './selection.js';
import { $, MOST_LISTED, state } from './state.js';
import { findingText } from './words.js';


// Text has no zero byte; a channel list has many, past a header of a few
// bytes that a file shorter than it lacks.
const looksLikeText = (bytes, finding) => finding.code !== 'shorterThanHeader' && !bytes.subarray(0, 65536).includes(0);

// The file's verdict in plain words; false when it cannot be opened.
function explain(file, opened, bytes) {
  const notes = () => opened.remarks.map(findingText).join(t('findingsJoin')), why = () => findingText(opened.finding);
  if (!opened.loaded) {
    const still = state.opened && state.opened.name;
    const text = opened.text || looksLikeText(bytes, opened.finding);
    notice(() => {
      const said = !text ? t('notAList', { file, why: why() }) :
        opened.text ? t('isTextOf', { file, encoding: opened.text }) : t('isText', { file });
      return still ? `${said} ${t('stillOpen', { file: still })}` : said;
    }, 'error');
    return false;
  }
  if (!opened.whole)
    notice(() => t(opened.remarks.length ? 'notWholeNoted' : 'notWhole', { file, why: why(), notes: notes() }), 'warning');
  else notice(opened.remarks.length && (() => t('wholeNoted', { file, notes: notes() })));
  // More records than the count: a save keeps those the count names.
  if (opened.finding.code === 'countTooSmall') {
    const [n, held] = opened.finding.values;
    addNotice(() => t('keepsCounted', { n, left: msg('channelCount', { n: held - n }) }), 'warning');
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
    addNotice(() => t('tooManyToChange', { file: name, n: opened.count, most: MOST_LISTED }), 'warning');
  state.judged = true;
  markDuplicates();
  render();
}

// note: said with what is said of the file.
export async function openFile(file, handle, note = '') {
  if (state.model && list.isDirty(state.model) && !confirm(t('unsavedOpenAnother'))) return;
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
  announce(() => t('opened', { file: file.name, n: opened.count }));
  $('channels').focus();
}

export async function openClicked() {
  if (!canSaveInPlace) return $('open-file').click();
  const file = await pickFile(t('filePickerLists'));
  if (file) openFile(file, file.handle ?? null);
}
