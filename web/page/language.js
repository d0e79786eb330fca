// The page in its user's language: every word the markup holds comes from
// the catalogue (data-t: the text, data-t-label: aria-label, data-t-
// placeholder), the Help is the catalogue's manual, and a button's tooltip
// names its keys as the language's keyboards label them.
import { CATALOGUES, NAMES, language, locale, pick, remember, remembered, setLanguage, t } from './i18n.js';
import { $ } from './state.js';

const KEYS = { Control: 'keyCtrl', Alt: 'keyAlt', Shift: 'keyShift', Delete: 'keyDelete', Home: 'keyHome',
  End: 'keyEnd' };
const ARROWS = { ArrowUp: '↑', ArrowDown: '↓' };
const keysText = (shortcut) => shortcut.split('+').map((key) => (KEYS[key] ? t(KEYS[key]) : ARROWS[key] ?? key))
  .join('+');

function showWords() {
  document.documentElement.lang = locale;
  document.title = t('title');
  for (const element of document.querySelectorAll('[data-t]')) element.textContent = t(element.dataset.t);
  for (const element of document.querySelectorAll('[data-t-label]'))
    element.setAttribute('aria-label', t(element.dataset.tLabel));
  for (const element of document.querySelectorAll('[data-t-placeholder]'))
    element.placeholder = t(element.dataset.tPlaceholder);
  for (const button of document.querySelectorAll('button[aria-keyshortcuts]'))
    button.title = t('withKeys', { action: button.textContent, keys: keysText(button.getAttribute('aria-keyshortcuts')) });
  // The catalogue's own markup, bundled with the page: no text from a file.
  $('manual').innerHTML = t('help');
  $('language').value = language;
}

// changed: what else says itself again in the new language.
export function mountLanguage(changed) {
  const select = $('language');
  for (const code of Object.keys(CATALOGUES)) {
    const option = select.appendChild(document.createElement('option'));
    option.value = code;
    option.lang = code;
    option.textContent = NAMES[code];
  }
  setLanguage(pick([remembered(), ...(navigator.languages ?? [navigator.language])].filter(Boolean)));
  showWords();
  select.addEventListener('change', () => {
    setLanguage(select.value);
    remember(language);
    showWords();
    changed();
  });
}
