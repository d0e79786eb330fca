// Debian's Firefox ESR, headless, through puppeteer-core over WebDriver
// BiDi: no driver binary between them.
import fs from 'node:fs';
import path from 'node:path';
import { call, find, keys, local, require } from './index.mjs';

const puppeteer = require('puppeteer-core');

const binary = () => process.env.FIREFOX ?? '/usr/bin/firefox-esr';

export async function launch({ downloads, language = 'en-US' }) {
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: binary(), headless: true, defaultViewport: { width: 1280, height: 800 },
    extraPrefsFirefox: { 'intl.accept_languages': language },
  });
  try {
    // Firefox has no File System Access API: Save is a download. BiDi tells
    // where each download ends and whether it completed; puppeteer does not
    // pass that on, its connection does.
    let ended;
    browser.connection.on('browsingContext.downloadEnd', (e) => ended?.(e));
    const page = (await browser.pages())[0] ?? await browser.newPage();
    // As long as the other engines wait for a step.
    page.setDefaultTimeout(10000);
    const requests = [], errors = [];
    page.on('request', (r) => local(r.url()) || requests.push(r.url()));
    page.on('pageerror', (e) => errors.push(e.message));
    page.on('dialog', (d) => d.accept());
    const locate = async (target) => {
      await page.waitForFunction(find, {}, target);
      return page.evaluateHandle(find, target);
    };
    // Puppeteer presses one key at a time; combinations are held by hand.
    async function hold(modifiers, action) {
      for (const key of modifiers) await page.keyboard.down(key);
      try {
        await action();
      } finally {
        for (const key of [...modifiers].reverse()) await page.keyboard.up(key);
      }
    }
    let saved = 0;
    return {
      open: (url) => page.goto(url),
      setFile: async (selector, file) => (await locate(selector)).uploadFile(file),
      click: async (target, { modifiers = [] } = {}) => {
        const element = await locate(target);
        await hold(modifiers, () => element.click());
      },
      dblclick: async (target) => (await locate(target)).click({ count: 2 }),
      press: (combination) => {
        const all = keys(combination);
        return hold(all.slice(0, -1), () => page.keyboard.press(all.at(-1)));
      },
      fill: (selector, text) => page.locator(selector).fill(text),
      move: (x, y, { steps = 1 } = {}) => page.mouse.move(x, y, { steps }),
      down: () => page.mouse.down(),
      up: () => page.mouse.up(),
      eval: (fn, ...args) => page.evaluate(call(fn, args)),
      async download(target) {
        // A folder of its own for each: a second file of one name in one
        // folder would be renamed.
        const folder = path.join(downloads, `${++saved}`);
        fs.mkdirSync(folder);
        await browser.connection.send('browser.setDownloadBehavior',
          { downloadBehavior: { type: 'allowed', destinationFolder: folder } });
        const done = new Promise((resolve, reject) => {
          const timer = setTimeout(() => reject(new Error(`no download from ${JSON.stringify(target)}`)), 10000);
          ended = (e) => {
            clearTimeout(timer);
            ended = undefined;
            if (e.status === 'complete') resolve(e.filepath);
            else reject(new Error(`the download from ${JSON.stringify(target)} ${e.status}`));
          };
        });
        const act = typeof target === 'function' ? target : () => locate(target).then((element) => element.click());
        const [file] = await Promise.all([done, act()]);
        return file;
      },
      screenshot: (file) => page.screenshot({ path: file }),
      setViewport: (width, height) => page.setViewport({ width, height }),
      requests: async () => requests,
      errors: async () => errors,
      close: () => browser.close(),
    };
  } catch (e) {
    await browser.close();
    throw e;
  }
}
