// Builds the page into one self-contained file, build-web/tunvex.html: its
// script, its style and the core (TUNVEX_CORE, the .wasm, as base64) inlined
// by vite-plugin-singlefile, made for exactly that.
import fs from 'node:fs';
import path from 'node:path';
import { defineConfig } from 'vite';
import { viteSingleFile } from 'vite-plugin-singlefile';

const core = process.env.TUNVEX_CORE ?? path.resolve('../build-web/tunvex-core.wasm');
const outDir = process.env.TUNVEX_PAGE_DIR ?? path.resolve('../build-web/page');

// The notices of every package the page bundles, taken from the packages
// themselves as Rollup lists the modules it put into the page, so that no
// library comes in without its licence: put into the page in place of the
// string BUNDLED_LICENCES (shown under Help), and written beside it as
// licences.txt for the Debian package's copyright file. Hand-written: the
// notices must be inside the one file before it is inlined, which a
// plugin writing a file of its own afterwards would not do.
const MARK = '__TUNVEX_BUNDLED_LICENCES__';
function bundledLicences() {
  const noticeOf = (dir) => {
    const meta = JSON.parse(fs.readFileSync(path.join(dir, 'package.json'), 'utf8'));
    const file = fs.readdirSync(dir).find((f) => /^(licen[cs]e|copying)(\.(md|txt))?$/i.test(f));
    if (!file) throw new Error(`${meta.name} is bundled, but holds no licence file`);
    const author = typeof meta.author === 'object' ? meta.author.name : meta.author;
    // As the file has it, its first line's indent too.
    const text = fs.readFileSync(path.join(dir, file), 'utf8').replace(/^\n+|\s+$/g, '');
    // Whose it is: the notice's own copyright line, else the package's author.
    const holder = text.match(/^\s*Copyright\s+(?:\(c\)\s*|©\s*)?(\d{4}.*)$/im)?.[1].trim() ?? author.replace(/\s*\(.*\)$/, '');
    return { name: meta.name, version: meta.version, license: meta.license, copyright: holder, text };
  };
  return {
    name: 'bundled-licences',
    generateBundle(options, bundle) {
      const dirs = new Set();
      for (const chunk of Object.values(bundle))
        for (const id of Object.keys(chunk.modules ?? {})) {
          const found = id.match(/^(.*\/node_modules\/(?:@[^/]+\/)?[^/]+)\//);
          if (found) dirs.add(found[1]);
        }
      const notices = [...dirs].sort().map(noticeOf);
      const text = notices.map((n) => `${n.name} ${n.version} (${n.license}), © ${n.copyright}:\n\n${n.text}`)
        .join('\n\n\n');
      const own = fs.readFileSync(path.resolve('../LICENSE'), 'utf8').trim();
      const all = `tunvex (MIT):\n\n${own}\n\n\n${text}`;
      let marked = 0;
      for (const chunk of Object.values(bundle)) {
        if (chunk.type !== 'chunk') continue;
        const code = chunk.code.replace(new RegExp(`(["'\`])${MARK}\\1`), JSON.stringify(all));
        marked += code !== chunk.code;
        chunk.code = code;
      }
      if (!marked) this.error(`no ${MARK} in the page's script for the licences`);
      this.emitFile({ type: 'asset', fileName: 'licences.json', source: JSON.stringify(notices, null, 2) });
    },
  };
}

function inlineCore() {
  const id = 'virtual:tunvex-core';
  return {
    name: 'tunvex-core',
    resolveId: (source) => (source === id ? `\0${id}` : null),
    load(source) {
      if (source !== `\0${id}`) return null;
      this.addWatchFile(core);
      return `export default ${JSON.stringify(fs.readFileSync(core).toString('base64'))};`;
    },
  };
}

export default defineConfig({
  root: 'page',
  base: './',
  logLevel: 'warn',
  plugins: [inlineCore(), bundledLicences(), viteSingleFile()],
  // A module script in one file preloads nothing: no polyfill for it.
  build: { outDir, emptyOutDir: true, target: 'es2022', reportCompressedSize: false, modulePreload: { polyfill: false } },
});
