// Channel names are bytes. How a list writes them is judged from all of
// its names: a UTF-8 list shows them as UTF-8, a Latin-1 list byte for byte
// as Latin-1, as its receiver shows them. One name that is not UTF-8 does
// not make a UTF-8 list Latin-1: tunvex -r cuts a long name at 31 bytes,
// which may cut its last character in two. In a UTF-8 list such a name
// shows its bytes that are no character plainly, as \xNN. A new name is
// written in the list's encoding, so that editing one letter of a name
// changes no other.
const utf8 = new TextDecoder('utf-8', { fatal: true });

export function isUtf8(bytes) {
  try {
    utf8.decode(bytes);
    return true;
  } catch {
    return false;
  }
}

// The length of the UTF-8 character that starts with this byte, or 0.
const sequenceLength = (b) => (b < 0x80 ? 1 : b >= 0xc2 && b < 0xe0 ? 2 : b >= 0xe0 && b < 0xf0 ? 3 : b >= 0xf0 && b < 0xf5 ? 4 : 0);

// tunvex -r keeps 31 bytes of a new name.
const CUT = 31;

// Valid UTF-8 but for a character cut short at its very end, where tunvex
// -r cuts.
function cutAtTheEnd(bytes) {
  if (bytes.length !== CUT) return false;
  for (let back = 1; back <= 3 && back <= bytes.length; back++) {
    const lead = bytes.length - back, length = sequenceLength(bytes[lead]);
    if (length > 1)
      return length > back && bytes.subarray(lead + 1).every((b) => (b & 0xc0) === 0x80) && isUtf8(bytes.subarray(0, lead));
    if ((bytes[lead] & 0xc0) !== 0x80) return false;
  }
  return false;
}

const ascii = (bytes) => bytes.every((b) => b < 0x80);

// Whether names (an iterable of byte arrays) are Latin-1: as many of them
// are not UTF-8 (but for a cut last character) as are UTF-8 beyond ASCII,
// or more. A few Latin-1 names read as UTF-8 too (Ã© is é).
export function judgedLatin1(names) {
  let asUtf8 = 0, asLatin1 = 0;
  for (const bytes of names) {
    if (ascii(bytes)) continue;
    if (isUtf8(bytes)) asUtf8++;
    else if (!cutAtTheEnd(bytes)) asLatin1++;
  }
  return asLatin1 > 0 && asLatin1 >= asUtf8;
}

const latin1Text = (bytes) => String.fromCharCode(...bytes);
const plain = (bytes) => Array.from(bytes, (b) => `\\x${b.toString(16).toUpperCase().padStart(2, '0')}`).join('');

// The name as UTF-8, its bytes that are no character as \xNN.
function utf8Text(bytes) {
  try {
    return utf8.decode(bytes);
  } catch {
    let text = '';
    for (let at = 0; at < bytes.length;) {
      const length = sequenceLength(bytes[at]);
      const piece = bytes.subarray(at, at + Math.max(length, 1));
      if (length > 0 && piece.length === length && isUtf8(piece)) text += utf8.decode(piece);
      else text += plain(bytes.subarray(at, at + 1));
      at += length > 0 && piece.length === length && isUtf8(piece) ? length : 1;
    }
    return text;
  }
}

// latin1: the list is a Latin-1 list.
export function showName(bytes, latin1) {
  return latin1 ? latin1Text(bytes) : utf8Text(bytes);
}

// The bytes of a new name, or null when the list's encoding cannot hold it.
export function nameBytes(text, useLatin1) {
  if (!useLatin1) return new TextEncoder().encode(text);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) {
    const code = text.charCodeAt(i);
    if (code > 0xff) return null;
    bytes[i] = code;
  }
  return bytes;
}

// A name or a search as a search compares them: in lower case as the
// page's language has it (Turkish "IŞIK" is "ışık", "İ" is "i"), and with
// the letters people type for one another as one: ı and i (a Turkish
// "DISCOVERY" is found by "discovery"), ß and ss, ё and е. The dot other
// languages keep on a lower-case "İ" goes.
const ALIKE = { ı: 'i', ß: 'ss', ё: 'е', 'i\u0307': 'i' };
export const folded = (text, locale) => text.toLocaleLowerCase(locale).replace(/i\u0307|[ıßё]/g, (c) => ALIKE[c]);
