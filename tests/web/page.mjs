// The page as a user uses it, in one browser engine (Chromium, Firefox or
// WebKit), in parts, each a node:test test on the one page: a list opened,
// reorganised by mouse and keyboard, renamed, sorted, undone and redone,
// carried over from a reference, saved and exported; then, each on its own,
// what people meet in their first minutes. What it saves and exports is
// compared with tunvex, byte for byte. Screenshots at 1280x800 and 390x844
// go into SCREENSHOT_DIR, named page-ENGINE-WIDTHxHEIGHT.png.
//
//   node page.mjs chromium|firefox|webkit TUNVEX PAGE.html EXAMPLE.dat [SCREENSHOT_DIR]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { launch, require } from './engines/index.mjs';
import { CATALOGUES, setLanguage, t } from '../../web/page/i18n.js';

const [engine, tunvex, pageFile, example, shots] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-page-'));
// Also when a signal ends the run: the engines' adapters exit on one.
process.on('exit', () => fs.rmSync(work, { recursive: true, force: true }));
// A check that fails is said, and its part goes on: one part's failures
// are all said at its end, with the part's name.
let failed = [];
function expect(what, ok, detail = '') {
  if (!ok) failed.push(`${what}${detail ? `: ${detail}` : ''}`);
}
// One part of the run, a node:test test of its own, in order, on the one
// page; a step that cannot go on ends its part, not the run.
const part = (what, steps) => test(`${engine}: ${what}`, async () => {
  failed = [];
  try {
    await steps();
  } catch (e) {
    expect('runs to its end', false, e.message.split('\n')[0] + (process.env.STACKS ? e.stack : ''));
    await page.setViewport(1280, 800).catch(() => {});
  }
  if (failed.length) throw new Error(`${failed.length} checks failed:\n  ${failed.join('\n  ')}`);
});
const run = (...args) => spawnSync(tunvex, args, { maxBuffer: 1 << 26 });

const downloads = path.join(work, 'downloads');
fs.mkdirSync(downloads);
const page = await launch(engine, { downloads });
await part('the example: opened, reorganised, saved, exported', scenario);
await asPeopleUseIt();
await part('About and licences', async () => {
  await page.click('#help > summary');
  await page.click('#about summary');
  const shown = await page.eval(() => {
    const about = document.getElementById('about');
    return about.open && document.getElementById('licences').getBoundingClientRect().height > 0 ? about.textContent : '';
  });
  for (const notice of ['Copyright (c) 2026 the tunvex developers', 'Copyright (c) 2021-present Tanner Linsley',
    'Apache License\n                           Version 2.0'])
    expect(`Help shows "${notice.split('\n')[0]}"`, shown.includes(notice));
});
// Also the error that stopped a part, if the page had one.
const noErrors = (p) => part('no error on the page', async () => {
  const errors = await p.errors().catch((e) => [`none could be read: ${e.message}`]);
  expect('no error on the page', errors.length === 0, errors.join('; '));
});
let english;
await part('a session in English', async () => (english = await session(page, 'en')));
await noErrors(page);
await page.close();
// In a browser that asks for German, the page speaks it; the same session
// saves the same bytes.
fs.mkdirSync(path.join(work, 'downloads-de'));
const german = await launch(engine, { downloads: path.join(work, 'downloads-de'), language: 'de-DE' });
await part('a session in German, and another language chosen', async () => {
  const saved = await session(german, 'de');
  expect('the German session saves what the English one saved', english && saved.bytes.equals(english.bytes));
  await chooseLanguage(german, saved.counts);
});
await noErrors(german);
await german.close();

// Opened as a person who reads CODE: the page in that language, a list
// reorganised by mouse and keyboard, each change said in the language's
// words, and saved; the bytes saved.
async function session(p, code) {
  setLanguage(code);
  const said = async (key, values) => {
    const text = t(key, values);
    await p.waitFor((x) => document.getElementById('status').textContent === x, text).catch(() => {});
    expect(`"${text}" announced`, (await p.text('#status')) === text, await p.text('#status'));
  };
  await p.open(pathToFileURL(pageFile).href);
  await p.waitFor(() => document.body.classList.contains('ready'));
  const shown = await p.eval(() => [document.documentElement.lang, document.getElementById('save').textContent,
    document.getElementById('language').value]);
  expect(`the page opens in the browser's language (${code})`, shown.join() === [code, t('save'), code].join(), shown);
  const tooltip = await p.eval(() => document.getElementById('undo').title);
  expect('a button names its keys as the language\'s keyboards do', tooltip ===
    t('withKeys', { action: t('undo'), keys: `${t('keyCtrl')}+Z` }), tooltip);
  const manual = await p.eval(() => document.querySelector('#manual h2')?.textContent);
  expect('its Help is the manual in that language', manual === t('help').match(/<h2>(.*?)<\/h2>/)[1], manual);
  await p.setFile('#open-file', example);
  await p.waitFor(() => document.querySelectorAll('[role=option]').length === 12).catch(() => {});
  await p.click({ row: 'Weather Now' });
  await p.press('Alt+Home');
  await said('movedTo', { n: 1, at: '1' });
  await p.click({ row: 'Jazz FM' });
  await p.click({ row: 'Movie House' }, { modifiers: ['Shift'] });
  await p.click('#move-top');
  await said('movedTo', { n: 3, at: '1' });
  await p.click({ row: 'Music Box' });
  await p.press('Shift+ArrowDown');
  await p.press('Delete');
  await said('deleted', { n: 2 });
  await p.dblclick({ row: 'City Life' });
  await p.fill('#new-name', 'Café Life');
  await p.press('Enter');
  const at = await p.eval(() => document.querySelector('[role=option].active .number').textContent);
  await said('renamed', { at, name: 'Café Life' });
  const saved = await p.download('#save');
  const types = run('-f', saved, '-l').stdout.toString().trimEnd().split('\n').map((line) => line.split(':').at(-1));
  const tv = types.filter((type) => type === 'TV').length, counts = { n: 10, tv, radio: 10 - tv };
  expect('the counts in its words', (await p.text('#counts')).startsWith(t('counts', counts)), await p.text('#counts'));
  // On paper in its words too.
  await p.eval(() => window.dispatchEvent(new Event('beforeprint')));
  const paper = await p.eval(() => [...document.querySelectorAll('#print-view thead:first-of-type th, ' +
    '#print-view tbody tr:first-child td')].map((cell) => cell.textContent));
  await p.eval(() => window.dispatchEvent(new Event('afterprint')));
  const head = t('printTitle', { file: 'channels.dat', n: 10, date: '\0' }).split('\0')[0];
  expect('printed in its words', paper[0].startsWith(head) && paper.slice(1, 5).join() ===
    ['colNumber', 'colName', 'colName2', 'colType'].map((key) => t(key)).join() && paper.at(-1) === t('radio'), paper);
  return { bytes: fs.readFileSync(saved), counts };
}

// Another language, chosen from the keyboard in the page: its words at
// once, and again when the page is opened next where the browser lets a
// page remember (from a file, not every engine does).
async function chooseLanguage(p, counts) {
  await p.click({ row: 'Jazz FM' });
  await p.press('Alt+ArrowDown');
  await p.click('#language');
  await p.press('Escape');
  await p.press('f');
  await p.waitFor(() => document.documentElement.lang === 'fr').catch(() => {});
  setLanguage('fr');
  const now = await p.eval(() => [document.documentElement.lang, document.getElementById('save').textContent,
    document.getElementById('counts').textContent, document.getElementById('status').textContent,
    document.getElementById('file-name').textContent]);
  expect('French chosen: its words at once; the counts and the last change said again; the file still named',
    now[0] === 'fr' && now[1] === t('save') && now[2].startsWith(t('counts', counts)) &&
    now[3] === t('movedDown', { n: 1, at: '2' }) && now[4] === 'channels.dat', now);
  await p.open(pathToFileURL(pageFile).href);
  await p.waitFor(() => document.body.classList.contains('ready'));
  const next = await p.eval(() => document.documentElement.lang);
  expect('opened again, in French', next === 'fr', next);
}

