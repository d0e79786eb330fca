// The page as a user uses it, in one browser engine (Chromium, Firefox or
// WebKit): a list opened, reorganised by mouse and keyboard, renamed,
// sorted, undone and redone, carried over from a reference, saved and
// exported; then files that are no list. What it saves and exports is
// compared with tunvex, byte for byte. Screenshots at 1280x800 and 390x844
// go into SCREENSHOT_DIR, named page-ENGINE-WIDTHxHEIGHT.png.
//
//   node page.mjs chromium|firefox|webkit TUNVEX PAGE.html EXAMPLE.dat [SCREENSHOT_DIR]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch, require } from './engines/index.mjs';

const [engine, tunvex, pageFile, example, shots] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-page-'));
// Also when a signal ends the run: the engines' adapters exit on one.
process.on('exit', () => fs.rmSync(work, { recursive: true, force: true }));
let failures = 0;
function expect(what, ok, detail = '') {
  if (ok) return;
  failures++;
  console.log(`FAIL ${engine}: ${what}${detail ? `: ${detail}` : ''}`);
}
const run = (...args) => spawnSync(tunvex, args, { maxBuffer: 1 << 26 });

const downloads = path.join(work, 'downloads');
fs.mkdirSync(downloads);
const started = Date.now();
const page = await launch(engine, { downloads });
try {
  await scenario();
} catch (e) {
  // A step that cannot go on ends the run, said as a failure with the rest
  // of what was found.
  expect('the scenario runs to its end', false, e.stack);
} finally {
  // Also the error that stopped a step, if the page had one.
  const errors = await page.errors().catch((e) => [`none could be read: ${e.message}`]);
  expect('no error on the page', errors.length === 0, errors.join('; '));
  await page.close();
}
console.log(`web page in ${engine}: ${failures} failures (${((Date.now() - started) / 1000).toFixed(1)} s)`);
process.exit(failures ? 1 : 0);

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
    await page.waitFor((n) => document.getElementById('notice').textContent.startsWith(n), name);
    const verdict = run('--check', '-f', path.join(work, name)).stdout.toString().split('\n')[0].split(': ').slice(1).join(': ');
    const shown = await page.text('#notice');
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
