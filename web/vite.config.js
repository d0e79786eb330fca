// Builds the page into one self-contained file, build-web/tunvex.html: its
// script, its style and the core (TUNVEX_CORE, the .wasm, as base64) inlined
// by vite-plugin-singlefile, made for exactly that.
import fs from 'node:fs';
import path from 'node:path';
import { defineConfig } from 'vite';
import { viteSingleFile } from 'vite-plugin-singlefile';

const core = process.env.TUNVEX_CORE ?? path.resolve('../build-web/tunvex-core.wasm');
const outDir = process.env.TUNVEX_PAGE_DIR ?? path.resolve('../build-web/page');

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
  plugins: [inlineCore(), viteSingleFile()],
  build: { outDir, emptyOutDir: true, target: 'es2022', reportCompressedSize: false },
});
