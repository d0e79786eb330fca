// Opening a list and saving it: through the File System Access API where
// the browser has it, so that Save writes back to the file opened; else a
// file input and a download under the opened file's name. browser-fs-access
// is that fallback, made for exactly this. Nothing leaves the machine.
import { fileOpen, fileSave, supported } from 'browser-fs-access';

export const canSaveInPlace = supported;

// A File, with its handle where there is one; null when the user cancels.
export async function pickFile(description) {
  try {
    return await fileOpen({ description, id: 'tunvex-lists' });
  } catch (error) {
    if (error.name === 'AbortError') return null;
    throw error;
  }
}

// Saves back through the handle; without one, downloads under the name.
// Save as always asks (where the browser cannot, it downloads). Once
// written, { handle }: the file written, or null for a download; null when
// the user cancelled.
export async function saveBytes(bytes, name, handle, ask) {
  const blob = new Blob([bytes], { type: 'application/octet-stream' });
  // Without the File System Access API, Save as cannot ask either: it is a
  // download, as Save is, and as done once handed to the browser.
  if (!supported || (!ask && !handle)) {
    download(blob, name);
    return { handle: null };
  }
  try {
    const written = await fileSave(blob, { fileName: name, id: 'tunvex-lists' }, ask ? null : handle);
    return written ? { handle: written } : null;
  } catch (error) {
    if (error.name === 'AbortError') return null;
    throw error;
  }
}

export function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// The files dropped on the page, each with its handle where the browser
// gives one: Chromium gives it only while the drop event is being handled.
export function droppedFiles(event) {
  return [...(event.dataTransfer?.items ?? [])].filter((i) => i.kind === 'file').map((item) => {
    const handle = item.getAsFileSystemHandle?.() ?? null;
    return { file: item.getAsFile(), handle };
  });
}

// Whether the file behind a handle is no longer what was opened (or last
// saved): its size, its time or its bytes. Another tab, or the command
// line, may have saved it meanwhile.
export async function changedSince(handle, bytes, lastModified) {
  const file = await handle.getFile();
  if (file.size !== bytes.length || file.lastModified !== lastModified) return true;
  const now = new Uint8Array(await file.arrayBuffer());
  return now.some((b, i) => b !== bytes[i]);
}
