// Channel names are bytes. They are shown as UTF-8 where they are valid
// UTF-8, else byte for byte as Latin-1; a new name is written in the
// encoding the list's names use: Latin-1 when any of them is not UTF-8.
const utf8 = new TextDecoder('utf-8', { fatal: true });

export function isUtf8(bytes) {
  try {
    utf8.decode(bytes);
    return true;
  } catch {
    return false;
  }
}

export function showName(bytes) {
  try {
    return utf8.decode(bytes);
  } catch {
    // TextDecoder's "latin1" is windows-1252; byte for byte is wanted.
    let text = '';
    for (const b of bytes) text += String.fromCharCode(b);
    return text;
  }
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

