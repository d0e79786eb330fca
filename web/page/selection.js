// Which channels are selected, as desktop lists keep it: a set of ids, the
// anchor a Shift range starts from, and the active id (the focused row).
// Every function takes the ids shown, in order, and returns a new
// selection; none changes the one it is given.

export function emptySelection() {
  return { selected: new Set(), anchor: null, active: null };
}

export function selectOnly(id) {
  return { selected: new Set(id === null ? [] : [id]), anchor: id, active: id };
}

// From the anchor to id, inclusive, as shown; added to what is selected
// when `add`.
function range(sel, view, id, add) {
  const from = view.indexOf(sel.anchor), to = view.indexOf(id);
  if (from < 0 || to < 0) return { ...selectOnly(id), selected: new Set([...(add ? sel.selected : []), id]) };
  const selected = new Set(add ? sel.selected : []);
  for (let i = Math.min(from, to); i <= Math.max(from, to); i++) selected.add(view[i]);
  return { selected, anchor: sel.anchor, active: id };
}

// A click with the mouse: plain selects one row, toggle (Ctrl, or Cmd on
// macOS) adds or takes away one, shift selects a range from the anchor.
export function click(sel, view, id, { shift = false, toggle = false } = {}) {
  if (shift) return range(sel, view, id, toggle);
  if (!toggle) return selectOnly(id);
  const selected = new Set(sel.selected);
  if (!selected.delete(id)) selected.add(id);
  return { selected, anchor: id, active: id };
}

// The keys that move the focus: alone they select the row reached, with
// Shift a range, with Ctrl (Cmd) they move the focus only.
export function focus(sel, view, id, { shift = false, toggle = false } = {}) {
  if (shift) return range(sel.anchor === null ? { ...sel, anchor: id } : sel, view, id, toggle);
  if (toggle) return { ...sel, active: id };
  return selectOnly(id);
}

// Space: the active row in or out of the selection.
export function toggleActive(sel) {
  if (sel.active === null) return sel;
  return click(sel, [], sel.active, { toggle: true });
}

export function selectAll(sel, view) {
  return { ...sel, selected: new Set(view) };
}

// Only what is shown stays selected: an action never reaches a channel the
// search hides.
export function keepShown(sel, view) {
  const shown = new Set(view);
  if ([...sel.selected].every((id) => shown.has(id))) return sel;
  return { ...sel, selected: new Set([...sel.selected].filter((id) => shown.has(id))) };
}

// After the selected rows were deleted: the row now in the place of the
// active one, or, where that was the last, the row before it.
export function afterDeletion(sel, viewBefore) {
  const at = Math.max(0, viewBefore.indexOf(sel.active));
  const next = viewBefore.slice(at).find((id) => !sel.selected.has(id)) ??
    viewBefore.slice(0, at).reverse().find((id) => !sel.selected.has(id)) ?? null;
  return selectOnly(next);
}

// The one channel a rename names: the active one, when it is selected.
export function renameTarget(sel) {
  return sel.active !== null && sel.selected.has(sel.active) ? sel.active : null;
}
