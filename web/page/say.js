// What the page says: a live announcement for screen readers, and a note
// on the file or on what failed.
import { $ } from './state.js';

export function announce(text) {
  $('status').textContent = '';
  // A change of text is what a screen reader reads out.
  requestAnimationFrame(() => ($('status').textContent = text));
}

// A note, until the next, or until its user dismisses it (it may take half
// a phone's screen).
export function notice(text, kind) {
  $('notice-text').textContent = text;
  $('notice').className = kind ?? '';
  $('notice').hidden = !text;
}

// Adds to the note shown, as one of the given kind.
export const addNotice = (text, kind) => notice(`${$('notice-text').textContent} ${text}`.trim(), kind);

export const plural = (n, one, many) => `${n} ${n === 1 ? one : many}`;
