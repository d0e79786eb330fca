// Apply a reference: a listing made before a rescan, or the older list file
// itself. Its --match proposal is shown, and applied as one change.
import { act, askAbout } from './changes.js';
import { msg, t } from './i18n.js';
import * as list from './model.js';
import { currentList, show } from './saving.js';
import { $, MOST_LISTED, editable, state } from './state.js';
import { findingText, problemText, problemsText } from './words.js';

// How each channel matched, as said and as its row is classed.
const KINDS = ['markNew', 'markMatched', 'markLoosely'];
const KIND_CLASSES = ['new', 'matched', 'matched-loosely'];
const SHOWN = 500;

export async function applyReference() {
  if (!editable()) return;
  const input = $('reference-file');
  input.value = '';
  $('reference-summary').textContent = t('chooseReference');
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
    act(() => list.reorder(state.model, confirmed.order, msg('referenceApplied', { summary: confirmed.summary }),
      confirmed.matched), 'referenceKeepsOrder');
  }
  $('channels').focus();
}

// The first line that could not be read says why.
// A message, said in the language of the moment (also when undone).
const summaryOf = (result) => {
  const c = result.counts, first = result.problems[0];
  const summary = msg('matchSummary', { exact: c.exact, loosely: c.loosely, unmatched: c.unmatched,
    lost: msg('referenceLines', { n: c.lost }) });
  if (!result.problemCount) return summary;
  return msg('matchUnread', { summary, unread: msg('referenceLines', { n: result.problemCount }),
    line: String(first.line), why: () => problemText(first, show) });
};

// The proposal's rows: each channel in its new place, and the reference's
// lines that found nothing where they stood.
function previewOf(result, order, matched) {
  const preview = [];
  const lost = (l) => preview.push(l.bare ? ['', show(l.text), t('namesNoChannel'), 'names-no-channel'] :
    ['', show(l.text), t('noLongerInList'), 'no-longer-in-the-list']);
  let next = 0;
  for (const number of result.order) {
    while (next < result.lost.length && result.lost[next].after === order.length) lost(result.lost[next++]);
    const id = state.model.order[number - 1], kind = result.kinds[number - 1];
    order.push(id);
    matched.set(id, kind);
    const { name, name2, tv } = list.namesOf(state.model, id);
    const second = name.length === name2.length && name.every((b, i) => b === name2[i]) ? '' : ` / ${show(name2)}`;
    preview.push([String(order.length), t('channelOfType', { name: `${show(name)}${second}`, type: t(tv ? 'tv' : 'radio') }),
      t(KINDS[kind]), KIND_CLASSES[kind]]);
  }
  result.lost.slice(next).forEach(lost);
  return preview;
}

function showPreview(preview) {
  const table = $('reference-preview');
  table.replaceChildren(...preview.slice(0, SHOWN).map(([number, channel, match, kind]) => {
    const tr = document.createElement('tr');
    tr.className = kind;
    for (const text of [number, channel, match]) tr.appendChild(document.createElement('td')).textContent = text;
    return tr;
  }));
  if (preview.length > SHOWN) table.appendChild(document.createElement('tr')).textContent = t('moreRows', { n: preview.length - SHOWN });
}

// A list file is taken as the list it holds, whole or not (and then said
// so); anything else as a listing.
async function proposeFrom(name, bytes) {
  // What an earlier choice showed goes at once.
  $('reference-preview').replaceChildren();
  const now = currentList();
  if (!now) return null;
  const result = state.core.match(now, bytes), reference = result.reference;
  const say = (text) => ($('reference-summary').textContent = text);
  if (reference.kind === 'tooMany') {
    say(t('referenceTooMany', { file: name, n: reference.count, most: MOST_LISTED }));
    return null;
  }
  if (reference.kind === 'cutShort') {
    say(t('referenceUnreadable', { file: name, why: findingText(reference.finding) }));
    return null;
  }
  if (result.ofTheList) {
    say(problemsText(result, show));
    return null;
  }
  if (result.unreadable) {
    say(t('referenceNotReadable', { file: name, why: problemsText(result, show) }));
    return null;
  }
  const note = reference.kind === 'list' && !reference.whole ?
    `${t('referencePartial', { file: name, why: findingText(reference.finding) })} ` : '';
  const order = [], matched = new Map(), preview = previewOf(result, order, matched), summary = summaryOf(result);
  // Nothing to carry over: no Apply.
  if (result.counts.exact + result.counts.loosely === 0) {
    say(note + t('noneInReference', { file: name, summary }));
    return null;
  }
  say(note + t(summary.key, summary.values));
  showPreview(preview);
  return { order, matched, summary };
}
