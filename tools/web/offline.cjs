// Writes the page's service worker into WEB_DIR/sw.js from its template
// (web/page/sw.js): the list of the game's files it keeps, every file of
// WEB_DIR but itself, and a version drawn from their contents, so that any
// change of a file brings a new copy.
// Usage: node tools/web/offline.cjs TEMPLATE WEB_DIR
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [template, webDir] = process.argv.slice(2);
const files = [];
const walk = (folder) => {
  for (const entry of fs.readdirSync(path.join(webDir, folder), { withFileTypes: true }).sort((a, b) =>
    a.name.localeCompare(b.name))) {
    const name = path.posix.join(folder, entry.name);
    if (entry.isDirectory()) walk(name);
    else if (name !== 'sw.js') files.push(name);
  }
};
walk('');
const hash = crypto.createHash('sha256');
for (const file of files) hash.update(file).update('\0').update(fs.readFileSync(path.join(webDir, file)));
const worker = fs.readFileSync(template, 'utf8')
  .replace('@VERSION@', hash.digest('hex').slice(0, 16))
  .replace('@FILES@', JSON.stringify(files));
fs.writeFileSync(path.join(webDir, 'sw.js'), worker);
