// Writes the fonts the page's layout names, from Debian's font packages
// (found with fontconfig, as the desktop finds them), cut down to the
// characters the game writes and compressed as WOFF2, and fonts.css.
// Usage: node tools/web/fonts.cjs WEB_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const out = process.argv[2];
// Latin-1, which holds every text of the game in each of its languages
// (the copyright sign included), the typographic quotes and dashes, and the
// cross of the close boxes.
const kCharacters = 'U+0020-007E,U+00A0-00FF,U+2013-2014,U+2018-201E,U+2026,U+2715';
const layout = JSON.parse(fs.readFileSync(path.join(out, 'layout.json'), 'utf8'));

// Every character of every language's texts must be in the cut-down fonts.
const ranges = kCharacters.split(',').map((range) => range.slice(2).split('-').map((hex) => parseInt(hex, 16)));
const inFonts = (code) => code === 0x0a || code === 0x0d || ranges.some(([low, high = low]) => code >= low && code <= high);
const languageFiles = fs.readdirSync(path.join(out, 'lang')).map((name) => path.join('lang', name));
for (const file of ['layout.json', ...languageFiles]) {
  for (const character of fs.readFileSync(path.join(out, file), 'utf8')) {
    if (!inFonts(character.codePointAt(0))) {
      throw new Error(`${file} writes U+${character.codePointAt(0).toString(16).toUpperCase()}, which the page's fonts lack`);
    }
  }
}

// Every font object anywhere in the layout.
function collectFonts(node, found) {
  if (Array.isArray(node)) node.forEach((child) => collectFonts(child, found));
  else if (node && typeof node === 'object') {
    if (typeof node.family === 'string' && typeof node.weight === 'number') found.push(node);
    Object.values(node).forEach((child) => collectFonts(child, found));
  }
  return found;
}

// One face per family and weight class: the files Debian ships have a
// regular and a bold face, and heavier asks get the bold one, as on the
// desktop.
const faces = new Map();
for (const font of collectFonts(layout, [])) {
  const bold = font.weight >= 600;
  const key = `${font.family}:${bold}`;
  if (faces.has(key)) continue;
  const file = execFileSync('fc-match', ['-f', '%{file}', `${font.family}:weight=${bold ? 200 : 80}`],
    { encoding: 'utf8' }).trim();
  const matched = execFileSync('fc-match', ['-f', '%{family[0]}', `${font.family}`],
    { encoding: 'utf8' }).trim();
  if (matched !== font.family) throw new Error(`font ${font.family} is not installed (got ${matched})`);
  faces.set(key, { family: font.family, bold, file });
}

let css = '/* Written by tools/web/fonts.cjs from layout.json. */\n';
for (const face of faces.values()) {
  const name = `${path.basename(face.file, path.extname(face.file))}.woff2`;
  // Debian's Python, with Debian's fontTools (python3-fonttools).
  execFileSync('/usr/bin/python3', ['-m', 'fontTools.subset', face.file, `--unicodes=${kCharacters}`,
    '--flavor=woff2', "--layout-features=*", `--output-file=${path.join(out, 'fonts', name)}`],
    { stdio: ['ignore', 'ignore', 'pipe'] });
  css += `@font-face { font-family: "${face.family}"; src: url("fonts/${name}") format("woff2");` +
    ` font-weight: ${face.bold ? '600 900' : '100 599'}; font-display: block; }\n`;
}
fs.writeFileSync(path.join(out, 'fonts.css'), css);
