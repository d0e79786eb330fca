// What the page says of the core's codes: a list file's findings and the
// problems of a reference, of a name, or of the list for a listing, each
// from its code and the numbers and quotes the code carries. show(bytes)
// makes a quoted name or line into text, in the list's encoding.
const hex = (n) => n.toString(16).padStart(8, '0');
const plural = (n, one, many) => `${n} ${n === 1 ? one : many}`;

const findings = {
  whole: ([count]) => `OK, ${plural(count, 'channel', 'channels')}`,
  shorterThanHeader: ([size]) => `shorter than its header: ${plural(size, 'byte', 'bytes')}`,
  shorterThanCount: ([count, needed, size]) =>
    `the count says ${plural(count, 'channel', 'channels')}, ${needed} bytes with the trailer, but the file holds ` +
    plural(size, 'byte', 'bytes'),
  trailerMissing: () => 'the checksum trailer is missing',
  trailerCutShort: ([bytes]) => `the checksum trailer is cut short: ${bytes} of 4 bytes`,
  countTooSmall: ([count, held]) =>
    `the count says ${plural(count, 'channel', 'channels')}, but the file holds ${held} and a checksum of them all`,
  checksumWrong: ([stored, computed]) => `the checksum is ${hex(stored)}, but the contents sum to ${hex(computed)}`,
  bytesAfterTrailer: ([bytes]) => `${plural(bytes, 'byte', 'bytes')} after the trailer`,
  misnumbered: ([channel, number, number2, position]) =>
    `channel ${channel} is numbered ${number} and ${number2}, not ${position} (harmless: a save numbers every ` +
    'channel with its position)',
};

export function findingText(finding) {
  return findings[finding.code](finding.values);
}

const problems = {
  notAChannelLine: () => 'a line that is no channel line (NUMBER:NAME:NAME2:TYPE, or NUMBER alone)',
  noSuchChannel: (p, show) => `there is no channel ${show(p.text)}: the list has ${p.a}`,
  noChannelZero: () => 'there is no channel 0',
  onLineToo: (p, show) => `channel ${show(p.text)} is on line ${p.a} too`,
  typeNotTvOrRadio: (p, show) => `the type must be TV or RADIO, not "${show(p.text)}"`,
  nameLength: (p) => `${p.a ? `the new name of channel ${p.a}` : 'the name'} must be 1 to 31 bytes, not ${p.b}`,
  nameControl: (p) => `${p.a ? `the new name of channel ${p.a}` : 'the name'} holds a control character`,
  namesTooLong: () => 'NAME and NAME2 must be at most 32 bytes each',
  linesEndInCr: () => 'its lines end in a CR alone: save it with line feeds (LF or CR LF)',
  utf16: () => 'it is UTF-16 text: save it as UTF-8',
  utf32: () => 'it is UTF-32 text: save it as UTF-8',
  tooManyChannels: (p) => `${p.a} channels, but a listing can number no more than 65535`,
  lineFeedInName: (p) => `channel ${p.a} has a line feed in its name, which would split its line: rename it first`,
};

export function problemText(problem, show) {
  const say = problems[problem.code];
  return say ? say(problem, show) : problem.code;
}

// The problems as one sentence, the line of each where it has one.
export function problemsText(result, show) {
  const each = result.problems.map((p) => (p.line ? `line ${p.line}: ` : '') + problemText(p, show));
  if (result.problemCount > result.problems.length) each.push(`${result.problemCount - result.problems.length} more`);
  return each.join('; ');
}

// Why a new name is refused, as a sentence of its own.
const newName = {
  nameLength: (p) => `The new name must be 1 to 31 bytes, not ${p.b}.`,
  nameControl: () => 'The new name holds a control character.',
};

export function newNameText(problem) {
  return newName[problem.code]?.(problem) ?? `${problemText(problem)}.`;
}