async function scenario() {
  const names = () => page.eval(() => [...document.querySelectorAll('[role=option] .name')].map((c) => c.textContent));
  const row = (name) => ({ row: name });
  const status = async (text) => {
    await page.waitFor((t) => document.getElementById('status').textContent.includes(t), text).catch(() => {});
    const shown = await page.text('#status');
    expect(`"${text}" announced`, shown.includes(text), shown);
  };

  await page.open(pathToFileURL(pageFile).href);
  await page.waitFor(() => document.body.classList.contains('ready'));

  // Open, reorganise, save.
  await page.setFile('#open-file', example);
  // The rows show a frame or two after the list opens.
  await page.waitFor(() => document.querySelectorAll('[role=option]').length === 12).catch(() => {});
  const original = await names();
  expect('the example opens', original.length === 12 && original[0] === 'News One', original.join());
  await page.click(row('Weather Now'));
  await page.press('Alt+Home');
  await status('1 channel moved to position 1');
  await page.click(row('Jazz FM'));
  await page.click(row('Movie House'), { modifiers: ['Shift'] });
  const from = await page.boundingBox(row('Jazz FM')), to = await page.boundingBox(row('Country Hits'));
  await page.move(from.x + 200, from.y + from.height / 2);
  await page.down();
  await page.move(to.x + 200, to.y + to.height / 2, { steps: 5 });
  await page.move(to.x + 200, to.y + to.height - 2, { steps: 2 });
  await page.up();
  await status('3 channels moved to position 10');
  await page.press('End');
  await page.press('Shift+ArrowUp');
  await page.press('Delete');
  await status('2 channels deleted');
  await page.dblclick(row('City Life'));
  await page.fill('#new-name', 'x'.repeat(40));
  await page.press('Enter');
  const why = await page.text('#rename-why');
  expect('a name too long is refused, saying why', why === 'The new name must be 1 to 31 bytes, not 40.', why);
  await page.fill('#new-name', 'Café Life');
  await page.press('Enter');
  await status('renamed to Café Life');
  await page.click('#sort');
  const sorted = await names();
  await page.press('Control+z');
  await status('Undone: 10 channels sorted by name');
  await page.press('Control+y');
  expect('redo sorts again', (await names()).join() === sorted.join(), (await names()).join());
  const reference = path.join(work, 'before-the-rescan.txt');
  fs.writeFileSync(reference, run('-f', example, '-l').stdout.toString().trimEnd().split('\n').reverse().join('\n'));
  await page.click('#reference');
  await page.setFile('#reference-file', reference);
  await page.waitFor(() => /matched exactly/.test(document.getElementById('reference-summary').textContent));
  const summary = await page.text('#reference-summary');
  expect('the proposal is summed up', summary.startsWith('9 matched exactly, 0 loosely, 1 not at all; 3 reference'), summary);
  await page.click('#reference-apply');
  await status('Reference applied');
  if (shots) {
    await page.move(0, 0);
    for (const [width, height] of [[1280, 800], [390, 844]]) {
      await page.setViewport(width, height);
      await page.screenshot(path.join(shots, `page-${engine}-${width}x${height}.png`));
    }
    await page.setViewport(1280, 800);
  }
  const dat = await page.download('#save');
  const txt = await page.download('#export');
  expect('saved and exported under the opened name', path.basename(dat) === 'channels.dat' &&
    path.basename(txt) === 'channels.txt', `${path.basename(dat)}, ${path.basename(txt)}`);

  // The export is what tunvex --listing prints of the saved list; the saved
  // list is what tunvex --apply makes of the opened one, the export taken
  // back to the numbers and names it had there.
  expect('the export is --listing of the saved list', run('-f', dat, '--listing').stdout.equals(fs.readFileSync(txt)));
  const before = new Map(run('-f', example, '-l').stdout.toString().trimEnd().split('\n')
    .map((l) => [l.split(':')[1], l.split(':')[0]]));
  before.set('Café Life', before.get('City Life'));
  const back = fs.readFileSync(txt, 'utf8').trimEnd().split('\n').slice(1).map((l) => {
    const [, name, , type] = l.split(':');
    return name === 'Café Life' ? `${before.get(name)}:${name}:${type}` : before.get(name);
  });
  fs.writeFileSync(path.join(work, 'back.txt'), back.join('\n'));
  const applied = run('-f', example, '-o', path.join(work, 'applied.dat'), '--apply', path.join(work, 'back.txt'));
  expect('tunvex --apply gives the saved bytes', applied.status === 0 &&
    fs.readFileSync(path.join(work, 'applied.dat')).equals(fs.readFileSync(dat)), applied.stderr.toString());

  // A list opened and saved without a change is the same file.
  const savedBytes = fs.readFileSync(dat);
  await page.setFile('#open-file', dat);
  await page.waitFor(() => /^channels\.dat opened: 10 channels/.test(document.getElementById('status').textContent));
  expect('saved unchanged, the same bytes', fs.readFileSync(await page.download('#save')).equals(savedBytes));

  // Files that are no whole list: said in plain words, and the page goes on.
  const exampleBytes = fs.readFileSync(example);
  const bad = {
    'cut.dat': exampleBytes.subarray(0, 700),
    'noise.dat': Buffer.from(Array.from({ length: 3000 }, (_, i) => (i * 7919) % 251)),
  };
  for (const [name, bytes] of Object.entries(bad)) {
    fs.writeFileSync(path.join(work, name), bytes);
    await page.setFile('#open-file', path.join(work, name));
    await page.waitFor((n) => document.getElementById('notice-text').textContent.startsWith(n), name);
    const verdict = run('--check', '-f', path.join(work, name)).stdout.toString().split('\n')[0].split(': ').slice(1).join(': ');
    // The page writes counts as its language does: 6,924 where tunvex says 6924.
    const shown = (await page.text('#notice-text')).replace(/(\d),(?=\d{3}\b)/g, '$1');
    expect(`${name} is explained`, shown === `${name} cannot be opened: it is not a whole channel list: ${verdict}. ` +
      'channels.dat is still open.', shown);
  }
  await page.click(row('Kids Corner'));
  await page.click('#move-top');
  expect('the page goes on', (await names())[0] === 'Kids Corner', (await names()).join());
  await page.press('Control+z');

  // No serious or critical accessibility problem, with a dialog open too.
  await page.eval((source) => document.head.appendChild(Object.assign(document.createElement('script'), { text: source })),
    fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
  const serious = () => page.eval(async () => (await axe.run()).violations
    .filter((v) => v.impact === 'serious' || v.impact === 'critical').map((v) => `${v.id}: ${v.help}`));
  let found = await serious();
  expect('axe finds nothing serious', found.length === 0, found.join('; '));
  await page.click('#move-to');
  found = await serious();
  expect('axe finds nothing serious in a dialog', found.length === 0, found.join('; '));
  await page.press('Escape');
  const requests = await page.requests();
  expect('no request leaves the page', requests.length === 0, requests.join(' '));
}

// What people meet in their first minutes, each once, with the mouse where
// a mouse met it: nothing lost, dialogs that answer for their own list,
// selections as desktop lists keep them.
async function asPeopleUseIt() {
  const names = () => page.eval(() => [...document.querySelectorAll('[role=option] .name')].map((c) => c.textContent));
  const said = () => page.text('#status');
  const settled = () => page.eval(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(() => r(true)))));
  const list = (n) => {
    const file = path.join(work, `list-${n}.dat`);
    if (!fs.existsSync(file)) spawnSync(path.join(path.dirname(tunvex), 'mkchannels'), ['-n', String(n), file]);
    return file;
  };
  const opened = async (file, count) => {
    await page.setFile('#open-file', file);
    await page.waitFor((c) => new RegExp(`opened: ${c} channels`).test(document.getElementById('status').textContent),
      count.toLocaleString('en-US'));
    await settled();
  };
  // confirm() answered no, and counted: the page asks before it drops
  // changes.
  const askedBefore = () => page.eval(() => {
    window.asked = [];
    window.confirm = (message) => window.asked.push(message) && false;
  });
  const asked = () => page.eval(() => window.asked.length);
  const selected = () => page.eval(() => [...document.querySelectorAll('[aria-selected=true] .name')].map((c) => c.textContent));
  // Files dropped on the page together, as the browser hands them over.
  const drop = (...files) => page.eval((dropped) => {
    const transfer = new DataTransfer();
    for (const [name, base64] of dropped)
      transfer.items.add(new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], name));
    document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, files.map((f) => [path.basename(f), fs.readFileSync(f).toString('base64')]));

  // Each part on its own: the next starts from a page with no dialog open
  // and a list that asks nothing.
  const section = (what, steps) => part(what, async () => {
    await page.press('Escape').catch(() => {});
    await page.eval(() => {
      for (const dialog of document.querySelectorAll('dialog[open]')) dialog.close();
      window.confirm = () => true;
    });
    await steps();
  });

  // Unsaved is the state, not the count of steps: save, undo, a new move.
  await section('Unsaved is the state, not the count of steps', async () => {
    await opened(example, 12);
    for (const name of ['Movie House', 'Talk Radio']) {
      await page.click({ row: name });
      await page.press('Alt+Home');
    }
    await page.download('#save');
    await page.press('Control+z');
    await page.click({ row: 'Weather Now' });
    await page.press('Alt+Home');
    await askedBefore();
    await page.setFile('#open-file', list(40));
    await settled();
    expect('saved, undone and moved again: asked before another list opens', (await asked()) === 1);
    expect('and kept when the answer is no', (await names())[0] === 'Weather Now', (await names()).join());
  });

  // Save as, where it is a download (no file handles), saves.
  await section('Save as, where it is a download (no file handles), saves', async () => {
    if (!(await page.eval(() => 'showSaveFilePicker' in window))) {
      await opened(example, 12);
      await page.click({ row: 'Jazz FM' });
      await page.press('Alt+End');
      await page.download('#save-as');
      await askedBefore();
      await opened(list(40), 40);
      expect('after Save as, another list opens without asking', (await asked()) === 0);
    }
  });

  // Ctrl+click adds a row and takes it away again; a double-click on any
  // cell renames.
  await section('Ctrl+click adds a row and takes it away again', async () => {
    await opened(example, 12);
    await page.click({ row: 'Jazz FM' });
    await page.click({ row: 'Kids Corner' }, { modifiers: ['Control'] });
    expect('Ctrl+click adds a row', (await selected()).join() === 'Jazz FM,Kids Corner', (await selected()).join());
    await page.click({ row: 'Jazz FM' }, { modifiers: ['Control'] });
    expect('Ctrl+click takes it away', (await selected()).join() === 'Kids Corner', (await selected()).join());
    const cityLife = await page.eval(() => [...document.querySelectorAll('[role=option]')]
      .find((r) => r.querySelector('.name').textContent === 'City Life').id);
    await page.dblclick(`#${cityLife} .number`);
    await page.waitFor(() => document.getElementById('rename-dialog').open);
    expect('a double-click on the number renames', await page.eval(() => document.getElementById('rename-title').textContent) ===
      'Rename channel 2');
    await page.press('Escape');
  });

  // F2 and Enter on a name as it is change nothing: channel 8 keeps its
  // second name, and a name with a line feed (which a text field cannot
  // show) its line feed.
  await section('F2 and Enter on a name as it is change nothing', async () => {
    const feed = path.join(work, 'feed.dat');
    run('-f', example, '-o', feed, '-r', '2:Line\nFeed');
    for (const [file, name] of [[example, 'Nature World'], [feed, 'Line\nFeed']]) {
      await opened(file, 12);
      await page.click({ row: name });
      await page.press('F2');
      await page.press('Enter');
      await settled();
      expect(`an unchanged name renames nothing: ${name}`, await page.eval(() => document.getElementById('undo').disabled));
    }
    expect('the second name stays', await page.eval(() => [...document.querySelectorAll('.name2')]
      .some((c) => c.textContent === 'Nature World HD')));
  });

  // The keyboard after a search: the first match is where the arrows start,
  // and the focus never falls out of the list; Backspace deletes, as a
  // Mac's delete key; the last undo leaves the focus in the list.
  await section('Keys after a search, Backspace, the last undo', async () => {
    await opened(example, 12);
    await page.click({ row: 'Weather Now' });
    await page.fill('#search', 'Radio');
    await page.eval(() => document.getElementById('search').dispatchEvent(new Event('input')));
    // Tab, past the note on the file where there is one, into the list.
    for (let tab = 0; tab < 3 && !(await page.eval(() => document.activeElement?.id === 'channels')); tab++)
      await page.press('Tab');
    const active = () => page.eval(() => document.querySelector('[role=option].active .name')?.textContent ?? '');
    const shown = await names();
    expect('focus after a search makes the first match active', (await active()) === shown[0], `${await active()}, ${shown}`);
    await page.press('ArrowDown');
    expect('and ArrowDown goes to the second', (await active()) === shown[1], `${await active()}, ${shown}`);
    await page.fill('#search', '');
    await page.eval(() => document.getElementById('search').dispatchEvent(new Event('input')));
    await page.click({ row: 'Kids Corner' });
    await page.press('Backspace');
    await settled();
    expect('Backspace deletes', !(await names()).includes('Kids Corner'), (await names()).join());
    await page.click('#undo');
    await settled();
    expect('the last undo leaves the focus in the list', await page.eval(() =>
      document.getElementById('undo').disabled && document.activeElement === document.getElementById('channels')));
  });

  // Names with a colon, one of them another channel's: saved as tunvex
  // saves them.
  await section("Names with a colon, one of them another channel's", async () => {
    await opened(example, 12);
    for (const name of ['Jazz FM', 'Kids Corner']) {
      await page.click({ row: name });
      await page.press('F2');
      await page.fill('#new-name', 'A:B');
      await page.press('Enter');
      await page.waitFor(() => /renamed to A:B/.test(document.getElementById('status').textContent));
    }
    const colons = await page.download('#save');
    const listed = run('-f', colons, '-l').stdout.toString();
    expect('two channels named A:B save', listed.includes('3:A:B:A:B:RADIO\n') && listed.includes('7:A:B:A:B:TV\n'), listed);
    expect('and no notice of a failure', (await page.text('#notice-text')) === '' || !(await page.eval(() => document.getElementById('notice').className === 'error')));
  });

  // Sorted by name as the page's language sorts, in every engine (WebKit's
  // own default under a C locale puts capitals first).
  await section("Sort by the page's language", async () => {
    const cased = path.join(work, 'cased.dat');
    run('-f', example, '-o', cased, '-r', '1:apple:2:Banana:3:cherry');
    await opened(cased, 12);
    await page.click('#sort');
    await settled();
    expect('sorted case aside', (await names()).slice(0, 3).join() === 'apple,Banana,cherry', (await names()).join());
  });

  // A search hides a selected channel: Delete leaves it.
  await section('A search hides a selected channel', async () => {
    await opened(example, 12);
    await page.click({ row: 'Jazz FM' });
    await page.fill('#search', 'News');
    await page.eval(() => document.getElementById('search').dispatchEvent(new Event('input')));
    await page.click({ row: 'News One' }, { modifiers: ['Control'] });
    await page.click('#delete');
    await page.fill('#search', '');
    await page.eval(() => document.getElementById('search').dispatchEvent(new Event('input')));
    await settled();
    const left = await names();
    expect('Delete under a search takes only what it shows', left.length === 11 && left.includes('Jazz FM') &&
      !left.includes('News One'), left.join());
  });

  // Deleting the last row selects the one now last.
  await section('Deleting the last row selects the one now last', async () => {
    await opened(example, 12);
    await page.click({ row: 'Weather Now' });
    await page.press('Delete');
    await settled();
    expect('after the last row goes, the row now last is selected', (await selected()).join() === 'Country Hits',
      (await selected()).join());
  });

  // Move to... says why a position is refused.
  await section('Move to... says why a position is refused', async () => {
    await opened(example, 12);
    await page.click({ row: 'Jazz FM' });
    for (const position of ['0', '13', '3.5', '']) {
      await page.click('#move-to');
      await page.fill('#position', position);
      await page.press('Enter');
      const why = await page.text('#move-why');
      expect(`Move to ${position || 'nothing'} says why`, why === 'Give a whole number from 1 to 12.', why);
      await page.press('Escape');
    }
  });

  // Sort twice: the second says it changes nothing.
  await section('Sort twice', async () => {
    await opened(example, 12);
    await page.click('#sort');
    await page.click('#sort');
    await page.waitFor(() => /already in order/.test(document.getElementById('status').textContent));
    expect('a sorted list sorted again says so', (await said()).includes('already in order by name'), await said());
  });

  // A reference that changes nothing is no change; its marks go with Undo;
  // one that matches nothing cannot be applied.
  await section('A reference that changes nothing is no change', async () => {
    await opened(example, 12);
    const itself = path.join(work, 'itself.txt');
    fs.writeFileSync(itself, run('-f', example, '-l').stdout);
    await page.click('#reference');
    await page.setFile('#reference-file', itself);
    await page.waitFor(() => /matched exactly/.test(document.getElementById('reference-summary').textContent));
    await page.click('#reference-apply');
    await page.waitFor(() => /keeps the order/.test(document.getElementById('status').textContent));
    expect('an identical reference is no change', await page.eval(() => document.getElementById('undo').disabled));
    const reversed = path.join(work, 'reversed.txt');
    fs.writeFileSync(reversed, run('-f', example, '-l').stdout.toString().trimEnd().split('\n').reverse().join('\n'));
    await page.click('#reference');
    await page.setFile('#reference-file', reversed);
    await page.waitFor(() => /matched exactly/.test(document.getElementById('reference-summary').textContent));
    await page.click('#reference-apply');
    await page.waitFor(() => /Reference applied/.test(document.getElementById('status').textContent));
    await page.press('Control+z');
    await settled();
    expect('marks go with the Undo', await page.eval(() => [...document.querySelectorAll('.marks')].every((m) => m.textContent === '')));
    const stranger = path.join(work, 'stranger.txt');
    fs.writeFileSync(stranger, '1:Nothing:Nothing:TV\n2:Here:Here:RADIO\n');
    await page.click('#reference');
    await page.setFile('#reference-file', stranger);
    await page.waitFor(() => /No channel of the list/.test(document.getElementById('reference-summary').textContent));
    expect('a reference that matches nothing cannot be applied', await page.eval(() => document.getElementById('reference-apply').disabled));
    const damaged = path.join(work, 'damaged.dat');
    const flipped = Buffer.from(fs.readFileSync(example));
    flipped[flipped.length - 1] ^= 0xff;
    fs.writeFileSync(damaged, flipped);
    await page.setFile('#reference-file', damaged);
    await page.waitFor(() => /not a whole one/.test(document.getElementById('reference-summary').textContent));
    const summary = await page.text('#reference-summary');
    expect('an old list with a wrong checksum is said so, and read as a list', summary.includes('the checksum is') &&
      summary.includes('12 matched exactly'), summary);
    await page.setFile('#reference-file', list(65536));
    await page.waitFor(() => /can number/.test(document.getElementById('reference-summary').textContent));
    const tooMany = await page.text('#reference-summary');
    expect('a list of more channels than a listing can number is no reference', tooMany === 'list-65536.dat is a ' +
      'channel list of 65,536 channels, more than a listing can number (65,535): it cannot serve as the reference.' &&
      await page.eval(() => document.getElementById('reference-apply').disabled), tooMany);
    const wide = path.join(work, 'wide.txt');
    fs.writeFileSync(wide, Buffer.from('\ufeff1:News One:News One:TV\n', 'utf16le'));
    await page.setFile('#reference-file', wide);
    await page.waitFor(() => /UTF-16/.test(document.getElementById('reference-summary').textContent));
    expect('a reference that cannot be read says which and why', (await page.text('#reference-summary')) ===
      'wide.txt cannot serve as the reference: it is UTF-16 text: save it as UTF-8.', await page.text('#reference-summary'));
    const unreadable = path.join(work, 'unreadable.txt');
    fs.writeFileSync(unreadable, 'Channels I like\n1:News One:News One:TV\n');
    await page.setFile('#reference-file', unreadable);
    await page.waitFor(() => /could not be read/.test(document.getElementById('reference-summary').textContent));
    const why = await page.text('#reference-summary');
    expect('a line that could not be read is one line, and says why', why.endsWith('. 1 reference line could not be ' +
      'read; the first, line 1: a line that is no channel line (NUMBER:NAME:NAME2:TYPE, or NUMBER alone)'), why);
    await page.press('Escape');
  });

  // On paper: every channel, not only those in view, under a head with the
  // file's name that the print style repeats on each page.
  await section('Print', async () => {
    await opened(list(300), 300);
    // Twice, as a print preview given up and begun again may: one view.
    await page.eval(() => window.dispatchEvent(new Event('beforeprint')));
    await page.eval(() => window.dispatchEvent(new Event('beforeprint')));
    const printed = await page.eval(() => ({
      title: document.querySelector('#print-view .print-title')?.textContent ?? '',
      rows: [...document.querySelectorAll('#print-view tbody tr')].map((tr) => [...tr.cells].map((c) => c.textContent).join('|')),
    }));
    expect('the print view holds every channel', printed.rows.length === 300 && printed.rows[0] === '1|Channel 1||TV' &&
      printed.rows[299] === '300|Channel 300||Radio', `${printed.rows.length}: ${printed.rows[0]} ... ${printed.rows.at(-1)}`);
    expect('under a head with the file and its count', printed.title.startsWith('list-300.dat: 300 channels, '),
      printed.title);
    if (page.media) {
      await page.media('print');
      const paper = await page.eval(() => {
        const style = (selector) => getComputedStyle(document.querySelector(selector));
        return [style('main').display, style('header').display, style('#print-view').display,
          style('#print-view thead').display, style('#print-view tbody tr').breakInside].join();
      });
      await page.media('screen');
      expect('on paper the print view alone, its head on each page, no row split', paper ===
        'none,none,block,table-header-group,avoid', paper);
    }
    await page.eval(() => window.dispatchEvent(new Event('afterprint')));
    expect('and it goes after printing', await page.eval(() => document.getElementById('print-view') === null));
  });

  // The buttons are one tab stop; the arrows, Home and End go from one to
  // the next, past those that are disabled, and round at the ends.
  await section('The toolbar', async () => {
    await opened(example, 12);
    const focused = () => page.eval(() => document.activeElement?.id ?? '');
    const walk = async (...keys) => {
      const ids = [];
      for (const key of keys) {
        await page.press(key);
        ids.push(await focused());
      }
      return ids.join();
    };
    await page.eval(() => document.getElementById('open').focus());
    expect('Tab leaves the toolbar at once', (await walk('Tab')) === 'search', await focused());
    await page.eval(() => document.getElementById('open').focus());
    const nothingSelected = await walk('ArrowRight', 'ArrowRight', 'End', 'ArrowRight', 'ArrowLeft', 'Home', 'ArrowLeft');
    expect('with nothing selected the arrows pass the disabled buttons',
      nothingSelected === 'save,save-as,sort,open,sort,open,sort', nothingSelected);
    expect('Shift+Tab comes back to the button left', (await walk('Tab', 'Shift+Tab')) === 'search,sort', await focused());
    await page.click({ row: 'Jazz FM' });
    await page.eval(() => document.getElementById('reference').focus());
    const some = await walk('ArrowRight', 'ArrowRight', 'ArrowRight');
    expect('with a channel selected the moves are on the way', some === 'print,move-up,move-down', some);
    await page.eval(() => document.getElementById('channels').focus());
    await page.press('Alt+ArrowDown');
    await page.eval(() => { document.getElementById('notice').hidden = true; });
    const toUndo = await walk('Shift+Tab', 'Shift+Tab', 'ArrowLeft', 'ArrowLeft');
    expect('the arrows reach Undo once there is a change', toUndo === 'search,move-down,move-up,undo', toUndo);
    await page.click('#undo');
    const back = await walk('Shift+Tab', 'Shift+Tab');
    expect('the last undo gives the tab stop to the first button', back === 'search,open', back);
  });

  await section('Rename waits for a selection', async () => {
    await opened(example, 12);
    expect('nothing selected, no rename', await page.eval(() => document.getElementById('rename').disabled));
    const dotted = path.join(work, '.dat');
    fs.copyFileSync(example, dotted);
    await opened(dotted, 12);
    expect('.dat exports as dat.txt', path.basename(await page.download('#export')) === 'dat.txt');
  });

  // Held near the bottom edge while dragging, the list goes on scrolling,
  // the faster the nearer the edge.
  await section('Held at the bottom edge while dragging, the list goes on scrolling', async () => {
    await opened(list(2000), 2000);
    await page.click({ row: 'Channel 2' });
    const box = await page.boundingBox('#channels'), first = await page.boundingBox({ row: 'Channel 2' });
    await page.move(first.x + 200, first.y + first.height / 2);
    await page.down();
    const scrolled = async (fromBottom) => {
      await page.move(box.x + 200, box.y + box.height - fromBottom, { steps: 3 });
      const at = await page.eval(() => document.getElementById('channels').scrollTop);
      await new Promise((r) => setTimeout(r, 600));
      return (await page.eval(() => document.getElementById('channels').scrollTop)) - at;
    };
    const shallow = await scrolled(55), deep = await scrolled(4);
    await page.move(box.x + 200, box.y + box.height / 2, { steps: 2 });
    await page.up();
    expect('held at the edge, the list scrolls on', deep > 100, `${deep} px`);
    expect('nearer the edge, faster', shallow > 0 && deep > 4 * shallow, `${shallow} px, then ${deep} px`);
    await page.eval(() => { document.getElementById('channels').scrollTop = 0; });
    await settled();
    expect('the active row stays in the document when scrolled away', await page.eval(() => {
      const id = document.getElementById('channels').getAttribute('aria-activedescendant');
      return id !== null && document.getElementById(id) !== null;
    }));
  });

  // Edits that cannot be, said so: every channel deleted, a move past the
  // top, a drag let go outside the list.
  await section('Edits that cannot be are said so', async () => {
    await opened(example, 12);
    const before = await names();
    // Not the row clicked next: two clicks on one row are a double-click.
    await page.click({ row: 'City Life' });
    await page.press('Control+a');
    await page.press('Delete');
    expect('not every channel can be deleted', (await names()).length === 12 &&
      /Not every channel can be deleted/.test(await page.text('#notice-text')), await page.text('#notice-text'));
    await page.click({ row: 'News One' });
    await page.click({ row: 'Jazz FM' }, { modifiers: ['Control'] });
    await page.click('#move-up');
    await page.waitFor(() => /at the top already/.test(document.getElementById('status').textContent)).catch(() => {});
    expect('a move up at the top says why nothing moved', /at the top already/.test(await said()), await said());
    const from = await page.boundingBox({ row: 'Jazz FM' }), box = await page.boundingBox('#channels');
    await page.move(from.x + 200, from.y + from.height / 2);
    await page.down();
    await page.move(from.x + 200, from.y + 3 * from.height, { steps: 4 });
    await page.move(box.x + 200, box.y - 30, { steps: 4 });
    await page.up();
    await settled();
    expect('a drag let go outside the list moves nothing', (await names()).join() === before.join() &&
      (await page.eval(() => document.getElementById('undo').disabled)), (await names()).join());
    await page.click({ row: 'Kids Corner' });
    await page.press(' ');
    await page.press('Alt+ArrowDown');
    await page.waitFor(() => /No channel is selected/.test(document.getElementById('status').textContent)).catch(() => {});
    expect('a move with nothing selected says so', (await said()) === 'No channel is selected: select the channels first',
      await said());
  });

  // Saved, the notice on the file opened goes; given its names back, a
  // channel is no longer marked renamed.
  await section('What was said of the file opened goes with a save', async () => {
    await opened(example, 12);
    await page.waitFor(() => /numbered 12/.test(document.getElementById('notice-text').textContent)).catch(() => {});
    expect('the example is noted as opened', /numbered 12/.test(await page.text('#notice-text')), await page.text('#notice-text'));
    await page.click({ row: 'Jazz FM' });
    for (const name of ['Blues', 'Jazz FM']) {
      await page.press('F2');
      await page.fill('#new-name', name);
      await page.press('Enter');
      await page.waitFor((n) => document.getElementById('status').textContent.includes(`renamed to ${n}`), name);
    }
    await settled();
    expect('a name given back is no rename', await page.eval(() => [...document.querySelectorAll('.marks')].every((m) => m.textContent === '')));
    await page.press('Alt+ArrowDown');
    await page.download('#save');
    // Downloaded, the note names the file as the receiver needs it; opened
    // under a name a browser gave a download, the name without its number.
    setLanguage('en');
    const notes = [[example, `${t('downloaded', { n: 12, file: 'channels.dat' })} ${t('nameOnStick',
      { file: 'channels.dat', example: 'channels(1).dat' })}`]];
    const again = path.join(work, 'channels (2).dat');
    fs.copyFileSync(example, again);
    notes.push([again, `${t('downloaded', { n: 12, file: 'channels (2).dat' })} ${t('nameOnStickNumbered',
      { opened: 'channels (2).dat', file: 'channels.dat' })}`]);
    for (const [file, note] of notes) {
      if (file !== example) {
        await opened(file, 12);
        await page.click({ row: 'Jazz FM' });
        await page.press('Alt+ArrowDown');
        await page.download('#save');
      }
      await page.waitFor((x) => document.getElementById('notice-text').textContent === x, note).catch(() => {});
      expect(`saved, the note on ${path.basename(file)} goes; the name for the stick is said`,
        (await page.text('#notice-text')) === note, await page.text('#notice-text'));
    }
  });

  // Files the page cannot take whole: an empty one, one named as its
  // listing would be, one with a line feed in a name.
  await section('Files that are no list, or no listing', async () => {
    const empty = path.join(work, 'empty.dat');
    fs.writeFileSync(empty, '');
    await page.setFile('#open-file', empty);
    await page.waitFor(() => /shorter than|is text/.test(document.getElementById('notice-text').textContent)).catch(() => {});
    expect('an empty file is too short, not text', /shorter than its header: 0 bytes/.test(await page.text('#notice-text')),
      await page.text('#notice-text'));
    const named = path.join(work, 'list.txt');
    fs.copyFileSync(example, named);
    await opened(named, 12);
    expect('a list named list.txt exports as list-listing.txt', path.basename(await page.download('#export')) === 'list-listing.txt');
    const feed = path.join(work, 'feed.dat');
    run('-f', example, '-o', feed, '-r', '2:Line\nFeed');
    await opened(feed, 12);
    await page.click('#export');
    await page.waitFor(() => /cannot be exported/.test(document.getElementById('notice-text').textContent)).catch(() => {});
    const why = run('-f', feed, '--listing').stderr.toString().trim().replace(`${feed}: `, '').replace(' with -r first', ' first');
    expect('a list with a line feed in a name exports no listing, saying why as --listing does',
      (await page.text('#notice-text')) === `The listing cannot be exported: ${why}.`, `${await page.text('#notice-text')} / ${why}`);
    await page.click('#notice-dismiss');
    expect('a note can be dismissed', await page.eval(() => document.getElementById('notice').hidden));
    // A listing saved as UTF-16 is said to be that, not a broken list.
    const u16 = path.join(work, 'u16.txt');
    fs.writeFileSync(u16, Buffer.from('\ufeff1:News One:News One:TV\n', 'utf16le'));
    await page.setFile('#open-file', u16);
    await page.waitFor(() => /u16\.txt/.test(document.getElementById('notice-text').textContent)).catch(() => {});
    expect('a UTF-16 text is said to be UTF-16', /u16\.txt is UTF-16 text, not a channel list/.test(await page.text('#notice-text')),
      await page.text('#notice-text'));
    // Records past its count: a save keeps those the count names, said
    // before the first save. One channel is one channel.
    const mpeg2 = (bytes) => {
      let crc = 0xffffffff;
      for (const b of bytes) {
        crc ^= b << 24;
        for (let k = 0; k < 8; k++) crc = crc & 0x80000000 ? (crc << 1) ^ 0x04c11db7 : crc << 1;
      }
      return crc >>> 0;
    };
    const more = Buffer.from(fs.readFileSync(example).subarray(0, -4)), trailer = Buffer.alloc(4), extra = path.join(work, 'extra.dat');
    more.writeUInt32LE(10, 4);
    trailer.writeUInt32LE(mpeg2(more));
    fs.writeFileSync(extra, Buffer.concat([more, trailer]));
    await opened(extra, 10);
    await page.waitFor(() => /Saving keeps/.test(document.getElementById('notice-text').textContent)).catch(() => {});
    expect('records past the count are said to be left out by a save', /Saving keeps the 10 channels its count names and leaves out the 2 channels after them\./
      .test(await page.text('#notice-text')), await page.text('#notice-text'));
    await page.setFile('#open-file', list(1));
    await page.waitFor(() => /opened: 1 channel$/.test(document.getElementById('status').textContent)).catch(() => {});
    expect('one channel is one channel', /^1 channel:/.test(await page.text('#counts')), await page.text('#counts'));
  });

  // More than a listing can number: shown, with the reason, not edited.
  await section('More than a listing can number', async () => {
    await page.eval(() => { window.confirm = () => true; });
    await opened(list(65536), 65536);
    expect('a list of 65,536 channels says why it cannot be edited', /more than the 65,535 a listing can number/
      .test(await page.text('#notice-text')), await page.text('#notice-text'));
    await page.click({ row: 'Channel 1' });
    await page.press('Delete');
    await page.waitFor(() => /cannot be changed here/.test(document.getElementById('status').textContent)).catch(() => {});
    expect('Delete says why it deletes nothing', /cannot be changed here/.test(await page.text('#status')),
      await page.text('#status'));
    expect('and nothing edits it', await page.eval(() => ['save', 'delete', 'move-to', 'rename', 'sort', 'reference']
      .every((id) => document.getElementById(id).disabled) && document.getElementById('counts').textContent.startsWith('65,536 channels')));
  });

  // A phone: at least 12 rows in view, and no button under the search box.
  // Upright or on its side: every button of the toolbar is what a click
  // at its centre finds, once scrolled to.
  await section('A phone', async () => {
    await opened(example, 12);
    const layout = () => page.eval(() => {
      const list = document.getElementById('channels').getBoundingClientRect();
      const rows = [...document.querySelectorAll('[role=option]')].filter((r) => {
        const b = r.getBoundingClientRect();
        return b.top >= list.top && b.bottom <= Math.min(list.bottom, innerHeight);
      }).length;
      const search = document.getElementById('search').getBoundingClientRect();
      const under = [...document.querySelectorAll('.toolbar button')].filter((b) => {
        const r = b.getBoundingClientRect();
        return r.width > 0 && r.left < search.right && r.right > search.left && r.top < search.bottom && r.bottom > search.top;
      }).map((b) => b.textContent);
      const outside = [...document.querySelectorAll('.toolbar input, [role=option]')]
        .filter((e) => e.getBoundingClientRect().right > document.documentElement.clientWidth + 1).length;
      const unclickable = [...document.querySelectorAll('.toolbar button')].filter((b) => {
        b.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        const r = b.getBoundingClientRect();
        return document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2) !== b;
      }).map((b) => b.textContent);
      return { rows, under, outside, unclickable };
    });
    await page.setViewport(844, 390);
    await settled();
    const sideways = await layout();
    await page.setViewport(390, 844);
    await settled();
    const phone = await layout();
    // The arrow keys show each button whole.
    await page.click({ row: 'News One' });
    await page.eval(() => document.getElementById('open').focus());
    const halfHidden = [], visited = new Set();
    for (let i = 0; i < 15; i++) {
      await settled();
      halfHidden.push(await page.eval(() => {
        const b = document.activeElement, row = b.closest('.actions')?.getBoundingClientRect(), r = b.getBoundingClientRect();
        return row && (r.left < row.left || r.right > row.right) ? b.textContent : '';
      }));
      visited.add(await page.eval(() => document.activeElement.id));
      await page.press('ArrowRight');
    }
    const enabled = await page.eval(() => document.querySelectorAll('#toolbar button:enabled').length);
    expect('a phone: the arrows show each button whole', halfHidden.join('') === '' && visited.size === enabled,
      `${halfHidden.filter(Boolean).join()}; ${visited.size} of ${enabled} buttons`);
    await page.click({ row: 'News One' });
    await page.click('#move-bottom');
    await page.waitFor(() => /moved to position 12/.test(document.getElementById('status').textContent)).catch(() => {});
    const clicked = await said();
    await page.setViewport(1280, 800);
    expect('a phone shows 12 rows', phone.rows >= 12, `${phone.rows} rows`);
    expect('a phone on its side shows 4', sideways.rows >= 4, `${sideways.rows} rows`);
    expect('no button under the search box', phone.under.length === 0, phone.under.join());
    expect('the search box and the rows fit the screen', phone.outside === 0, `${phone.outside} past its edge`);
    for (const [how, found] of [['upright', phone], ['on its side', sideways]])
      expect(`a phone ${how}: every button takes a click`, found.unclickable.length === 0, found.unclickable.join());
    expect('a button scrolled to on a phone takes a click', /moved to position 12/.test(clicked), clicked);
    // The search box's hint fits it.
    expect('the search hint is not cut', await page.eval(() => {
      const input = document.getElementById('search'), style = getComputedStyle(input);
      const context = document.createElement('canvas').getContext('2d');
      context.font = `${style.fontSize} ${style.fontFamily}`;
      const room = input.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      return context.measureText(input.placeholder).width <= room;
    }));
  });

  // Escape lets a drag go where it started; Ctrl held on a selected row
  // that is dragged moves it with the rest.
  await section('Escape and Ctrl+drag', async () => {
    await opened(example, 12);
    const before = await names();
    await page.click({ row: 'Jazz FM' });
    await page.click({ row: 'Movie House' }, { modifiers: ['Control'] });
    const from = await page.boundingBox({ row: 'Movie House' }), to = await page.boundingBox({ row: 'Weather Now' });
    await page.move(from.x + 200, from.y + from.height / 2);
    await page.down();
    await page.move(to.x + 200, to.y + to.height - 2, { steps: 5 });
    await page.press('Escape');
    await page.up();
    await settled();
    expect('Escape cancels a drag, and says so', (await names()).join() === before.join() &&
      (await said()) === 'Drag cancelled: nothing moved', `${(await names()).join()}; ${await said()}`);
    // The drivers hold no key through a drag: the events a hand makes.
    await page.eval(() => {
      const row = (n) => [...document.querySelectorAll('[role=option]')].find((r) => r.querySelector('.name').textContent === n);
      const from = row('Movie House').querySelector('.name').getBoundingClientRect();
      const to = row('Weather Now').getBoundingClientRect();
      const at = (x, y) => ({ bubbles: true, cancelable: true, pointerId: 9, pointerType: 'mouse', isPrimary: true,
        button: 0, ctrlKey: true, clientX: x, clientY: y });
      const target = row('Movie House').querySelector('.name');
      target.dispatchEvent(new PointerEvent('pointerdown', at(from.x + 5, from.y + 5)));
      for (let y = from.y + 5; y < to.bottom - 2; y += 8) target.dispatchEvent(new PointerEvent('pointermove', at(from.x + 5, y)));
      target.dispatchEvent(new PointerEvent('pointermove', at(from.x + 5, to.bottom - 2)));
      target.dispatchEvent(new PointerEvent('pointerup', at(from.x + 5, to.bottom - 2)));
    });
    await settled();
    const now = await names();
    expect('a Ctrl+drag of a selected row takes the whole selection', now.slice(-2).join() === 'Jazz FM,Movie House',
      now.join());
  });

  // A finger taps a row to select it, and its handle to add it or take it
  // away.
  await section('Touch', async () => {
    await opened(example, 12);
    const tap = (name, cell) => page.eval((n, c) => {
      const row = [...document.querySelectorAll('[role=option]')].find((r) => r.querySelector('.name').textContent === n);
      const target = row.querySelector(c), box = target.getBoundingClientRect();
      const at = { bubbles: true, cancelable: true, pointerId: 7, pointerType: 'touch', isPrimary: true, button: 0,
        clientX: box.x + box.width / 2, clientY: box.y + box.height / 2 };
      target.dispatchEvent(new PointerEvent('pointerdown', at));
      target.dispatchEvent(new PointerEvent('pointerup', at));
    }, name, cell);
    await tap('Jazz FM', '.name');
    expect('a tap selects a row', (await selected()).join() === 'Jazz FM', (await selected()).join());
    await tap('Kids Corner', '.handle');
    expect('a tap on a handle adds the row', (await selected()).join() === 'Jazz FM,Kids Corner', (await selected()).join());
    await tap('Jazz FM', '.handle');
    expect('and takes it away', (await selected()).join() === 'Kids Corner', (await selected()).join());
  });

  // Move to... counts the selection in; a rename says what becomes of a
  // second name; Ctrl+S in the search box saves the list, not the page.
  await section('Move to, rename, Ctrl+S', async () => {
    await opened(example, 12);
    await page.press('Control+a');
    await page.click({ row: 'News One' }, { modifiers: ['Control'] });
    await page.click({ row: 'City Life' }, { modifiers: ['Control'] });
    await page.click('#move-to');
    await page.fill('#position', '1e1');
    await page.press('Enter');
    const why = await page.text('#move-why');
    expect('ten channels selected move to 1..3, and 1e1 is no number', why === 'Give a whole number from 1 to 3.', why);
    await page.press('Escape');
    await page.click({ row: 'Nature World' });
    await page.press('F2');
    const note = await page.text('#rename-note');
    expect('a rename says the second name goes', note === 'A new name replaces its second name, Nature World HD, too.', note);
    await page.press('Escape');
    // In the search box, Ctrl+S saves the list; in a dialog, it waits.
    const list = await page.download(async () => {
      await page.click('#search');
      await page.press('Control+s');
    });
    const checked = run('--check', '-f', list).stdout.toString();
    expect('Ctrl+S in the search box saves the list', checked === `${list}: OK, 12 channels\n`, checked);
    await page.click('#move-to');
    expect('Ctrl+S in a dialog is not the browser\'s', await page.eval(() => {
      const event = new KeyboardEvent('keydown', { key: 's', ctrlKey: true, bubbles: true, cancelable: true });
      document.getElementById('position').dispatchEvent(event);
      return event.defaultPrevented && document.getElementById('move-dialog').open;
    }));
    await page.press('Escape');
  });

  // A listing opened as a list, a list cut short as a reference, a failed
  // reference after a good one: each said plainly, nothing of the last left.
  await section('Files of the wrong kind', async () => {
    const listing = path.join(work, 'order.txt');
    fs.writeFileSync(listing, run('-f', example, '--listing').stdout);
    await page.setFile('#open-file', listing);
    await page.waitFor(() => /is text, not a channel list/.test(document.getElementById('notice-text').textContent));
    await opened(example, 12);
    const reversed = path.join(work, 'reversed.txt'), cut = path.join(work, 'cut-reference.dat');
    fs.writeFileSync(reversed, run('-f', example, '-l').stdout.toString().trimEnd().split('\n').reverse().join('\n'));
    fs.writeFileSync(cut, fs.readFileSync(example).subarray(0, 2000));
    await page.click('#reference');
    await page.setFile('#reference-file', reversed);
    await page.waitFor(() => /matched exactly/.test(document.getElementById('reference-summary').textContent));
    await page.setFile('#reference-file', cut);
    await page.waitFor(() => /cannot serve as the reference/.test(document.getElementById('reference-summary').textContent));
    expect('a list cut short as the reference: said, and no rows of the last one', await page.eval(() =>
      document.getElementById('reference-preview').children.length === 0 &&
      document.getElementById('reference-apply').disabled));
    await page.press('Escape');
  });

  // In a Latin-1 list every name shows byte for byte, and a rename keeps
  // the bytes it does not change.
  await section('A Latin-1 list', async () => {
    // Names given as bytes, through a listing: one that is valid UTF-8, one
    // that is not.
    const latin = path.join(work, 'latin.dat'), renames = path.join(work, 'latin.txt');
    const lines = run('-f', example, '-l').stdout.toString().trimEnd().split('\n').map((l) => l.split(':')[0]);
    fs.writeFileSync(renames, Buffer.concat([Buffer.from('1:\xc3\xa9t\xc3\xa9 FM:TV\n2:Caf\xe9:TV\n', 'latin1'),
      Buffer.from(`${lines.slice(2).join('\n')}\n`)]));
    const made = run('-f', example, '-o', latin, '--apply', renames);
    expect('the Latin-1 list is made', made.status === 0, made.stderr.toString());
    await opened(latin, 12);
    await page.click({ row: 'Ã©tÃ© FM' });
    await page.press('F2');
    await page.fill('#new-name', 'Ã©tÃ© FM2');
    await page.press('Enter');
    await page.waitFor(() => /renamed to/.test(document.getElementById('status').textContent));
    const saved = fs.readFileSync(await page.download('#save'));
    expect('the bytes not changed stay', saved.includes(Buffer.from('\xc3\xa9t\xc3\xa9 FM2', 'latin1')));
  });

  // Ctrl+S on a list that cannot be saved keeps the reason in view.
  await section('Ctrl+S on a list too long to name', async () => {
    await opened(list(65536), 65536);
    await settled();
    await page.press('Control+s');
    await settled();
    expect('the reason stays', /more than the 65,535 a listing can number/.test(await page.text('#notice-text')),
      await page.text('#notice-text'));
  });

  // Where the browser writes files itself (Chromium), over http as a page
  // must be for its pickers: Save as goes on with the new file, a change
  // made while a save is written stays unsaved, and a failed save's alert
  // goes with the next save that works.
  // A file dropped on Apply a reference is the reference; on another
  // dialog it opens nothing, and the dialog keeps what was typed; two files
  // dropped at once open the first, and say so.
  await section('Files dropped on a dialog, and two at once', async () => {
    await opened(example, 12);
    await page.click('#reference');
    await drop(example);
    await page.waitFor(() => /matched exactly/.test(document.getElementById('reference-summary').textContent));
    expect('a list dropped on Apply a reference is the reference, not the list',
      (await page.text('#counts')).startsWith('12 channels') && (await page.text('#file-name')) === 'channels.dat',
      `${await page.text('#counts')} ${await page.text('#file-name')}`);
    await page.press('Escape');
    await page.click({ row: 'Jazz FM' });
    await page.press('F2');
    await page.fill('#new-name', 'Kept');
    await drop(list(40));
    await settled();
    expect('a file dropped on Rename opens nothing and keeps what was typed', await page.eval(() =>
      document.getElementById('rename-dialog').open && document.getElementById('new-name').value === 'Kept' &&
      /Close this dialog first/.test(document.getElementById('rename-why').textContent)) &&
      (await page.text('#counts')).startsWith('12 channels'), await page.text('#counts'));
    await page.press('Escape');
    await drop(list(40), example);
    await page.waitFor(() => /opened: 40 channels/.test(document.getElementById('status').textContent));
    expect('two files dropped: the first opens, and the second is named', /2 files were dropped; only list-40\.dat is opened/
      .test(await page.text('#notice-text')), await page.text('#notice-text'));
  });

  if (engine === 'chromium') await section('Saving through file handles', savingThroughHandles);
}

