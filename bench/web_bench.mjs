// The WebAssembly core against the native tunvex on a list of 65,535
// channels: opening (the check's verdict and the channels, looked at) and
// saving (the list made from the file's bytes and the changes, with its
// trailer), medians of 11 runs each, and the module's size.
//
//   node bench/web_bench.mjs [BUILD_DIR] [WEB_BUILD_DIR]   (build, build-web)
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { performance } from 'node:perf_hooks';
import { loadCore } from '../web/core.js';

const build = process.argv[2] ?? 'build', webBuild = process.argv[3] ?? 'build-web';
const runs = 11;
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-web-bench-'));
const list = path.join(work, 'list.dat'), out = path.join(work, 'out.dat');
execFileSync(path.join(build, 'mkchannels'), ['-n', '65535', list]);
const bytes = fs.readFileSync(list);
const wasm = fs.readFileSync(path.join(webBuild, 'tunvex-core.wasm'));
const core = await loadCore(wasm);

const median = (times) => times.sort((a, b) => a - b)[times.length >> 1];
function timed(f) {
  const times = [];
  for (let i = 0; i < runs; i++) {
    const start = performance.now();
    f();
    times.push(performance.now() - start);
  }
  return median(times);
}
const tunvex = (...args) => () => spawnSync(path.join(build, 'tunvex'), args, { stdio: 'ignore' });

const order = Array.from({ length: 65535 }, (_, i) => i + 1);
const open = timed(() => (core.check(bytes), core.survey(bytes)));
const save = timed(() => core.edit(bytes, { order, names: new Map() }));
const started = timed(tunvex('-f', '/dev/null', '--check'));
const load = timed(tunvex('-f', list)) - started;
const check = timed(tunvex('--check', '-f', list)) - started;
const edit = timed(tunvex('-f', list, '-o', out, '-m', '1:1')) - started;
fs.rmSync(work, { recursive: true, force: true });

const ms = (t) => `${t.toFixed(1)} ms`;
console.log(`65,535 channels (${bytes.length} bytes), medians of ${runs} runs; native times less a run's start (${ms(started)})`);
console.log(`open:  module ${ms(open)}   native --check ${ms(check)} + load ${ms(load)} = ${ms(check + load)}   ratio ${(open / (check + load)).toFixed(2)}`);
console.log(`save:  module ${ms(save)}   native durable save ${ms(edit - load)}   ratio ${(save / (edit - load)).toFixed(2)}`);
console.log(`module: ${wasm.length} bytes, ${zlib.gzipSync(wasm, { level: 9 }).length} gzip`);
