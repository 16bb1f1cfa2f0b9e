// Pages held in a known state: the page's entropy and clock held still so it
// deals a known board, the board and texts read back, and the scene of the
// desktop's screenshot played again in the page.
'use strict';
const assert = require('assert/strict');
const { openGame } = require('./browser.cjs');
const { Oracle, kTextNames } = require('./oracle.cjs');

// The page's entropy and clock, held still so it deals a known board: every
// draw of the browser's random source gives this number, so the game's
// generator starts at (number << 32) ^ number; the clock stands at second 0
// of a December day. With this number greedy play reaches level 2 in four
// removals, and tools/screenshot deals the desktop's picture from the same
// state and clock.
const kEntropy = 26;
const kState = (BigInt(kEntropy) << 32n) ^ BigInt(kEntropy);
const kSecond = 0;
const kMonth = 12;
const kFixedTime = Date.UTC(2026, kMonth - 1, 6, 12, 0, kSecond);

async function holdStill(page) {
  await page.emulateTimezone('UTC');
  await page.evaluateOnNewDocument((entropy, fixedTime) => {
    const bytes = new Uint8Array(new Uint32Array([entropy]).buffer);
    let next = 0;
    crypto.getRandomValues = (array) => {
      const view = new Uint8Array(array.buffer, array.byteOffset, array.byteLength);
      for (let i = 0; i < view.length; ++i) view[i] = bytes[next++ % bytes.length];
      return array;
    };
    Date.now = () => fixedTime;
  }, kEntropy, kFixedTime);
}

async function readState(page) {
  return page.evaluate((names) => ({
    board: [...document.querySelectorAll('#main [data-control=dest] [role=gridcell]')]
      .map((cell) => cell.dataset.code).join(''),
    texts: Object.fromEntries(names.map((name) =>
      [name, document.querySelector(`#main [data-control=${name}]`).textContent])),
  }), kTextNames);
}

// Waits until the page shows `expected` (its ticks settle the board on
// their own); on a timeout, says what differs.
async function expectState(page, expected, what) {
  try {
    await page.waitForFunction((want, names) => {
      const cells = [...document.querySelectorAll('#main [data-control=dest] [role=gridcell]')];
      if (cells.map((cell) => cell.dataset.code).join('') !== want.board) return false;
      return names.every((name) =>
        document.querySelector(`#main [data-control=${name}]`).textContent === want.texts[name]);
    }, { timeout: 10000 }, expected, kTextNames);
  } catch (error) {
    assert.deepEqual(await readState(page), expected, `${what}: the page shows something else`);
  }
}

// A whole pixel of the window near the middle of a cell (as the oracle
// places it), in page coordinates (the window is scaled to fit the page),
// and the same point in twips on the board.
async function cellPoint(page, layout, cell) {
  const dest = await page.$('#main [data-control=dest]');
  const box = await dest.boundingBox();
  const scale = box.width / (await dest.evaluate((element) => element.offsetWidth));
  const px = (twips) => Math.round(twips / layout.twipsPerPixel);
  const x = px(cell.x);
  const y = px(cell.y);
  return { pageX: box.x + x * scale, pageY: box.y + y * scale, x: x * layout.twipsPerPixel, y: y * layout.twipsPerPixel };
}

// A viewport of the window's own size: the window at its own scale, 1.
async function windowSized(page) {
  const size = await page.$eval('#main', (main) => ({ width: main.offsetWidth, height: main.offsetHeight }));
  await page.setViewport({ ...page.viewport(), ...size });
}


// The desktop's screenshot (tools/screenshot): the same board, its biggest
// group selected, the first ticks done. Resolves to a PNG of the window.
async function desktopScene(browser, url, layout, transcriptProgram) {
  const oracle = new Oracle(transcriptProgram, kState, kSecond, kMonth);
  const { page, errors } = await openGame(browser, url, holdStill);
  try {
    await oracle.first();
    await expectState(page, await oracle.send('settle'), 'first board');
    const at = await cellPoint(page, layout, await oracle.biggestGroup());
    await page.mouse.click(at.pageX, at.pageY);
    await oracle.send(`press ${at.x} ${at.y}`);
    await expectState(page, await oracle.send('settle'), 'selection');
    await windowSized(page);
    await page.mouse.move(0, 0);
    await page.waitForSelector('#main:not(.fonts-pending)');
    assert.deepEqual(errors, [], 'console errors');
    return await (await page.$('#main')).screenshot();
  } finally {
    oracle.close();
    await page.close();
  }
}

module.exports = { kState, kSecond, kMonth, holdStill, readState, expectState, cellPoint, windowSized, desktopScene };