async function savingThroughHandles() {
  const settled = () => page.eval(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(() => r(true)))));
  const server = http.createServer((request, response) => {
    response.setHeader('Content-Type', 'text/html');
    response.end(fs.readFileSync(pageFile));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  try {
    await page.open(`http://127.0.0.1:${server.address().port}/tunvex.html`);
    await page.waitFor(() => document.body.classList.contains('ready'));
    await page.eval(async (base64) => {
      const root = await navigator.storage.getDirectory();
      const file = await root.getFileHandle('channels.dat', { create: true });
      const writable = await file.createWritable();
      await writable.write(Uint8Array.from(atob(base64), (c) => c.charCodeAt(0)));
      await writable.close();
      window.root = root;
      window.showOpenFilePicker = async () => [file];
      window.showSaveFilePicker = async () => root.getFileHandle('copy.dat', { create: true });
      window.confirm = () => true;
    }, fs.readFileSync(example).toString('base64'));
    // The name of a file's first channel.
    const listed = (name) => page.eval(async (n) => {
      const bytes = new Uint8Array(await (await (await window.root.getFileHandle(n)).getFile()).arrayBuffer());
      return [...bytes.subarray(16, 48)].filter((b) => b).map((b) => String.fromCharCode(b)).join('');
    }, name);
    await page.click('#open');
    await page.waitFor(() => /opened: 12 channels/.test(document.getElementById('status').textContent));
    await page.click({ row: 'Jazz FM' });
    await page.press('Alt+Home');
    await page.click('#save-as');
    await page.waitFor(() => /Saved 12 channels in copy\.dat/.test(document.getElementById('status').textContent));
    expect('Save as names the new file', (await page.text('#file-name')) === 'copy.dat', await page.text('#file-name'));
    await page.click({ row: 'Kids Corner' });
    await page.press('Alt+Home');
    await page.click('#save');
    await page.waitFor(() => /Saved 12 channels in copy\.dat/.test(document.getElementById('status').textContent) &&
      !document.getElementById('save').disabled);
    await new Promise((r) => setTimeout(r, 300));
    expect('after Save as, Save writes the new file', (await listed('copy.dat')) === 'Kids Corner', await listed('copy.dat'));
    expect('and never the one opened', (await listed('channels.dat')) === 'News One', await listed('channels.dat'));

    // A write held back until a move is made.
    await page.eval(() => {
      const own = FileSystemFileHandle.prototype.createWritable;
      FileSystemFileHandle.prototype.createWritable = async function (...args) {
        FileSystemFileHandle.prototype.createWritable = own;
        await new Promise((resolve) => { window.letWrite = resolve; });
        return own.apply(this, args);
      };
    });
    await page.click('#save');
    await page.waitFor(() => typeof window.letWrite === 'function');
    await page.click({ row: 'Weather Now' });
    await page.press('Alt+Home');
    await page.eval(() => window.letWrite());
    await page.waitFor(() => /Saved 12 channels/.test(document.getElementById('status').textContent));
    await page.eval(() => {
      window.asked = 0;
      window.confirm = () => { window.asked++; return false; };
    });
    await page.click('#open');
    await settled();
    expect('a change made while a save was written stays unsaved', (await page.eval(() => window.asked)) === 1);

    // A save that fails, then one that works.
    await page.eval(() => {
      const own = FileSystemFileHandle.prototype.createWritable;
      FileSystemFileHandle.prototype.createWritable = async function () {
        FileSystemFileHandle.prototype.createWritable = own;
        throw new DOMException('the disk is full', 'QuotaExceededError');
      };
    });
    await page.click('#save');
    await page.waitFor(() => /could not be saved/.test(document.getElementById('notice-text').textContent));
    await page.click('#save');
    await page.waitFor(() => /Saved 12 channels/.test(document.getElementById('status').textContent));
    expect('a save that works takes the failure\'s alert away', await page.eval(() =>
      document.getElementById('notice').hidden || document.getElementById('notice').className !== 'error'));

    // Saved meanwhile by another tab or the command line, the file is not
    // written over without asking.
    await page.click({ row: 'News One' });
    await page.press('Alt+Home');
    const size = () => page.eval(async () => (await (await window.root.getFileHandle('copy.dat')).getFile()).size);
    await page.eval(async () => {
      const writable = await (await window.root.getFileHandle('copy.dat')).createWritable();
      await writable.write(new Uint8Array([1, 2, 3]));
      await writable.close();
      window.asked = 0;
      window.confirm = () => { window.asked++; return false; };
    });
    await page.click('#save');
    await page.waitFor(() => /Not saved: the file changed meanwhile/.test(document.getElementById('status').textContent));
    expect('a file changed since it was opened is not saved over unasked', (await page.eval(() => window.asked)) === 1 &&
      (await size()) === 3, String(await size()));
    await page.eval(() => { window.confirm = () => true; });
    await page.click('#save');
    await page.waitFor(() => /Saved 12 channels/.test(document.getElementById('status').textContent));
    expect('and saved over when the answer is yes', (await size()) === 12 + 12 * 576, String(await size()));
  } finally {
    server.close();
  }
}
