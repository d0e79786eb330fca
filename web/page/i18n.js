// The page's words in its user's language: one catalogue per language,
// chosen from the browser's languages or by the user, and remembered where
// the browser lets a page remember (a page opened from a file may not).
import cs from './lang/cs.js';
import de from './lang/de.js';
import en from './lang/en.js';
import es from './lang/es.js';
import fr from './lang/fr.js';
import hu from './lang/hu.js';
import it from './lang/it.js';
import nl from './lang/nl.js';
import pl from './lang/pl.js';
import pt from './lang/pt.js';
import ro from './lang/ro.js';
import ru from './lang/ru.js';
import tr from './lang/tr.js';

export const CATALOGUES = { cs, de, en, es, fr, hu, it, nl, pl, pt, ro, ru, tr };
// Each language under its own name, as its speakers look for it.
export const NAMES = { cs: 'Čeština', de: 'Deutsch', en: 'English', es: 'Español', fr: 'Français', hu: 'Magyar',
  it: 'Italiano', nl: 'Nederlands', pl: 'Polski', pt: 'Português', ro: 'Română', ru: 'Русский', tr: 'Türkçe' };

// Where a language's own country counts and writes numbers otherwise than
// the language's default (Portuguese's is Brazil's: "0 linha", "1.234").
const LOCALES = { pt: 'pt-PT' };

let words = en, plurals = new Intl.PluralRules('en'), numbers = new Intl.NumberFormat('en');
// The catalogue's code, and the locale the page says it is in (for dates,
// numbers, plurals and sorting).
export let language = 'en', locale = 'en';

// The first of the languages wanted (BCP 47 tags, best first) that the page
// speaks, by its primary subtag; else English.
export function pick(wanted) {
  for (const tag of wanted ?? []) {
    const primary = String(tag).toLowerCase().split(/[-_]/)[0];
    if (Object.hasOwn(CATALOGUES, primary)) return primary;
  }
  return 'en';
}

export function setLanguage(code) {
  language = Object.hasOwn(CATALOGUES, code) ? code : 'en';
  words = CATALOGUES[language];
  locale = LOCALES[language] ?? language;
  plurals = new Intl.PluralRules(locale);
  numbers = new Intl.NumberFormat(locale);
}

// A message to be said in whatever language is chosen when it is said.
export const msg = (key, values = {}) => ({ key, values });

// A number is a count, written as the language writes numbers; a position
// or a channel's number is given as a string and written as it is. A
// message or a function is said when the whole is.
function fill(value) {
  if (typeof value === 'number') return numbers.format(value);
  if (typeof value === 'function') return value();
  if (value && typeof value === 'object' && 'key' in value) return t(value.key, value.values);
  return String(value);
}

export function t(key, values = {}) {
  let entry = words[key] ?? en[key];
  if (entry === undefined) return key;
  if (typeof entry === 'object') entry = entry[plurals.select(values.n)] ?? entry.other;

  return entry.replace(/\{(\w+)\}/g, (_, name) => fill(values[name]));
}

// Remembered where the browser allows: a page opened from a file may be
// given no storage, or one that throws.
const KEY = 'tunvex.language';
export function remembered() {
  try {
    return localStorage.getItem(KEY);
  } catch {
    return null;
  }
}
export function remember(code) {
  try {
    localStorage.setItem(KEY, code);
  } catch {
    // Then the browser's languages choose again next time.
  }
}
