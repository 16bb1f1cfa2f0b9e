// The page in the browser's language, in Debian's Chromium: German as the
// desktop's catalogue gives it (lang/de.json), English for a language the
// game does not have, and nothing cut off in any language.
// Usage: node LanguageTest.cjs WEB_DIR
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { openGame, withServedBrowser } = require('./browser.cjs');

const webDir = process.argv[2];
const readJson = (file) => JSON.parse(fs.readFileSync(path.join(webDir, file), 'utf8'));
const english = readJson('layout.json');

// The game in a browser whose languages are `languages`: what its strip,
// menus, board and refusal say, what it fetched, and every label that is
// too wide for its box (or, where it wraps, too tall), the About window's too.
async function play(browser, url, languages) {
  const fetched = [];
  const { page, errors } = await openGame(browser, url, async (tab) => {
    tab.on('request', (request) => fetched.push(new URL(request.url()).pathname));
    await tab.evaluateOnNewDocument((list) => Object.defineProperty(navigator, 'languages', { get: () => list }),
      languages);
  });
  const read = (selector, what) => page.$$eval(selector, (nodes, attribute) =>
    nodes.map((node) => (attribute ? node.getAttribute(attribute) : node.textContent)), what);
  const shown = {
    lang: await page.evaluate(() => document.documentElement.lang),
    manifest: await page.$eval('link[rel=manifest]', (link) => link.getAttribute('href')),
    strip: await read(['Null', 'Null2', 'Null3', 'NEXTLEVEL', 'Label3'].map((name) => `#main [data-control=${name}]`).join()),
    menus: await read('.menubar .menu-title', 'aria-label'),
    names: await read('#main [data-control=dest], #main [data-control=Pts]', 'aria-label'),
  };
  await page.click('#main [data-control=Label3]');  // no points yet: refused
  shown.message = await read('[data-control=message] .title, [data-control=message] .body, [data-control=message] button.push');
  await page.keyboard.press('Enter');
  await page.click('.menubar [data-control=mnuabout]');
  await page.click('[data-control=mnuaswitch]');
  shown.about = await read('#frmAbout-title');
  const clipped = await page.$$eval('.label:not(.hidden)', (labels) => labels
    .filter((label) => label.scrollWidth > label.clientWidth ||
      (label.classList.contains('wrap') && label.scrollHeight > label.clientHeight))
    .map((label) => `${label.dataset.control}: ${label.textContent}`));
  await page.close();
  return { shown, clipped, errors, fetched: fetched.filter((file) => file.includes('/lang/')) };
}

withServedBrowser(webDir, async (browser, url) => {
  const other = await play(browser, url, ['sv-SE', 'sv', 'xx']);
  const texts = readJson('lang/de.json');
  const german = await play(browser, url, ['de-DE', 'de', 'en']);
  const controls = texts.main.controls;
  const strip = controls.Frame1.children;
  const plain = (caption) => caption.replace('&', '');
  assert.deepEqual(german.shown, {
    lang: 'de',
    manifest: 'manifest.de.webmanifest',
    strip: [strip.Null.text, strip.Null2.text, strip.Null3.text, texts.gameWords.nextLevel.replace('%1', '200000'),
      controls.Label3.text],
    menus: [plain(texts.main.menus.mnuFile.title), plain(texts.main.menus.mnuabout.title)],
    names: [controls.dest.accessibleName, controls.Pts.accessibleName],
    message: [texts.gameWords.messages.Nope, texts.gameWords.messages['You need more points!'],
      plain(texts.pageTexts?.ok ?? english.pageTexts.ok)],
    about: [texts.about.caption],
  });
  assert.deepEqual(german.fetched, ['/lang/de.json']);
  assert.deepEqual([other.shown.lang, other.shown.manifest], ['en', 'manifest.webmanifest']);
  assert.deepEqual(other.shown.strip.slice(0, 3), ['Selection Value: ', 'Current Level: ', 'Reset Cost:']);
  assert.deepEqual(other.shown.message, ['Nope', 'You need more points!', plain(english.pageTexts.ok)]);
  assert.deepEqual(other.fetched, []);
  for (const language of english.languages) {
    const { shown, clipped, errors } = language === 'de' ? german : await play(browser, url, [language]);
    assert.equal(shown.lang, language);
    assert.deepEqual(clipped, [], `${language}: cut off`);
    assert.deepEqual(errors, [], language);
  }
  assert.deepEqual(other.clipped, []);
  console.log(`ok - the page in ${english.languages.join(', ')} and in English for others, nothing cut off`);
}).catch((error) => {
  console.log(`FAIL - ${error.stack}`);
  process.exitCode = 1;
});
