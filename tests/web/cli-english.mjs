// The command line's English for the core's codes (app/english.cpp), so
// that the core's records can be compared with what tunvex prints, byte for
// byte: every number and quote a sentence needs must be in the record.
// Bytes are carried as latin1 strings: one character a byte.
const latin1 = (bytes) => Buffer.from(bytes).toString('latin1');
const hex = (n) => n.toString(16).padStart(8, '0');
const type = (tv) => (tv ? 'TV' : 'RADIO');

const findings = {
  whole: ([n]) => `OK, ${n} channels`,
  shorterThanHeader: ([n]) => `shorter than its header: ${n} bytes`,
  shorterThanCount: ([c, b, s]) => `the count says ${c} channels, ${b} bytes with the trailer, but the file holds ${s} bytes`,
  trailerMissing: () => 'the checksum trailer is missing',
  trailerCutShort: ([n]) => `the checksum trailer is cut short: ${n} of 4 bytes`,
  countTooSmall: ([c, h]) => `the count says ${c} channels, but the file holds ${h} and a checksum of them all`,
  checksumWrong: ([s, c]) => `the checksum is ${hex(s)}, but the contents sum to ${hex(c)}`,
  bytesAfterTrailer: ([n]) => `${n} bytes after the trailer`,
  misnumbered: ([c, a, b, p]) => `channel ${c} is numbered ${a} and ${b}, not ${p}`,
};
export const finding = (f) => findings[f.code](f.values);

const whose = (p) => (p.a ? `the new name of channel ${p.a}` : 'the name');
const problems = {
  notAChannelLine: () => 'expected NUMBER:NAME:NAME2:TYPE, or NUMBER alone',
  noSuchChannel: (p) => `there is no channel ${latin1(p.text)}: the list has ${p.a}`,
  noChannelZero: () => 'there is no channel 0',
  onLineToo: (p) => `channel ${latin1(p.text)} is on line ${p.a} too`,
  typeNotTvOrRadio: (p) => `the type must be TV or RADIO, not "${latin1(p.text)}"`,
  typeNotTheList: (p) => `channel ${p.a} is ${type(!p.b)}, not ${type(p.b)}: is this the listing of another list, or was a number changed?`,
  olderThanTheList: (p) => `channel ${p.a} is now ${latin1(p.text)}:${latin1(p.text2)}, and this listing may be older than ` +
    `the list: to rename it, write ${p.a}:NEWNAME:${type(p.b)}, or make the listing with --listing, which carries the list's state`,
  whichNewName: (p) => `which is the new name of channel ${p.a}? To rename it, write the name twice, NEW:NEW`,
  nameLength: (p) => `${whose(p)} must be 1 to 31 bytes, not ${p.b}`,
  nameControl: (p) => `${whose(p)} holds a control character`,
  namesTooLong: () => 'NAME and NAME2 must be at most 32 bytes each',
  stateDamaged: () => 'the list state line is damaged: make the listing again, or delete this line to apply it unchecked',
  stateChanged: (p) => `the list has changed since this listing was made (then ${p.a} channels, checksum ${hex(p.b)}; ` +
    `now ${p.c}, checksum ${hex(p.d)}): make the listing again, or carry its order over with --match`,
  linesEndInCr: () => 'its lines end in a CR alone: end each with a line feed (LF or CR LF)',
  utf16: () => 'it is UTF-16 text: save it as UTF-8',
  utf32: () => 'it is UTF-32 text: save it as UTF-8',
  noChannelLine: () => 'no channel line: an empty listing would delete every channel',
  tooManyChannels: (p) => `${p.a} channels, but a listing can number no more than 65535; nothing is done`,
  lineFeedInName: (p) => `channel ${p.a} has a line feed in its name, which would split its line: rename it with -r first`,
};

// The problems as tunvex prints them on standard error, as bytes.
export function problemLines(name, { problems: shown, problemCount }) {
  let text = shown.map((p) => `${name}${p.line ? `:${p.line}` : ''}: ${problems[p.code](p)}\n`).join('');
  const more = problemCount - shown.length;
  if (more > 0) text += `${name}: ${more} more problem${more === 1 ? '' : 's'}\n`;
  return Buffer.from(text, 'latin1');
}

// What --apply prints on standard output once it has saved.
export function appliedLines({ renames, counts: c }) {
  const lines = renames.map((r) => `Channel ${r.number} = "${latin1(r.name)}` +
    (latin1(r.name2) === latin1(r.name) ? '' : `" / "${latin1(r.name2)}`) + `" -> "${latin1(r.newName)}"\n`);
  lines.push(`${c.kept} kept, ${c.renumbered} renumbered, ${c.renamed} renamed, ${c.deleted} deleted\n`);
  return Buffer.from(lines.join(''), 'latin1');
}

// What --match says on standard error.
export function matchLines(name, r) {
  const c = r.counts;
  return Buffer.concat([problemLines(name, r), Buffer.from(`${name}: ${c.exact} channels matched exactly, ` +
    `${c.loosely} loosely, ${c.unmatched} not at all; ${c.lost} of its lines found nothing` +
    (c.lostBare ? `, ${c.lostBare} of them a NUMBER alone, which names no channel` : '') + '\n')]);
}
