// The page on phones and tablets in Chromium's mobile emulation: it fits
// every screen and stays sharp, plays by touch, installs and plays offline;
// and three faults stay mended (a held key on LEVEL UP, blocked audio, the
// About window on a small screen).
// Usage: node PhoneTest.cjs WEB_DIR TRANSCRIPT_PROGRAM
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { serve, openGame } = require('./browser.cjs');
const { withGame, runTests } = require('./harness.cjs');
const { readState, expectState, cellPoint } = require('./scenes.cjs');

const phone = (width, height, deviceScaleFactor) =>
  ({ width, height, deviceScaleFactor, isMobile: true, hasTouch: true });
const kPortraitPhone = phone(390, 844, 3);

// Where the window, its canvas and an open About window lie, and whether
// the page has scrolled or zoomed.
function measure(page) {
  return page.evaluate(() => {
    const rect = (selector) => document.querySelector(selector)?.getBoundingClientRect().toJSON() ?? null;
    const { scrollWidth, clientWidth, scrollHeight, clientHeight } = document.scrollingElement;
    const canvas = document.querySelector('#main canvas');
    return {
      view: { width: innerWidth, height: innerHeight },
      main: rect('#main'), about: rect('#frmAbout'), canvas: rect('#main canvas'), backing: canvas.width,
      scrolled: [scrollX, scrollY, scrollWidth - clientWidth, scrollHeight - clientHeight],
      zoom: visualViewport.scale,
    };
  });
}

function assertInside(box, view, what) {
  assert.ok(box.left >= -0.5 && box.top >= -0.5 && box.right <= view.width + 0.5 && box.bottom <= view.height + 0.5,
    `${what} ${JSON.stringify(box)} outside ${JSON.stringify(view)}`);
}

// The canvas as the screen shows it, against its own pixels: the share of
// pixels that differ by more than a little in any channel.
async function blurredShare(page, { canvas }, ratio) {
  const shot = await page.screenshot({ encoding: 'base64' });
  return page.evaluate(async (base64, left, top) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const drawn = document.querySelector('#main canvas');
    const { width, height } = drawn;
    const pixels = (source, x, y) => {
      const copy = new OffscreenCanvas(width, height).getContext('2d');
      copy.drawImage(source, x, y, width, height, 0, 0, width, height);
      return copy.getImageData(0, 0, width, height).data;
    };
    const [a, b] = [pixels(bitmap, left, top), pixels(drawn, 0, 0)];
    let differ = 0;
    for (let i = 0; i < a.length; ++i) if (i % 4 < 3 && Math.abs(a[i] - b[i]) > 24) ++differ;
    return differ / (a.length / 4);
  }, shot, Math.round(canvas.left * ratio), Math.round(canvas.top * ratio));
}

// Which drawings the window shows now, plain (1) or double-size (2): those
// of the legend pictures, and those a blue box on the board was stretched
// from, told by which of the two it is nearer to.
function shownDrawings(page, grid, twipsPerPixel) {
  const drawing = (file) => fs.readFileSync(path.join(__dirname, '../../assets', file)).toString('base64');
  return page.evaluate(async (g, perPixel, plain, double) => {
    const canvas = document.querySelector('#main canvas');
    const ratio = canvas.width / parseFloat(canvas.style.width);
    const index = [...document.querySelectorAll('#main [role=gridcell]')].findIndex((cell) => cell.dataset.code === 'b');
    const edge = (twips) => Math.round((twips * ratio) / perPixel);
    const [left, top] = [edge(g.left + (index % g.columns) * g.cellWidth), edge(g.top + Math.floor(index / g.columns) * g.cellHeight)];
    const [width, height] = [edge(g.left + (index % g.columns + 1) * g.cellWidth) - left, edge(g.top + (Math.floor(index / g.columns) + 1) * g.cellHeight) - top];
    const pixels = (source, ...from) => {
      const copy = new OffscreenCanvas(width, height).getContext('2d');
      copy.imageSmoothingQuality = 'high';
      copy.drawImage(source, ...from, 0, 0, width, height);
      return copy.getImageData(0, 0, width, height).data;
    };
    const drawn = pixels(canvas, left, top, width, height);
    const distance = async (base64) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const made = pixels(await createImageBitmap(new Blob([bytes], { type: 'image/png' })));
      return drawn.reduce((sum, value, i) => sum + Math.abs(value - made[i]), 0);
    };
    const legend = document.querySelector('#main img[data-picture]').currentSrc;
    return { legend: legend.endsWith('@2x.png') ? 2 : 1,
      board: (await distance(double)) < (await distance(plain)) ? 2 : 1 };
  }, grid, twipsPerPixel, drawing('b.png'), drawing('b@2x.png'));
}

