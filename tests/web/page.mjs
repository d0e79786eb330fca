// The page as a user uses it, in Debian's Chromium, headless: a list opened,
// reorganised by mouse and keyboard, renamed, sorted, undone and redone,
// carried over from a reference, saved and exported; then files that are no
// list. What it saves and exports is compared with tunvex, byte for byte.
//
//   node page.mjs TUNVEX PAGE.html EXAMPLE.dat [SCREENSHOT_DIR]
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../../web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const [tunvex, pageFile, example, shots] = process.argv.slice(2);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-page-'));
let failures = 0;
function expect(what, ok, detail = '') {
  if (ok) return;
  failures++;
  console.log(`FAIL ${what}${detail ? `: ${detail}` : ''}`);
}
const run = (...args) => spawnSync(tunvex, args, { maxBuffer: 1 << 26 });

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run'],
});
const page = await browser.newPage({ viewport: { width: 1280, height: 800 }, acceptDownloads: true });
const requests = [];
page.on('request', (r) => /^(file|data|blob):/.test(r.url()) || requests.push(r.url()));
page.on('pageerror', (e) => expect('no error on the page', false, e.message));
page.on('dialog', (d) => d.accept());
await page.goto(pathToFileURL(pageFile).href);
await page.waitForSelector('body.ready');

const names = () => page.$$eval('[role=option] .name', (cells) => cells.map((c) => c.textContent));
const row = (name) => page.locator('[role=option]', { has: page.locator('.name', { hasText: new RegExp(`^${name}$`) }) });
const status = async (text) => {
  await page.waitForFunction((t) => document.getElementById('status').textContent.includes(t), text, { timeout: 5000 })
    .catch(() => {});
  const shown = await page.textContent('#status');
  expect(`"${text}" announced`, shown.includes(text), shown);
};
async function saved(button) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  const file = path.join(work, download.suggestedFilename());
  await download.saveAs(file);
  return file;
}

// Open, reorganise, save.
await page.setInputFiles('#open-file', example);
await page.waitForSelector('[role=option]');
const original = await names();
expect('the example opens', original.length === 12 && original[0] === 'News One', original.join());
await row('Weather Now').click();
await page.keyboard.press('Alt+Home');
await status('1 channel moved to position 1');
await row('Jazz FM').click();
await row('Movie House').click({ modifiers: ['Shift'] });
const from = await row('Jazz FM').boundingBox(), to = await row('Country Hits').boundingBox();
await page.mouse.move(from.x + 200, from.y + from.height / 2);
await page.mouse.down();
await page.mouse.move(to.x + 200, to.y + to.height / 2, { steps: 5 });
await page.mouse.move(to.x + 200, to.y + to.height - 2, { steps: 2 });
await page.mouse.up();
await status('3 channels moved to position 10');
await page.keyboard.press('End');
await page.keyboard.press('Shift+ArrowUp');
await page.keyboard.press('Delete');
await status('2 channels deleted');
await row('City Life').dblclick();
await page.fill('#new-name', 'x'.repeat(40));
await page.keyboard.press('Enter');
const why = await page.textContent('#rename-why');
expect('a name too long is refused, saying why', why === 'The new name must be 1 to 31 bytes, not 40.', why);
await page.fill('#new-name', 'Café Life');
await page.keyboard.press('Enter');
await status('renamed to Café Life');
await page.click('#sort');
const sorted = await names();
await page.keyboard.press('Control+z');
await status('Undone: 10 channels sorted by name');
await page.keyboard.press('Control+y');
expect('redo sorts again', (await names()).join() === sorted.join(), (await names()).join());
const reference = path.join(work, 'before-the-rescan.txt');
fs.writeFileSync(reference, run('-f', example, '-l').stdout.toString().trimEnd().split('\n').reverse().join('\n'));
await page.click('#reference');
await page.setInputFiles('#reference-file', reference);
await page.waitForFunction(() => /matched exactly/.test(document.getElementById('reference-summary').textContent));
const summary = await page.textContent('#reference-summary');
expect('the proposal is summed up', summary.startsWith('9 matched exactly, 0 loosely, 1 not at all; 3 reference'), summary);
await page.click('#reference-apply');
await status('Reference applied');
if (shots) {
  await page.mouse.move(0, 0);
  await page.screenshot({ path: path.join(shots, 'page-1280x800.png') });
  await page.setViewportSize({ width: 390, height: 844 });
  await page.screenshot({ path: path.join(shots, 'page-390x844.png') });
  await page.setViewportSize({ width: 1280, height: 800 });
}
const dat = await saved('#save');
const txt = await saved('#export');
expect('saved and exported under the opened name', path.basename(dat) === 'channels.dat' && path.basename(txt) === 'channels.txt');

// The export is what tunvex --listing prints of the saved list; the saved
// list is what tunvex --apply makes of the opened one, the export taken
// back to the numbers and names it had there.
expect('the export is --listing of the saved list', run('-f', dat, '--listing').stdout.equals(fs.readFileSync(txt)));
const before = new Map(run('-f', example, '-l').stdout.toString().trimEnd().split('\n').map((l) => [l.split(':')[1], l.split(':')[0]]));
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
await page.setInputFiles('#open-file', dat);
await page.waitForFunction(() => /^channels\.dat opened: 10 channels/.test(document.getElementById('status').textContent));
expect('saved unchanged, the same bytes', fs.readFileSync(await saved('#save')).equals(savedBytes));

// Files that are no whole list: said in plain words, and the page goes on.
const exampleBytes = fs.readFileSync(example);
const bad = { 'cut.dat': exampleBytes.subarray(0, 700), 'noise.dat': Buffer.from(Array.from({ length: 3000 }, (_, i) => (i * 7919) % 251)) };
for (const [name, bytes] of Object.entries(bad)) {
  fs.writeFileSync(path.join(work, name), bytes);
  await page.setInputFiles('#open-file', path.join(work, name));
  await page.waitForFunction((n) => document.getElementById('notice').textContent.startsWith(n), name);
  const verdict = run('--check', '-f', path.join(work, name)).stdout.toString().split('\n')[0].split(': ').slice(1).join(': ');
  const shown = await page.textContent('#notice');
  expect(`${name} is explained`, shown === `${name} cannot be opened: it is not a whole channel list: ${verdict}. ` +
    'channels.dat is still open.', shown);
}
await row('Kids Corner').click();
await page.click('#move-top');
expect('the page goes on', (await names())[0] === 'Kids Corner', (await names()).join());
await page.keyboard.press('Control+z');

// No serious or critical accessibility problem, with a dialog open too.
await page.addScriptTag({ content: fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8') });
const serious = async () => (await page.evaluate(() => axe.run())).violations
  .filter((v) => v.impact === 'serious' || v.impact === 'critical').map((v) => `${v.id}: ${v.help}`);
expect('axe finds nothing serious', (await serious()).length === 0, (await serious()).join('; '));
await page.click('#move-to');
expect('axe finds nothing serious in a dialog', (await serious()).length === 0, (await serious()).join('; '));
await page.keyboard.press('Escape');
expect('no request leaves the page', requests.length === 0, requests.join(' '));
await browser.close();
fs.rmSync(work, { recursive: true, force: true });
console.log(`web page: ${failures} failures`);
process.exit(failures ? 1 : 0);
