// The core, built into this page as base64 so that the page is one file
// that works from disk (file:// allows no fetch of a .wasm beside it).
import coreBase64 from 'virtual:tunvex-core';
import { loadCore } from '../core.js';

export function loadInlineCore() {
  const text = atob(coreBase64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  return loadCore(bytes);
}
