// The page in headless Chromium on a list of 65,535 channels: opening it
// until its first rows show, moving 1,000 selected channels, and saving.
// Each is timed in the page (performance.measure, from the event to the
// frame that shows the result); medians of 5 runs. Aims: 300, 50, 300 ms.
//
//   node bench/page_bench.mjs [BUILD_DIR] [PAGE]   (build, build-web/tunvex.html)
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../web/package.json', import.meta.url));
const { chromium } = require('playwright-core');
const build = process.argv[2] ?? 'build', pageFile = path.resolve(process.argv[3] ?? 'build-web/tunvex.html');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-page-bench-'));
const list = path.join(work, 'list.dat');
execFileSync(path.join(build, 'mkchannels'), ['-n', '65535', list]);

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--no-first-run'],
});
const measured = (page, name) => page.waitForFunction((n) => performance.getEntriesByName(n).length > 0, name)
  .then(() => page.evaluate((n) => performance.getEntriesByName(n).at(-1).duration, name));
const times = { open: [], move: [], save: [] };
for (let run = 0; run < 5; run++) {
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 }, acceptDownloads: true });
  await page.goto(pathToFileURL(pageFile).href);
  await page.waitForSelector('body.ready');
  await page.setInputFiles('#open-file', list);
  times.open.push(await measured(page, 'open'));
  await page.click('[role=option] >> nth=0');
  await page.evaluate(() => (document.getElementById('channels').scrollTop = 999 * 34 - 300));
  await page.locator('[role=option]', { has: page.locator('.number', { hasText: /^1000$/ }) }).click({ modifiers: ['Shift'] });
  await page.evaluate(() => performance.clearMeasures('change'));
  await page.keyboard.press('Alt+End');
  times.move.push(await measured(page, 'change'));
  const download = page.waitForEvent('download');
  await page.click('#save');
  await download;
  times.save.push(await measured(page, 'save'));
  await page.close();
}
await browser.close();
fs.rmSync(work, { recursive: true, force: true });
const median = (t) => t.sort((a, b) => a - b)[t.length >> 1].toFixed(0);
console.log('The page in headless Chromium, 65,535 channels, medians of 5 runs:');
console.log(`open until the first rows show: ${median(times.open)} ms (aim 300)`);
console.log(`move 1,000 selected channels:    ${median(times.move)} ms (aim 50)`);
console.log(`save:                            ${median(times.save)} ms (aim 300)`);
