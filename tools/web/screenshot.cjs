// Writes a picture of the page in Debian's Chromium, in the scene of the
// desktop's screenshot: the same board with its biggest group selected.
// Usage: node tools/web/screenshot.cjs WEB_DIR TRANSCRIPT_PROGRAM OUT.png
'use strict';
const fs = require('fs');
const path = require('path');
const { withServedBrowser } = require('../../tests/web/browser.cjs');
const { desktopScene } = require('../../tests/web/scenes.cjs');

async function main() {
  const [webDir, program, out] = process.argv.slice(2);
  const layout = JSON.parse(fs.readFileSync(path.join(webDir, 'layout.json'), 'utf8'));
  await withServedBrowser(webDir, async (browser, url) => {
    fs.writeFileSync(out, await desktopScene(browser, url, layout, path.resolve(program)));
  });
  console.log(`wrote ${path.resolve(out)}`);
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
