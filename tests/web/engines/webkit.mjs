// WebKitGTK's MiniBrowser through WebKitWebDriver, a classic WebDriver
// server, with selenium-webdriver. MiniBrowser cannot run headless: it gets
// an Xvfb display of its own, and a home of its own, where its downloads go.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { call, find, keys, require } from './index.mjs';

const { Builder, Key, Origin } = require('selenium-webdriver');

const driverBinary = () => process.env.WEBKIT_WEBDRIVER ?? '/usr/bin/WebKitWebDriver';
const binary = () => process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const key = (name) => {
  const value = name.length === 1 ? name : name === 'Backspace' ? Key.BACK_SPACE :
    Key[name.replace(/(?<=[a-z0-9])(?=[A-Z])/g, '_').toUpperCase()];
  if (value === undefined) throw new Error(`no WebDriver key for ${name}`);
  return value;
};

// Whether any process has the file open, as /proc tells it.
function writing(file) {
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    let fds = [];
    try {
      fds = fs.readdirSync(`/proc/${pid}/fd`);
    } catch {}
    for (const fd of fds) {
      try {
        if (fs.readlinkSync(`/proc/${pid}/fd/${fd}`) === file) return true;
      } catch {}
    }
  }
  return false;
}

// Each in a process group of its own, so that what it starts in turn
// (MiniBrowser and its web processes) ends with it. Its stop is noted: it
// signals at once and settles when the process has ended, waited for, so
// that none is left behind unreaped.
function start(stops, file, args, options) {
  const child = spawn(file, args, { detached: true, ...options });
  const ended = new Promise((resolve) => child.once('exit', resolve).once('error', resolve));
  const signal = (name) => {
    try {
      process.kill(-child.pid, name);
    } catch {}
  };
  stops.push(() => {
    if (child.exitCode !== null || child.signalCode !== null || child.pid === undefined) return ended;
    signal('SIGTERM');
    const timer = setTimeout(() => signal('SIGKILL'), 5000);
    return ended.finally(() => clearTimeout(timer));
  });
  return child;
}

