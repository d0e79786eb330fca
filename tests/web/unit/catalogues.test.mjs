// The page's catalogues: every language has the English keys and no other,
// the same placeholders in each message, the plural forms its language
// counts with, a manual of the same shape, and the page picks a language
// and says its numbers and plurals as that language does.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { CATALOGUES, NAMES, pick, setLanguage, t } from '../../../web/page/i18n.js';
import { folded } from '../../../web/page/names.js';

const en = CATALOGUES.en;
const placeholders = (entry) =>
  [...new Set((typeof entry === 'string' ? entry : Object.values(entry).join(' ')).match(/\{\w+\}/g))].sort();
const tags = (html) => html.match(/<\/?\w+/g);
const inTag = (html, tag) => [...html.matchAll(new RegExp(`<${tag}>(.*?)</${tag}>`, 'gs'))].map((m) => m[1]);
const BUTTONS = ['open', 'save', 'saveAs', 'undo', 'moveTo', 'exportListing', 'reference', 'referenceApply', 'print'];
const KEY_NAMES = { Ctrl: 'keyCtrl', Alt: 'keyAlt', Shift: 'keyShift', Delete: 'keyDelete', Home: 'keyHome', End: 'keyEnd' };

for (const [code, words] of Object.entries(CATALOGUES)) {
  test(`${code}: the English keys, placeholders and plural forms`, () => {
    assert.ok(NAMES[code], 'named in the switch');
    assert.deepEqual(Object.keys(words).filter((k) => !(k in en)), [], 'keys English lacks');
    assert.deepEqual(Object.keys(en).filter((k) => !(k in words)), [], 'keys missing');
    const forms = new Intl.PluralRules(code).resolvedOptions().pluralCategories.sort();
    for (const [key, entry] of Object.entries(en)) {
      assert.deepEqual(placeholders(words[key]), placeholders(entry), `placeholders of ${key}`);
      if (typeof entry === 'string') assert.equal(typeof words[key], 'string', `${key} is said one way`);
      else assert.deepEqual(Object.keys(words[key]).sort(), forms, `plural forms of ${key}`);
    }
  });

  test(`${code}: the manual's shape, its buttons and its keys`, () => {
    assert.deepEqual(tags(words.help), tags(en.help), 'the elements of the English manual, in order');
    const labels = BUTTONS.map((key) => words[key]);
    for (const named of inTag(words.help, 'b')) assert.ok(labels.includes(named), `"${named}" is no button's label`);
    for (const keys of inTag(words.help, 'kbd')) {
      for (const name of keys.split('+')) {
        const key = KEY_NAMES[name];
        assert.ok(!key || words[key] === name, `<kbd>${keys}</kbd>: the keyboard says ${words[key]}`);
      }
    }
  });
}

test('the language is the first of the browser\'s the page speaks', () => {
  const cases = [
    [['de-DE', 'en-US'], 'de'], [['pt-BR'], 'pt'], [['zh-CN', 'fr-CA'], 'fr'], [['EN-gb'], 'en'],
    [['nb-NO'], 'en'], [[], 'en'], [undefined, 'en'], [['ru_RU'], 'ru'], [['tr', 'de'], 'tr'],
  ];
  for (const [wanted, chosen] of cases) assert.equal(pick(wanted), chosen, JSON.stringify(wanted));
});

test('counts are said as the language says them; positions as they are', () => {
  const cases = [['en', 1, /^1 channel$/], ['en', 65535, /^65,535 channels$/], ['de', 65535, /^65\.535 /],
    ['fr', 65535, /^65\u202f535 /], ['ru', 2, /^2 /]];
  for (const [code, n, said] of cases) {
    setLanguage(code);
    assert.match(t('channelCount', { n }), said, `${code} ${n}`);
  }
  // Russian counts 1, 21 and 101 alike, 2 to 4 otherwise, 5 to 20 otherwise.
  setLanguage('ru');
  const forms = [1, 2, 5, 21, 22, 25].map((n) => t('deleted', { n }).replace(String(n), '#'));
  assert.deepEqual([forms[0] === forms[3], forms[1] === forms[4], forms[2] === forms[5]], [true, true, true]);
  assert.equal(new Set(forms).size, 3, forms.join(' / '));
  setLanguage('de');
  assert.match(t('renamed', { at: '12345', name: 'X' }), /12345/);
  setLanguage('en');
});

test('a search finds names in either case, as the language has them', () => {
  const cases = [
    ['tr', 'İstanbul', 'istanbul'], ['tr', 'Işık', 'IŞIK'], ['tr', 'Ilk', 'ılk'], ['en', 'İstanbul', 'istanbul'],
    ['de', 'STRAẞE', 'straße'], ['ru', 'Первый', 'ПЕРВЫЙ'], ['en', 'News One', 'NEWS'], ['tr', 'DISCOVERY', 'discovery'],
    ['tr', 'İZMİR TV', 'IZMIR'], ['tr', 'Hİ TV', 'HI TV'], ['de', 'Straße', 'strasse'], ['de', 'GROẞE', 'GROSSE'],
    ['ru', 'Ёлка', 'елка'],
  ];
  for (const [locale, name, search] of cases) assert.ok(folded(name, locale).includes(folded(search, locale)), `${locale}: ${search} in ${name}`);
  assert.ok(!folded('News One', 'en').includes(folded('new one', 'en')), 'a search is no looser than that');
});
