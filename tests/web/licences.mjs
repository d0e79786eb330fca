// Every library the page bundles (web/package.json's dependencies) has its
// licence in the page, as built and as committed in dist/, and a line in
// the Debian package's copyright file: a library cannot come in without
// its notice.
//
//   node licences.mjs ROOT BUILD_DIR
import fs from 'node:fs';
import path from 'node:path';

const [root, build] = process.argv.slice(2);
const web = path.join(root, 'web');
const { dependencies } = JSON.parse(fs.readFileSync(path.join(web, 'package.json'), 'utf8'));
const pages = [path.join(build, 'web', 'tunvex.html'), path.join(root, 'dist', 'tunvex.html')];
const copyright = fs.readFileSync(path.join(build, 'copyright'), 'utf8');
const failures = [];
for (const name of Object.keys(dependencies)) {
  const dir = path.join(web, 'node_modules', name);
  const file = fs.readdirSync(dir).find((f) => /^(licen[cs]e|copying)(\.(md|txt))?$/i.test(f));
  if (!file) {
    failures.push(`${name} has no licence file`);
    continue;
  }
  // In the page's script, as a string literal.
  const notice = JSON.stringify(fs.readFileSync(path.join(dir, file), 'utf8').replace(/^\n+|\s+$/g, '')).slice(1, -1);
  for (const page of pages)
    if (!fs.readFileSync(page, 'utf8').includes(notice)) failures.push(`${page} lacks the licence of ${name}`);
  const { version, license } = JSON.parse(fs.readFileSync(path.join(dir, 'package.json'), 'utf8'));
  const line = ` ${name} ${version} (${license.replace('MIT', 'Expat')})`;
  if (!copyright.split('\n').includes(line)) failures.push(`the copyright file lacks "${line}"`);
}
for (const failure of failures) console.log(`FAIL: ${failure}`);
console.log(`licences of ${Object.keys(dependencies).length} bundled libraries: ${failures.length} failures`);
process.exit(failures.length ? 1 : 0);
