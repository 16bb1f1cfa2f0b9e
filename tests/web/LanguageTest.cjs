// The page in the browser's language, in Debian's Chromium: German from
// the texts the desktop's catalogue gives (lang/de.json), every language
// with nothing cut off, and English for languages the game does not have.
// Usage: node LanguageTest.cjs WEB_DIR
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { openGame, withServedBrowser } = require('./browser.cjs');

const webDir = process.argv[2];
const readJson = (file) => JSON.parse(fs.readFileSync(path.join(webDir, file), 'utf8'));
const english = readJson('layout.json');
const plain = (caption) => caption.replace('&', '');

// Opens the game in a browser whose languages are `languages`; notes every
// file the page asks for.
async function openIn(browser, url, languages) {
  const requested = [];
  const { page, errors } = await openGame(browser, url, async (tab) => {
    tab.on('request', (request) => requested.push(new URL(request.url()).pathname));
    await tab.evaluateOnNewDocument((list) => {
      Object.defineProperty(navigator, 'languages', { get: () => list });
      Object.defineProperty(navigator, 'language', { get: () => list[0] });
    }, languages);
  });
  return { page, errors, requested };
}

async function chooseMenu(page, menu, item) {
  await page.click(`.menubar [data-control=${menu}]`);
  await page.click(`[data-control=${item}]`);
}

// What the main window's strip, menus and board say, and the refusal's box.
async function readWindow(page) {
  const shown = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    strip: ['Null2', 'Null', 'Null3', 'Label3', 'NEXTLEVEL'].map((name) =>
      document.querySelector(`#main [data-control=${name}]`).textContent),
    names: ['Pts', 'lvl'].map((name) => document.querySelector(`#main [data-control=${name}]`).getAttribute('aria-label')),
    menus: [...document.querySelectorAll('.menubar .menu-title')].map((title) => title.getAttribute('aria-label')),
    board: document.querySelector('#main [data-control=dest]').getAttribute('aria-label'),
    cells: [...new Set([...document.querySelectorAll('#main .cell')].map((cell) => cell.getAttribute('aria-label')))],
  }));
  await page.click('#main [data-control=Label3]');  // no points yet: refused
  await page.waitForSelector('[data-control=message]');
  shown.message = await page.$eval('[data-control=message]', (box) =>
    [box.querySelector('.title').textContent, box.querySelector('.body').textContent, box.querySelector('button.push').textContent]);
  await page.keyboard.press('Enter');
  return shown;
}

const tests = {
  async 'German: the window, the refusal and the About window read from lang/de.json'(browser, url) {
    const texts = readJson('lang/de.json');
    const { page, errors } = await openIn(browser, url, ['de-DE', 'de', 'en']);
    const strip = texts.main.controls.Frame1.children;
    const shown = await readWindow(page);
    assert.deepEqual(shown, {
      lang: 'de',
      strip: [strip.Null2.text, strip.Null.text, strip.Null3.text, texts.main.controls.Label3.text,
        texts.gameWords.nextLevel.replace('%1', '200000')],
      names: [texts.main.controls.Pts.accessibleName, strip.lvl.accessibleName],
      menus: [plain(texts.main.menus.mnuFile.title), plain(texts.main.menus.mnuabout.title)],
      board: texts.main.controls.dest.accessibleName,
      cells: shown.cells,
      message: [texts.gameWords.messages.Nope, texts.gameWords.messages['You need more points!'],
        plain(texts.pageTexts.ok ?? english.pageTexts.ok)],
    });
    const names = Object.values(texts.board.cellNames);
    assert.ok(shown.cells.length > 0 && shown.cells.every((name) => names.includes(name)), `cells: ${shown.cells}`);
    assert.notEqual(shown.strip[3], 'LEVEL UP');

    await chooseMenu(page, 'mnuabout', 'mnuaswitch');
    const about = await page.$eval('#frmAbout', (dialog) => ({
      caption: dialog.querySelector('#frmAbout-title').textContent,
      text: dialog.querySelector('textarea').value,
      close: dialog.querySelector('button.close').getAttribute('aria-label'),
    }));
    assert.deepEqual(about, { caption: texts.about.caption, text: texts.about.howToPlay.replace(/\r\n/g, '\n'),
      close: texts.pageTexts.close });
    assert.deepEqual(errors, []);
    await page.close();
  },

  async 'every language: nothing is cut off in the window or the About window'(browser, url) {
    for (const language of ['en', ...english.languages]) {
      const { page, errors } = await openIn(browser, url, [language]);
      await chooseMenu(page, 'mnuabout', 'mnuaswitch');
      // Too wide for its box, or, where it wraps, too many lines for it.
      const clipped = await page.evaluate(() => [...document.querySelectorAll('.label:not(.hidden)')]
        .filter((label) => label.scrollWidth > label.clientWidth ||
          (label.classList.contains('wrap') && label.scrollHeight > label.clientHeight))
        .map((label) => `${label.dataset.control}: ${label.textContent}`));
      assert.equal(await page.evaluate(() => document.documentElement.lang), language);
      assert.deepEqual(clipped, [], `${language}: cut off`);
      assert.deepEqual(errors, [], language);
      await page.close();
    }
  },

  async 'a language the game does not have: English, and no texts fetched'(browser, url) {
    const { page, errors, requested } = await openIn(browser, url, ['sv-SE', 'sv', 'xx']);
    const shown = await readWindow(page);
    assert.equal(shown.lang, 'en');
    assert.deepEqual(shown.strip, ['Current Level: ', 'Selection Value: ', 'Reset Cost:', 'LEVEL UP', 'NEXT LEVEL: 200000']);
    assert.deepEqual(shown.message, ['Nope', 'You need more points!', plain(english.pageTexts.ok)]);
    assert.deepEqual(requested.filter((file) => file.includes('/lang/')), []);
    assert.deepEqual(errors, []);
    await page.close();
  },
};

withServedBrowser(webDir, async (browser, url) => {
  let failed = 0;
  for (const [name, test] of Object.entries(tests)) {
    try {
      await test(browser, url);
      console.log(`ok - ${name}`);
    } catch (error) {
      ++failed;
      console.log(`FAIL - ${name}\n${error.stack}`);
    }
  }
  process.exitCode = failed ? 1 : 0;
});