// Xvfb picks a free display and writes its number on the descriptor named.
async function display(stops) {
  const xvfb = start(stops, 'Xvfb', ['-displayfd', '3', '-screen', '0', '1920x1200x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
  let said = '';
  xvfb.stderr.on('data', (d) => { said += d; });
  return new Promise((resolve, reject) => {
    xvfb.stdio[3].once('data', (d) => resolve(`:${d.toString().trim()}`));
    xvfb.once('exit', () => reject(new Error(`Xvfb ended: ${said.trim()}`)));
    xvfb.once('error', reject);
  });
}

// Classic WebDriver sees no request. Every request MiniBrowser makes goes
// to this proxy instead, which notes it and answers none: the request line
// of plain HTTP, the mere connection of an encrypted one (WebKit speaks TLS
// to a proxy for https).
async function recorder(stops) {
  const seen = [], open = new Set();
  const server = net.createServer((socket) => {
    open.add(socket.once('close', () => open.delete(socket)));
    socket.once('data', (data) => {
      const line = data.subarray(0, data.indexOf('\r\n')).toString('latin1');
      seen.push(/^[A-Z]+ \S+ HTTP\/[\d.]+$/.test(line) ? line.split(' ')[1] : 'a TLS connection');
      socket.destroy();
    }).on('error', () => {});
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  stops.push(() => new Promise((resolve) => {
    server.close(resolve);
    open.forEach((socket) => socket.destroy());
  }));
  return { address: `127.0.0.1:${server.address().port}`, seen };
}

async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

async function listening(url, driver) {
  for (const end = Date.now() + 10000; Date.now() < end;) {
    if (driver.exitCode !== null) throw new Error(`WebKitWebDriver ended with status ${driver.exitCode}`);
    try {
      if ((await fetch(`${url}/status`)).ok) return;
    } catch {}
    await sleep(50);
  }
  throw new Error(`WebKitWebDriver did not answer at ${url}`);
}

export async function launch({ downloads, language = 'en-US' }) {
  const stops = [];
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'tunvex-webkit-'));
  const stopAll = () => {
    const stopped = Promise.all(stops.splice(0).reverse().map((stop) => stop()));
    fs.rmSync(home, { recursive: true, force: true });
    return stopped;
  };
  // A test killed by its timeout still stops what it started.
  const killed = (signal) => stopAll().finally(() => process.exit(128 + os.constants.signals[signal]));
  process.once('SIGTERM', killed).once('SIGINT', killed).once('exit', stopAll);
  let driver;
  try {
    // GLib reads the download folder from user-dirs.dirs, not from the
    // environment.
    const saves = path.join(home, 'Downloads');
    fs.mkdirSync(path.join(home, '.config'));
    fs.mkdirSync(saves);
    fs.writeFileSync(path.join(home, '.config', 'user-dirs.dirs'), `XDG_DOWNLOAD_DIR="${saves}"\n`);
    // MiniBrowser's toolbar keeps its window wider than a phone: shrunk to
    // nothing, it lets the page be 390 pixels wide.
    fs.mkdirSync(path.join(home, '.config', 'gtk-3.0'));
    fs.writeFileSync(path.join(home, '.config', 'gtk-3.0', 'gtk.css'),
      '* { min-width: 0; min-height: 0; padding: 0; margin: 0; }\n');
    const env = {
      ...process.env, DISPLAY: await display(stops), HOME: home, XDG_CONFIG_HOME: path.join(home, '.config'),
      XDG_CACHE_HOME: path.join(home, '.cache'), XDG_DATA_HOME: path.join(home, '.local/share'),
      // The browser's languages are the locale's, which must exist (localedef
      // makes one); English is C's.
      LANG: language === 'en-US' ? 'C.UTF-8' : `${language.replace('-', '_')}.UTF-8`,
    };
    env.LC_ALL = env.LANG;
    delete env.LANGUAGE;
    delete env.WAYLAND_DISPLAY;
    const proxy = await recorder(stops);
    const port = await freePort();
    const server = start(stops, driverBinary(), [`--port=${port}`], { env, stdio: 'ignore' });
    server.on('error', () => {});
    await listening(`http://127.0.0.1:${port}`, server);
    driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
      browserName: 'MiniBrowser',
      unhandledPromptBehavior: 'accept',
      proxy: { proxyType: 'manual', httpProxy: proxy.address, sslProxy: proxy.address, noProxy: [] },
      'webkitgtk:browserOptions': { binary: binary(), args: ['--automation'] },
    }).build();

    const locate = async (target) => {
      for (const end = Date.now() + 10000; ;) {
        const element = await driver.executeScript(`return (${find})(arguments[0])`, target);
        if (element) return element;
        if (Date.now() > end) throw new Error(`no element ${JSON.stringify(target)}`);
        await sleep(50);
      }
    };
    const run = (fn, args) => driver.executeScript(`return ${call(fn, args)}`);
    // Where the mouse is, for moves in steps as a hand makes them.
    let mouse = { x: 0, y: 0 };
    // A click goes where the element is in the window: one that its
    // scrolling list holds out of view is scrolled to first, as a hand
    // would.
    const inView = async (target) => {
      const element = await locate(target);
      await driver.executeScript('arguments[0].scrollIntoView({ block: "nearest" })', element);
      return element;
    };
    let viewport = { width: 1280, height: 800 };
    async function setViewport(width, height) {
      viewport = { width, height };
      // WebDriver sizes the window, not the page in it: what MiniBrowser's
      // own frame takes is taken off, as often as the window takes its size
      // late.
      const frame = driver.manage().window();
      await frame.setRect({ width, height });
      for (let tries = 0; ; tries++) {
        const [w, h] = await run(() => [innerWidth, innerHeight], []);
        // Two frames later the page is drawn at its new size.
        if (w === width && h === height) {
          return run(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))), []);
        }
        if (tries === 60) throw new Error(`the viewport is ${w}x${h}, not ${width}x${height}`);
        // A busy machine gives the window its size late, and reports it in
        // between: a frame is never asked to be smaller than the page.
        const outer = await frame.getRect();
        const wanted = { width: outer.width + width - w, height: outer.height + height - h };
        if (w > 0 && h > 0 && wanted.width >= width && wanted.height >= height) await frame.setRect(wanted);
        await sleep(tries < 10 ? 50 : 200);
      }
    }
    let saved = 0;
    return {
      async open(url) {
        await setViewport(1280, 800);
        await driver.get(url);
        // Classic WebDriver hears nothing of the page's errors: the page
        // keeps them from here on.
        await run(() => {
          window.uncaught = [];
          addEventListener('error', (e) => window.uncaught.push(e.message));
          addEventListener('unhandledrejection', (e) => window.uncaught.push(String(e.reason)));
        }, []);
      },
      setFile: async (selector, file) => (await locate(selector)).sendKeys(file),
      async click(target, { modifiers = [] } = {}) {
        const element = await inView(target);
        let actions = driver.actions();
        for (const name of modifiers) actions = actions.keyDown(key(name));
        actions = actions.move({ origin: element, duration: 0 }).click();
        for (const name of [...modifiers].reverse()) actions = actions.keyUp(key(name));
        await actions.perform();
      },
      dblclick: async (target) => driver.actions().doubleClick(await inView(target)).perform(),
      async press(combination) {
        const all = keys(combination).map(key);
        let actions = driver.actions();
        for (const k of all) actions = actions.keyDown(k);
        for (const k of all.reverse()) actions = actions.keyUp(k);
        await actions.perform();
      },
      async fill(selector, text) {
        const element = await locate(selector);
        await element.clear();
        // WebKit's driver refuses to send no keys; clearing takes the focus
        // away, and typing would give it back.
        if (text !== '') await element.sendKeys(text);
        else await driver.executeScript('arguments[0].focus()', element);
      },
      async move(x, y, { steps = 1 } = {}) {
        const from = mouse;
        let actions = driver.actions();
        for (let i = 1; i <= steps; i++) {
          actions = actions.move({
            x: Math.round(from.x + (x - from.x) * i / steps), y: Math.round(from.y + (y - from.y) * i / steps),
            origin: Origin.VIEWPORT, duration: 0,
          });
        }
        await actions.perform();
        mouse = { x, y };
      },
      down: () => driver.actions().press().perform(),
      up: () => driver.actions().release().perform(),
      eval: (fn, ...args) => run(fn, args),
      async download(target) {
        if (typeof target === 'function') await target();
        else await (await locate(target)).click();
        // WebKit writes a download in place, under its own name: it is
        // whole once no process holds it open and its size holds still.
        for (let end = Date.now() + 10000, last = ''; ;) {
          const files = fs.readdirSync(saves);
          const file = path.join(saves, files[0] ?? '');
          const now = files.length === 1 && !writing(file) && `${files[0]} ${fs.statSync(file).size}`;
          if (now && now === last) {
            // Moved out, so that the folder is empty for the next and a
            // second file of one name keeps its name.
            const kept = path.join(downloads, `${++saved}`, files[0]);
            fs.mkdirSync(path.dirname(kept));
            fs.copyFileSync(file, kept);
            fs.rmSync(file);
            // MiniBrowser's bar of downloads takes its height off the page.
            await setViewport(viewport.width, viewport.height);
            return kept;
          }
          last = now;
          if (Date.now() > end) throw new Error(`no download from ${JSON.stringify(target)}: ${files.join(', ')}`);
          await sleep(100);
        }
      },
      screenshot: async (file) => fs.writeFileSync(file, Buffer.from(await driver.takeScreenshot(), 'base64')),
      setViewport,
      requests: async () => proxy.seen,
      errors: () => run(() => window.uncaught ?? [], []),
      async close() {
        try {
          await driver.quit();
        } finally {
          process.off('SIGTERM', killed).off('SIGINT', killed).off('exit', stopAll);
          await stopAll();
        }
      },
    };
  } catch (e) {
    await driver?.quit().catch(() => {});
    process.off('SIGTERM', killed).off('SIGINT', killed).off('exit', stopAll);
    await stopAll();
    throw e;
  }
}
