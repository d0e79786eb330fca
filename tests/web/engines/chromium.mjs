// Debian's Chromium through playwright-core, over the DevTools protocol.
import fs from 'node:fs';
import path from 'node:path';
import { call, local, require } from './index.mjs';

const { chromium } = require('playwright-core');

const binary = () => process.env.CHROMIUM ?? '/usr/bin/chromium';

export async function launch({ downloads, language = 'en-US' }) {
  const browser = await chromium.launch({
    executablePath: binary(),
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run'],
  });
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 }, acceptDownloads: true, locale: language });
  // As long as the other engines wait for a step.
  page.setDefaultTimeout(10000);
  const requests = [], errors = [];
  page.on('request', (r) => local(r.url()) || requests.push(r.url()));
  page.on('pageerror', (e) => errors.push(e.message));
  page.on('dialog', (d) => d.accept());
  const locate = (target) => typeof target === 'string' ? page.locator(target)
    : page.locator('[role=option]').filter({ has: page.locator('.name').getByText(target.row, { exact: true }) });
  let saved = 0;
  return {
    open: (url) => page.goto(url),
    setFile: (selector, file) => page.setInputFiles(selector, file),
    click: (target, { modifiers = [] } = {}) => locate(target).click({ modifiers }),
    dblclick: (target) => locate(target).dblclick(),
    press: (combination) => page.keyboard.press(combination),
    fill: (selector, text) => page.fill(selector, text),
    move: (x, y, { steps = 1 } = {}) => page.mouse.move(x, y, { steps }),
    down: () => page.mouse.down(),
    up: () => page.mouse.up(),
    eval: (fn, ...args) => page.evaluate(call(fn, args)),
    async download(target) {
      const act = typeof target === 'function' ? target : () => locate(target).click();
      const [download] = await Promise.all([page.waitForEvent('download'), act()]);
      const file = path.join(downloads, `${++saved}`, download.suggestedFilename());
      fs.mkdirSync(path.dirname(file));
      await download.saveAs(file);
      return file;
    },
    screenshot: (file) => page.screenshot({ path: file }),
    setViewport: (width, height) => page.setViewportSize({ width, height }),
    media: (media) => page.emulateMedia({ media }),
    requests: async () => requests,
    errors: async () => errors,
    close: () => browser.close(),
  };
}
