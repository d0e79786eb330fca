// What the page says of the core's codes: a list file's findings and the
// problems of a reference, of a name, or of the list for a listing, each
// from its code and the numbers and quotes the code carries, in the page's
// language. show(bytes) makes a quoted name or line into text, in the
// list's encoding.
import { msg, t } from './i18n.js';
import { MOST_LISTED } from './state.js';

const hex = (n) => n.toString(16).padStart(8, '0');
const channels = (n) => msg('channelCount', { n }), bytes = (n) => msg('byteCount', { n });

const findings = {
  whole: ([n]) => ({ n }),
  shorterThanHeader: ([n]) => ({ n }),
  shorterThanCount: ([count, needed, size]) => ({ channels: channels(count), needed: bytes(needed), size: bytes(size) }),
  trailerMissing: () => ({}),
  trailerCutShort: ([n]) => ({ n }),
  countTooSmall: ([count, held]) => ({ channels: channels(count), held }),
  checksumWrong: ([stored, computed]) => ({ stored: hex(stored), computed: hex(computed) }),
  bytesAfterTrailer: ([n]) => ({ n }),
  misnumbered: ([channel, number, number2, position]) =>
    ({ channel: String(channel), number: String(number), number2: String(number2), position: String(position) }),
};

export const findingText = (finding) => t(`finding.${finding.code}`, findings[finding.code](finding.values));

// A problem's values: a's and b's meaning depends on its code.
const problems = {
  noSuchChannel: (p, show) => ({ text: show(p.text), n: p.a }),
  onLineToo: (p, show) => ({ text: show(p.text), line: String(p.a) }),
  typeNotTvOrRadio: (p, show) => ({ text: show(p.text) }),
  nameLength: (p) => ({ channel: String(p.a), n: p.b }),
  nameControl: (p) => ({ channel: String(p.a) }),
  tooManyChannels: (p) => ({ n: p.a, most: MOST_LISTED }),
  lineFeedInName: (p) => ({ channel: String(p.a) }),
};
// Of a channel's new name (a: the channel), or of a name alone.
const NEW_NAME = { nameLength: 'problem.newNameLength', nameControl: 'problem.newNameControl' };

export function problemText(problem, show) {
  const values = problems[problem.code]?.(problem, show) ?? {};
  const key = problem.a && NEW_NAME[problem.code] ? NEW_NAME[problem.code] : `problem.${problem.code}`;
  return t(key, values);
}

// The problems as one sentence, the line of each where it has one.
export function problemsText(result, show) {
  const each = result.problems.map((p) =>
    (p.line ? t('atLine', { line: String(p.line), problem: problemText(p, show) }) : problemText(p, show)));
  if (result.problemCount > result.problems.length)
    each.push(t('moreProblems', { n: result.problemCount - result.problems.length }));
  return each.join(t('problemsJoin'));
}

// Why a new name is refused, as a sentence of its own.
const NEW_NAME_ALONE = { nameLength: 'newNameLength', nameControl: 'newNameControl' };

export function newNameText(problem) {
  const key = NEW_NAME_ALONE[problem.code];
  return key ? t(key, { n: problem.b }) : `${problemText(problem)}.`;
}
