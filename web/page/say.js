// What the page says: a live announcement for screen readers, and a note
// on the file or on what failed. Each is given as text or as a function
// that makes it, which says it again in a language chosen later.
import { $ } from './state.js';

const textOf = (what) => (typeof what === 'function' ? what() : what);

// The last announcement, said again in a language chosen later.
let said = '';

export function announce(what) {
  said = what;
  $('status').textContent = '';
  // A change of text is what a screen reader reads out.
  requestAnimationFrame(() => ($('status').textContent = textOf(what)));
}

// The note's parts, said in the language of the moment.
let parts = [];

const noticeText = () => ($('notice-text').textContent = parts.map(textOf).join(' ').trim());
const showNotice = () => ($('notice').hidden = !noticeText());

// A note, until the next, or until its user dismisses it (it may take half
// a phone's screen).
export function notice(what, kind) {
  parts = what ? [what] : [];
  $('notice').className = kind ?? '';
  showNotice();
}

// Adds to the note shown, as one of the given kind.
export function addNotice(what, kind) {
  parts.push(what);
  $('notice').className = kind ?? '';
  showNotice();
}

// In a language just chosen; a note dismissed stays so.
export function sayAgain() {
  noticeText();
  $('status').textContent = textOf(said);
}
