// Puts what the first board needs into index.html itself, so that a phone
// on a slow network has the board after one round trip instead of two: the
// style sheet, the game's loader and the page's script inline (each allowed
// by its hash in the Content Security Policy, and nothing else inline is),
// and the layout table, the game's code and the sharp tile pictures as data
// blocks, which no browser runs. The files stay beside it for a screen that
// needs the plain tiles, and for the tests.
// Usage: node tools/web/inline.cjs WEB_DIR
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const webDir = process.argv[2];
const read = (file) => fs.readFileSync(path.join(webDir, file));
const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;
// Text inside a script or style element must not close it early.
const safe = (text, what) => {
  if (/<\/(script|style)/i.test(text)) throw new Error(`${what} would close its element`);
  return text;
};

let html = read('index.html').toString();
const replace = (tag, by) => {
  if (!html.includes(tag)) throw new Error(`index.html lacks ${tag}`);
  html = html.replace(tag, () => by);
};
const style = safe(read('pelmora.css').toString(), 'pelmora.css');
const loader = safe(read('pelmora.js').toString(), 'pelmora.js');
const page = safe(read('page.js').toString(), 'page.js');
const layout = read('layout.json').toString().replace(/</g, '\\u003c');
replace('<link rel="stylesheet" href="pelmora.css">', `<style>${style}</style>`);
replace('<script src="pelmora.js" defer></script>', `<script>${loader}</script>`);
replace('<script src="page.js" type="module"></script>', [
  `<script type="application/json" id="layout">${layout}</script>`,
  `<script type="application/octet-stream" id="game-code">${read('pelmora.wasm').toString('base64')}</script>`,
  `<script type="application/octet-stream" id="tiles@2x">${read('assets/tiles@2x.bin').toString('base64')}</script>`,
  `<script type="module">${page}</script>`,
].join('\n'));
replace("script-src 'self'", `script-src 'self' ${hash(loader)} ${hash(page)}`);
replace("style-src 'self'", `style-src 'self' ${hash(style)}`);
fs.writeFileSync(path.join(webDir, 'index.html'), html);
