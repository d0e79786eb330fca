// The page on a list of 65,535 channels, in each browser engine headless:
// opening it until its first rows show, against the time the same browser
// takes only to read the file (File.arrayBuffer()); the longest frame while
// the whole list scrolls past; moving 1,000 selected channels; and saving.
// Each is timed in the page (performance.measure, from the event to the
// frame that shows the result); medians of the runs. Aims: open 1.5 times
// the read, a frame 50 ms, a move 50 ms, a save 300 ms. Not a test: the
// figures are printed, not judged.
//
//   node bench/page_bench.mjs [BUILD_DIR] [PAGE] [ENGINE...]
//        (build, build-web/tunvex.html, chromium firefox webkit)
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch } from '../tests/web/engines/index.mjs';

const [build = 'build', pageArg = 'build-web/tunvex.html', ...chosen] = process.argv.slice(2);
const engines = chosen.length ? chosen : ['chromium', 'firefox', 'webkit'];
const pageFile = path.resolve(pageArg);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-page-bench-'));
process.on('exit', () => fs.rmSync(work, { recursive: true, force: true }));
const list = path.join(work, 'list.dat');
execFileSync(path.join(build, 'mkchannels'), ['-n', '65535', list]);

const measured = async (page, name) => {
  await page.waitFor((n) => performance.getEntriesByName(n).length > 0, name);
  return page.eval((n) => performance.getEntriesByName(n).at(-1).duration, name);
};

// Scrolls the list from top to bottom ten screens a frame (a fast fling),
// and gives the longest time between two frames.
const longestFrame = (page) => page.eval(() => new Promise((resolve) => {
  const host = document.getElementById('channels');
  host.scrollTop = 0;
  let last = performance.now(), longest = 0;
  const step = () => {
    const now = performance.now();
    longest = Math.max(longest, now - last);
    last = now;
    if (host.scrollTop + host.clientHeight >= host.scrollHeight) return resolve(longest);
    host.scrollTop += 10 * host.clientHeight;
    requestAnimationFrame(step);
  };
  requestAnimationFrame(() => {
    last = performance.now();
    requestAnimationFrame(step);
  });
}));

async function runOnce(page) {
  await page.open(pathToFileURL(pageFile).href);
  await page.waitFor(() => document.body.classList.contains('ready'));
  await page.setFile('#open-file', list);
  const open = await measured(page, 'open'), read = await measured(page, 'open-read');
  // The checksum is judged, and the duplicates marked, after the first rows.
  await page.waitFor(() => document.getElementById('counts').textContent.startsWith('65535 channels'));
  await page.eval(() => new Promise((r) => setTimeout(r, 200)));
  const frame = await longestFrame(page);
  await page.eval(() => { document.getElementById('channels').scrollTop = 0; });
  await page.click({ row: 'Channel 1' });
  await page.eval(() => { document.getElementById('channels').scrollTop = 999 * 34 - 300; });
  await page.waitFor(() => [...document.querySelectorAll('.name')].some((c) => c.textContent === 'Channel 1000'));
  await page.click({ row: 'Channel 1000' }, { modifiers: ['Shift'] });
  await page.eval(() => performance.clearMeasures('change'));
  await page.press('Alt+End');
  const move = await measured(page, 'change');
  await page.download('#save');
  const save = await measured(page, 'save');
  return { open, read, frame, move, save };
}

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
const results = [];
for (const engine of engines) {
  const runs = [];
  const page = await launch(engine, { downloads: fs.mkdtempSync(path.join(work, `${engine}-`)) });
  try {
    for (let run = 0; run < (engine === 'webkit' ? 3 : 5); run++) runs.push(await runOnce(page));
  } catch (e) {
    console.log(`${engine}: could not be measured: ${e.message.split('\n')[0]}`);
  } finally {
    await page.close();
  }
  if (!runs.length) continue;
  const m = Object.fromEntries(Object.keys(runs[0]).map((k) => [k, median(runs.map((r) => r[k]))]));
  results.push({ engine, runs: runs.length, ...m });
}
console.log('The page, 65,535 channels, medians (ms):');
console.log('engine     runs  read  open  open/read  longest frame  move 1,000  save');
for (const r of results) {
  console.log(`${r.engine.padEnd(10)} ${String(r.runs).padStart(4)} ${r.read.toFixed(0).padStart(5)} ${r.open.toFixed(0).padStart(5)}` +
    `  ${(r.open / r.read).toFixed(2).padStart(9)}  ${r.frame.toFixed(0).padStart(13)}  ${r.move.toFixed(0).padStart(10)}` +
    `  ${r.save.toFixed(0).padStart(4)}`);
}
console.log('aims: open/read 1.5, longest frame 50, move 50, save 300');
