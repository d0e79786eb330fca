// What the page holds: the core, the file opened, the list made from it and
// what is shown of it. One object, shared by the parts of the page.
import * as selection from './selection.js';

export const state = {
  core: null,
  opened: null, // { bytes, name, handle, onDisk }
  model: null,
  // A list of more than 65,535 channels: no listing can name its channels,
  // so no change to it could be saved. It is shown, not edited.
  readOnly: false,
  view: [], // the ids shown, in order
  sel: selection.emptySelection(),
  filter: '',
  duplicates: new Set(),
  duplicatesOf: null, // the version of the names, and the count, they were found for
  // Whether the duplicates are found yet: at open they wait until the first
  // rows show.
  judged: false,
  // While Apply a reference is open: what takes a file dropped on it.
  takeReference: null,
};

// The most channels a listing can number: a list of more can be shown,
// but no change to it could be saved.
export const MOST_LISTED = 65535;

export const editable = () => state.model !== null && !state.readOnly;
export const $ = (id) => document.getElementById(id);
