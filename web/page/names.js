// Channel names are bytes. A list whose names are all valid UTF-8 is shown
// as UTF-8; one with a name that is not is a Latin-1 list, and all its
// names are shown byte for byte as Latin-1, as its receiver shows them. A
// new name is written in the list's encoding, so that editing one letter
// of a name changes no other.
const utf8 = new TextDecoder('utf-8', { fatal: true });

export function isUtf8(bytes) {
  try {
    utf8.decode(bytes);
    return true;
  } catch {
    return false;
  }
}

// latin1: the list is a Latin-1 list; until that is known (null), a name
// that is not UTF-8 is shown as Latin-1 alone.
export function showName(bytes, latin1) {
  if (!latin1) {
    try {
      return utf8.decode(bytes);
    } catch {
      // Not UTF-8: Latin-1 below.
    }
  }
  // TextDecoder's "latin1" is windows-1252; byte for byte is wanted.
  let text = '';
  for (const b of bytes) text += String.fromCharCode(b);
  return text;
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

