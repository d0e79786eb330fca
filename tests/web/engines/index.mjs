// One way to drive the page in each browser engine, so that one scenario
// runs unchanged in all of them. An engine's adapter gives:
//
//   open(url)                       the page, with a viewport of 1280x800
//   setFile(selector, path)         a file chosen in an <input type=file>
//   click(target, { modifiers })    target: a CSS selector or { row: NAME },
//   dblclick(target)                the option whose name cell is NAME
//   press(keys)                     'End', 'Control+z', 'Shift+ArrowUp', ...
//   fill(selector, text)            an input's text replaced
//   move(x, y, { steps }), down(), up()   the mouse, in viewport pixels
//   download(target)                clicked, the file it downloads: its path;
//                                   or a function that makes the download
//   screenshot(path), setViewport(width, height)
//   media(type)                     'print' or 'screen' (Chromium alone: the
//                                   others' drivers cannot emulate it)
//   eval(fn, ...args)               fn run in the page on JSON arguments
//   requests()                      URLs the page asked for, but data:,
//                                   blob: and file: ones
//   errors()                        uncaught errors in the page
//   close()                         everything the adapter started stopped
//
// and, built on those here: waitFor(fn, ...args), until fn in the page is
// truthy (10 s at most), text(selector) and boundingBox(target).
import { createRequire } from 'node:module';

export const require = createRequire(new URL('../../../web/package.json', import.meta.url));
export const engines = ['chromium', 'firefox', 'webkit'];

// Runs in the page: the element a target names, or null.
export function find(target) {
  if (typeof target === 'string') return document.querySelector(target);
  return [...document.querySelectorAll('[role=option]')]
    .find((option) => option.querySelector('.name')?.textContent === target.row) ?? null;
}

// An expression that calls fn on args in the page: every engine evaluates a
// string, and not every one passes more than one argument.
export const call = (fn, args) => `(${fn})(...${JSON.stringify(args)})`;

export const local = (url) => /^(data|blob|file):/.test(url);

// Keys are named as the DOM names them (KeyboardEvent.key); an adapter maps
// them where its engine's names differ. A combination is held down in
// order and let go in reverse.
export const keys = (combination) => combination.split(/\+(?!$)/);

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Polled rather than left to each engine's own wait, so that a wait means
// the same in all three and its timeout says what was awaited. Only whether
// fn's value is truthy comes back: an element does not cross from every
// engine.
async function waitFor(fn, ...args) {
  const timeout = 10000;
  for (const end = Date.now() + timeout; ;) {
    if (await this.eval(`(...args) => Boolean((${fn})(...args))`, ...args)) return;
    if (Date.now() > end) throw new Error(`timed out after ${timeout} ms waiting for ${fn}`);
    await sleep(50);
  }
}

export async function launch(name, options) {
  if (!engines.includes(name)) throw new Error(`no engine ${name}: one of ${engines.join(', ')}`);
  const adapter = await (await import(`./${name}.mjs`)).launch(options);
  return Object.assign(adapter, {
    name,
    waitFor,
    text: (selector) => adapter.eval((s) => document.querySelector(s)?.textContent ?? null, selector),
    async boundingBox(target) {
      return adapter.eval(`(target) => {
        const box = (${find})(target)?.getBoundingClientRect();
        return box && { x: box.x, y: box.y, width: box.width, height: box.height };
      }`, target);
    },
  });
}
