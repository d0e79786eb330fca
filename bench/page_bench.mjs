// The page on a list of 65,535 channels, in each browser engine headless:
// opening it until its first rows show, against the time the same browser
// takes only to read the file (File.arrayBuffer() from a file input of the
// bench's own, the page not involved); the longest frame while the whole
// list scrolls past; moving 1,000 selected channels; saving; and what 300
// single moves add to the engine's memory (the private memory of its
// processes, from /proc, as no heap figure is read alike in all three).
// Times are taken in the page (performance.measure, from the event to the
// frame that shows the result); medians of the runs. Aims: open 1.3 times
// the read, a frame 50 ms, a move 50 ms, a save 300 ms, 300 moves 20 MB.
// Not a test: the figures are printed, not judged.
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

// The private memory (MB) of every process this one started, the X
// server aside: the engine, its content processes and its driver.
function engineMemory() {
  const parents = new Map();
  for (const pid of fs.readdirSync('/proc').filter((d) => /^\d+$/.test(d))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      parents.set(pid, { parent: stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1], name: stat.slice(stat.indexOf('(') + 1, stat.lastIndexOf(')')) });
    } catch {
      // gone meanwhile
    }
  }
  const ours = (pid) => {
    for (let p = pid; p && p !== '0'; p = parents.get(p)?.parent) if (p === String(process.pid)) return true;
    return false;
  };
  let kb = 0;
  for (const [pid, { name }] of parents) {
    if (pid === String(process.pid) || name === 'Xvfb' || !ours(pid)) continue;
    try {
      for (const m of fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8').matchAll(/^Private_\w+:\s+(\d+) kB/gm)) kb += Number(m[1]);
    } catch {
      // gone meanwhile
    }
  }
  return kb / 1024;
}

// The file read by the browser alone, through an input the page knows
// nothing of.
async function readAlone(page) {
  await page.eval(() => {
    const input = document.body.appendChild(document.createElement('input'));
    Object.assign(input, { type: 'file', id: 'bench-file', hidden: true });
    input.addEventListener('change', async () => {
      const start = performance.now();
      await input.files[0].arrayBuffer();
      performance.measure('read-alone', { start, end: performance.now() });
    });
  });
  await page.setFile('#bench-file', list);
  return measured(page, 'read-alone');
}

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
  const read = await readAlone(page);
  await page.setFile('#open-file', list);
  const open = await measured(page, 'open');
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
  const settle = () => page.eval(() => new Promise((r) => setTimeout(r, 1000)));
  await settle();
  await page.eval(() => { document.getElementById('channels').scrollTop = 0; });
  await page.waitFor(() => [...document.querySelectorAll('.name')].some((c) => c.textContent === 'Channel 1001'));
  await page.click({ row: 'Channel 1001' });
  const before = engineMemory();
  await page.eval(async () => {
    for (let i = 0; i < 300; i++) {
      document.getElementById('move-down').click();
      if (i % 10 === 9) await new Promise((r) => requestAnimationFrame(r));
    }
  });
  await settle();
  const memory = engineMemory() - before;
  return { open, read, frame, move, save, memory };
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
console.log('engine     runs  read  open  open/read  longest frame  move 1,000  save  300 moves (MB)');
for (const r of results) {
  console.log(`${r.engine.padEnd(10)} ${String(r.runs).padStart(4)} ${r.read.toFixed(0).padStart(5)} ${r.open.toFixed(0).padStart(5)}` +
    `  ${(r.open / r.read).toFixed(2).padStart(9)}  ${r.frame.toFixed(0).padStart(13)}  ${r.move.toFixed(0).padStart(10)}` +
    `  ${r.save.toFixed(0).padStart(4)}  ${r.memory.toFixed(1).padStart(14)}`);
}
console.log('aims: open/read 1.3, longest frame 50, move 50, save 300, 300 moves 20 MB');