const tests = {
  async 'phones and tablets: the window fills the screen, turned either way, sharp at 1, 2 and 3'(context) {
    const { page, errors } = await openGame(context.browser, context.url,
      (fresh) => fresh.emulate({ viewport: kPortraitPhone, userAgent: '' }));
    try {
      const tiles = await page.evaluate(() => performance.getEntriesByType('resource')
        .map((entry) => entry.name.replace(/.*\//, '')).filter((name) => name.startsWith('tiles')));
      assert.deepEqual(tiles, [], 'the sharp tiles come inside the page');
      const board = (await readState(page)).board;
      // The last is as large as a desktop browser's: the window at about twice
      // its size on a plain screen.
      const screens = [kPortraitPhone, phone(844, 390, 3), phone(820, 1180, 2), phone(1180, 820, 2),
        phone(600, 960, 1), phone(960, 600, 1), phone(1300, 1040, 1)];
      const destWidth = context.layout.main.controls.find((control) => control.name === 'dest').width;
      for (const screen of screens) {
        await page.setViewport(screen);  // a turn of the phone: the page is not loaded again
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
        const shown = await measure(page);
        const what = `${screen.width}x${screen.height}@${screen.deviceScaleFactor}`;
        assertInside(shown.main, shown.view, what);
        const fills = Math.max(shown.main.width / shown.view.width,
          (shown.main.bottom - shown.main.top) / shown.view.height);
        assert.ok(fills > 0.999, `${what}: the window fills ${fills} of the screen`);
        if (screen.height > screen.width) assert.ok(shown.main.width > screen.width - 1, `${what}: full width`);
        assert.deepEqual(shown.scrolled, [0, 0, 0, 0], `${what}: scrolling`);
        assert.equal(shown.backing, Math.round(shown.canvas.width * screen.deviceScaleFactor), `${what}: canvas pixels`);
        await page.waitForNetworkIdle({ idleTime: 100 });  // the other drawings, where they suit better
        const sharp = (shown.canvas.width / destWidth) * screen.deviceScaleFactor >= 1.5 ? 2 : 1;
        assert.deepEqual(await shownDrawings(page, context.layout.board, context.layout.twipsPerPixel),
          { legend: sharp, board: sharp }, `${what}: drawings`);
        const share = await blurredShare(page, shown, screen.deviceScaleFactor);
        assert.ok(share < 0.01, `${what}: ${share} of the board's pixels are not the canvas's own`);
      }
      assert.equal((await readState(page)).board, board, 'turning the screen keeps the game');
      assert.deepEqual(errors, [], 'console errors');
    } finally {
      await page.close();
    }
  },

  async 'a game by taps, audio blocked: a tap selects, two quick taps remove at once, Reset and About work, no zoom'(context) {
    await withGame(context, async (page, oracle) => {
      const styles = await page.$eval('#main [data-control=dest]', (board) => {
        const menu = new MouseEvent('contextmenu', { bubbles: true, cancelable: true });
        board.dispatchEvent(menu);
        const style = getComputedStyle(board);
        window.mousePresses = 0;  // a tap is a press; no imitation mouse press may follow it
        board.addEventListener('mousedown', () => ++window.mousePresses);
        return [style.touchAction, style.userSelect, menu.defaultPrevented];
      });
      assert.deepEqual(styles, ['none', 'none', true], 'touch-action, user-select, long press');
      // A tap selects, a second removes; then two quick taps do both.
      for (const quick of [false, true]) {
        const at = await cellPoint(page, context.layout, await oracle.biggestGroup());
        await page.touchscreen.tap(at.pageX, at.pageY);
        const selected = await oracle.send(`press ${at.x} ${at.y}`);
        if (!quick) {
          await expectState(page, selected, 'selection');
          // The tap has had its frame: the page has asked for audio.
          await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0))));
        }
        await page.touchscreen.tap(at.pageX, at.pageY);
        const removed = await oracle.send(`press ${at.x} ${at.y}`);
        const points = await page.evaluate(() => new Promise((resolve) => setTimeout(() =>
          resolve(document.querySelector('#main [data-control=Pts]').textContent), 0)));
        if (!quick) assert.equal(points, removed.texts.Pts, 'the removal, before the next task');
        await expectState(page, await oracle.send('settle'), quick ? 'two quick taps' : 'removal');
      }
      assert.equal(await page.evaluate(() => window.mousePresses), 0, 'mouse presses after taps');

      await page.tap('.menubar [data-control=mnuFile]');
      await page.tap('.menu [data-control=mnuFileNew]');
      await oracle.send('reset');
      await expectState(page, await oracle.send('settle'), 'Reset');
      await page.tap('.menubar [data-control=mnuabout]');
      await page.tap('.menu [data-control=mnuaswitch]');
      await page.waitForSelector('#frmAbout');
      const shown = await measure(page);
      assertInside(shown.about, shown.view, 'About');
      await page.tap('#frmAbout [data-control=cmdOK]');
      assert.equal(await page.$('#frmAbout'), null, 'OK closes About');
      const after = await measure(page);
      assert.deepEqual([after.zoom, ...after.scrolled], [1, 0, 0, 0, 0], 'zoom and scrolling');
    }, async (page) => {
      await page.emulate({ viewport: kPortraitPhone, userAgent: '' });
      await page.evaluateOnNewDocument(() => {
        // As a browser that does not let the page start audio: the output
        // never leaves its suspended state.
        Object.defineProperty(BaseAudioContext.prototype, 'state', { get: () => 'suspended' });
        AudioContext.prototype.resume = () => new Promise(() => {});
      });
    });
  },

  async 'installable, and after one visit it starts and plays offline, keeping only its own files'(context) {
    const server = await serve(context.webDir);
    const { page, errors } = await openGame(context.browser, server.url,
      (fresh) => fresh.emulate({ viewport: kPortraitPhone, userAgent: '' }));
    try {
      const client = await page.createCDPSession();
      const { installabilityErrors } = await client.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, [], 'Chromium would install it');
      const kept = await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        const copies = await Promise.all((await caches.keys()).map((name) => caches.open(name)));
        const urls = (await Promise.all(copies.map((copy) => copy.keys()))).flat().map((request) => request.url);
        return { copies: copies.length, urls, other: localStorage.length + (await indexedDB.databases()).length };
      });
      assert.deepEqual([kept.copies, kept.other], [1, 0], 'one copy of the files, nothing else stored');
      assert.ok(kept.urls.every((url) => url.startsWith(server.url)), 'only its own files');

      await page.setOfflineMode(true);
      await server.close();
      await page.reload();
      await page.waitForFunction(() => performance.getEntriesByName('pelmora-first-board').length > 0);
      const before = (await readState(page)).board;
      const cell = [...before].findIndex((code, index) => index % 13 < 12 && before[index + 1] === code);
      // The middle of the page's own grid cell over it: no oracle here.
      const box = await (await page.$(`#dest-${Math.floor(cell / 13)}-${cell % 13}`)).boundingBox();
      await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
      await page.waitForFunction(() => document.querySelector('#main [data-code=B], #main [data-code=G], ' +
        '#main [data-code=R], #main [data-code=Y]'));
      await page.waitForSelector('#main:not(.fonts-pending)');
      assert.deepEqual(errors.filter((error) => !/ERR_INTERNET_DISCONNECTED/.test(error)), [], 'console errors');
    } finally {
      await page.close();
    }
  },

  async 'a held Enter or Space on LEVEL UP shows the refusal until a fresh press; About fits a small screen'(context) {
    await withGame(context, async (page, oracle) => {
      for (const key of ['Enter', 'Space']) {
        await page.focus('#main [data-control=Label3]');
        await page.keyboard.down(key);
        await page.waitForSelector('[data-control=message]');
        await page.keyboard.down(key);  // the key's own repeats
        await page.keyboard.down(key);
        await page.keyboard.up(key);
        assert.notEqual(await page.$('[data-control=message]'), null, `${key}: the box is still open`);
        await page.keyboard.press(key);
        await page.waitForSelector('[data-control=message]', { hidden: true });
        await oracle.send('level-up');
        await expectState(page, await oracle.send('settle'), `${key}: a new game`);
      }
      for (const viewport of [{ width: 400, height: 480 }, { width: 844, height: 390 }]) {
        await page.setViewport(viewport);
        await page.click('.menubar [data-control=mnuabout]');
        await page.click('.menu [data-control=mnuaswitch]');
        await page.waitForSelector('#frmAbout');
        assertInside((await measure(page)).about, viewport, `About in ${viewport.width}x${viewport.height}`);
        await page.keyboard.press('Escape');
      }
    });
  },

};

runTests(tests);
