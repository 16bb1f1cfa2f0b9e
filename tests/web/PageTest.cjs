// The page in Debian's Chromium, played by mouse and by keys, against the
// rules as the desktop build plays them (oracle.cjs): the same first board,
// the same boards and texts after every event.
// Usage: node PageTest.cjs WEB_DIR TRANSCRIPT_PROGRAM
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { serve, launch, openGame } = require('./browser.cjs');
const { Oracle, kTextNames } = require('./oracle.cjs');
const { kState, kSecond, kMonth, holdStill, readState, expectState, cellPoint, desktopScene } =
  require('./scenes.cjs');
const { compareLayout } = require('./compare.cjs');

const [webDir, transcriptProgram] = process.argv.slice(2);

// How long a WAV file plays: its data chunk over its byte rate.
function wavMilliseconds(file) {
  const data = fs.readFileSync(file);
  const byteRate = data.readUInt32LE(28);
  for (let at = 12; at + 8 <= data.length; at += 8 + data.readUInt32LE(at + 4)) {
    if (data.toString('latin1', at, at + 4) === 'data') return (data.readUInt32LE(at + 4) / byteRate) * 1000;
  }
  throw new Error(`${file} has no data chunk`);
}

// Notes when each sound starts and ends, on the page's own clock.
async function watchSounds(page) {
  await page.evaluateOnNewDocument(() => {
    window.watched = [];
    // Heard first when a sound ends, before the page's own handler.
    const create = AudioContext.prototype.createBufferSource;
    AudioContext.prototype.createBufferSource = function (...args) {
      const source = create.apply(this, args);
      source.addEventListener('ended', () => window.watched.push({ what: 'ended', at: performance.now() }));
      return source;
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.watched.push({ what: 'sound', length: this.buffer.duration * 1000, at: performance.now() });
      return start.apply(this, args);
    };
  });
}

// Notes when the points and the selection value change, on the same clock.
async function watchLabels(page) {
  await page.evaluate(() => {
    for (const name of ['Pts', 'SelPts']) {
      const label = document.querySelector(`#main [data-control=${name}]`);
      new MutationObserver(() => window.watched.push({ what: name, text: label.textContent, at: performance.now() }))
        .observe(label, { childList: true, characterData: true, subtree: true });
    }
  });
}

// A mono 16-bit WAV of silence, `milliseconds` long.
function silentWav(milliseconds) {
  const rate = 8000;
  const dataBytes = Math.round(rate * milliseconds / 1000) * 2;
  const header = Buffer.alloc(44);
  header.write('RIFF', 0);
  header.writeUInt32LE(36 + dataBytes, 4);
  header.write('WAVEfmt ', 8);
  header.writeUInt32LE(16, 16);
  header.writeUInt16LE(1, 20);  // PCM
  header.writeUInt16LE(1, 22);  // one channel
  header.writeUInt32LE(rate, 24);
  header.writeUInt32LE(rate * 2, 28);
  header.writeUInt16LE(2, 32);
  header.writeUInt16LE(16, 34);
  header.write('data', 36);
  header.writeUInt32LE(dataBytes, 40);
  return Buffer.concat([header, Buffer.alloc(dataBytes)]);
}

// `allowed` lists console messages the test expects.
async function withGame(context, body, extraSetup, allowed = []) {
  const oracle = new Oracle(transcriptProgram, kState, kSecond, kMonth);
  const setup = async (page) => {
    await holdStill(page);
    if (extraSetup) await extraSetup(page);
  };
  const { page, errors } = await openGame(context.browser, context.url, setup);
  try {
    // The first tick may come before the page is first read: a full board
    // does not settle, so after it the board is still the first one.
    await oracle.first();
    await expectState(page, await oracle.send('settle'), 'first board');
    // Once loaded, the page fetches nothing more, whatever is played (the
    // browser fetches the tab's icon when it likes: that one is its own).
    await page.waitForNetworkIdle({ idleTime: 250 });
    const icon = await page.$eval('link[rel=icon]', (link) => link.href);
    const fetched = [];
    page.on('request', (request) => { if (request.url() !== icon) fetched.push(request.url()); });
    await body(page, oracle);
    assert.deepEqual(errors.filter((error) => !allowed.some((pattern) => pattern.test(error))), [],
      'console errors');
    assert.deepEqual(fetched, [], 'requests after loading');
  } finally {
    oracle.close();
    await page.close();
  }
}

const tests = {
  async 'load: the first board, labels and menus as the desktop has them'(context) {
    await withGame(context, async (page) => {
      const shown = await page.evaluate(() => ({
        caption: document.title,
        strip: ['Null2', 'Null', 'Null3', 'Label3'].map((name) =>
          document.querySelector(`#main [data-control=${name}]`).textContent),
        menus: [...document.querySelectorAll('.menubar .menu-title')].map((title) => title.textContent),
        size: [document.querySelector('#main .client').offsetWidth, document.querySelector('#main .client').offsetHeight],
      }));
      // Each label the desktop names for what it shows, by that name.
      const tree = await page.accessibility.snapshot();
      const named = (node) => [[node.role, node.name], ...(node.children ?? []).flatMap(named)];
      const spoken = named(tree);
      const namedLabels = [];
      const collect = (controls) => controls.forEach((control) => {
        if (control.kind === 'label' && control.accessibleName && control.visible) namedLabels.push(control.accessibleName);
        collect(control.children ?? []);
      });
      collect(context.layout.main.controls);
      assert.ok(namedLabels.includes('Points'), 'the desktop names its labels');
      for (const name of namedLabels) assert.ok(spoken.some(([role, what]) => role === 'status' && what === name), name);
      assert.deepEqual(shown, {
        caption: 'Pelmora',
        strip: ['Current Level: ', 'Selection Value: ', 'Reset Cost:', 'LEVEL UP'],
        menus: ['File', 'Help'],
        size: [context.layout.main.width, context.layout.main.height],
      });
    });
  },

  async 'a game by mouse, any button, reaches level 2 and LEVEL UP (by Tab and Enter) moves on'(context) {
    await withGame(context, async (page, oracle) => {
      const buttons = ['left', 'right', 'middle'];
      for (let move = 0; ; ++move) {
        const points = Number((await readState(page)).texts.Pts);
        if (points >= 200000) break;
        assert.ok(move < 6, 'greedy play should reach level 2 within six removals');
        const at = await cellPoint(page, context.layout, await oracle.biggestGroup());
        await page.mouse.click(at.pageX, at.pageY, { button: buttons[move % 3] });
        await expectState(page, await oracle.send(`press ${at.x} ${at.y}`), `selection ${move}`);
        await page.mouse.click(at.pageX, at.pageY, { button: buttons[(move + 1) % 3] });
        await oracle.send(`press ${at.x} ${at.y}`);
        await expectState(page, await oracle.send('settle'), `removal ${move}`);
      }
      // Tab goes from the board to LEVEL UP; Enter there is a click.
      await page.focus('#main [data-control=dest]');
      await page.keyboard.press('Tab');
      await page.keyboard.press('Enter');
      await oracle.send('level-up');
      const after = await oracle.send('settle');
      assert.equal(after.texts.lvl, '2');
      await expectState(page, after, 'level up');
    });
  },

  async 'a game by keys: arrows move, Space selects, Enter removes'(context) {
    await withGame(context, async (page, oracle) => {
      await page.focus('#main [data-control=dest]');
      let cursor = { row: 0, column: 0 };
      const g = context.layout.board;
      for (let move = 0; move < 2; ++move) {
        const target = await oracle.biggestGroup();
        const keys = [];
        for (; cursor.row < target.row; ++cursor.row) keys.push('ArrowDown');
        for (; cursor.row > target.row; --cursor.row) keys.push('ArrowUp');
        for (; cursor.column < target.column; ++cursor.column) keys.push('ArrowRight');
        for (; cursor.column > target.column; --cursor.column) keys.push('ArrowLeft');
        for (const key of keys) await page.keyboard.press(key);
        const activeName = () => page.$eval('#main [data-control=dest]', (board) =>
          document.getElementById(board.getAttribute('aria-activedescendant')).getAttribute('aria-label'));
        const names = context.layout.board.cellNames;
        const index = target.row * g.columns + target.column;
        assert.equal(await activeName(), names[(await readState(page)).board[index]]);
        const x = g.left + (target.column + 0.5) * g.cellWidth;
        const y = g.top + (target.row + 0.5) * g.cellHeight;
        await page.keyboard.press('Space');
        const selected = await oracle.send(`press ${x} ${y}`);
        await expectState(page, selected, `selection ${move}`);
        assert.equal(await activeName(), names[selected.board[index]]);
        assert.match(await activeName(), /, selected$/);
        await page.keyboard.press('Enter');
        await oracle.send(`press ${x} ${y}`);
        await expectState(page, await oracle.send('settle'), `removal ${move}`);
      }
      // The board and its cells as a screen reader finds them.
      const grid = await page.accessibility.snapshot({ root: await page.$('#main [data-control=dest]') });
      assert.equal(grid.role, 'grid');
      assert.equal(grid.name, context.layout.main.controls.find((c) => c.name === 'dest').accessibleName ?? 'dest');
      const names = new Set(Object.values(context.layout.board.cellNames));
      const cellsIn = (node) => (node.role === 'gridcell' ? [node] : (node.children ?? []).flatMap(cellsIn));
      const cells = cellsIn(grid);
      assert.equal(cells.length, g.rows * g.columns);
      for (const cell of cells) assert.ok(names.has(cell.name), `cell named "${cell.name}"`);
    });
  },

  async 'LEVEL UP too early: the box says no, OK by key or mouse starts over'(context) {
    await withGame(context, async (page, oracle) => {
      const at = await cellPoint(page, context.layout, await oracle.biggestGroup());
      await page.mouse.click(at.pageX, at.pageY);
      await page.mouse.click(at.pageX, at.pageY);
      await oracle.send(`press ${at.x} ${at.y}`);
      await oracle.send(`press ${at.x} ${at.y}`);
      const removed = await oracle.send('settle');
      await expectState(page, removed, 'removal');
      const removedPoints = removed.texts.Pts;
      for (const answer of ['Enter', 'mouse']) {
        await page.click('#main [data-control=Label3]');
        const box = await page.waitForSelector('[data-control=message]');
        const shown = await box.evaluate((dialog) => ({
          title: dialog.querySelector('.title').textContent,
          text: dialog.querySelector('.body').textContent,
          buttons: [...dialog.querySelectorAll('.buttons button')].map((button) => button.textContent),
        }));
        assert.deepEqual(shown, { title: 'Nope', text: 'You need more points!', buttons: ['OK'] });
        // Modal: the game waits for the answer, and a press on the board
        // meanwhile does nothing.
        await page.mouse.click(at.pageX, at.pageY);
        assert.equal((await readState(page)).texts.Pts, answer === 'Enter' ? removedPoints : '0');
        if (answer === 'Enter') await page.keyboard.press('Enter');
        else await page.click('[data-control=message] .buttons button');
        await page.waitForSelector('[data-control=message]', { hidden: true });
        await oracle.send('level-up');
        const after = await oracle.send('settle');
        assert.equal(after.texts.Pts, '0');
        await expectState(page, after, `answered by ${answer}`);
      }
    });
  },

  async 'Reset from the File menu, by mouse and by Alt+F'(context) {
    await withGame(context, async (page, oracle) => {
      await page.click('.menubar [data-control=mnuFile]');
      await page.click('.menu [data-control=mnuFileNew]');
      await oracle.send('reset');
      await expectState(page, await oracle.send('settle'), 'first Reset');
      await page.keyboard.down('Alt');
      await page.keyboard.press('KeyF');
      await page.keyboard.up('Alt');
      await page.keyboard.press('Enter');
      await oracle.send('reset');
      const after = await oracle.send('settle');
      assert.equal(after.texts.Pts, '-50000');
      await expectState(page, after, 'second Reset');
    });
  },

  async 'About: one window, centred, links to new tabs, closed by OK and Escape'(context) {
    await withGame(context, async (page) => {
      await page.evaluate(() => {
        window.opened = [];
        window.open = (...args) => { window.opened.push(args.slice(0, 2)); return null; };
      });
      const openAbout = async () => {
        await page.click('.menubar [data-control=mnuabout]');
        await page.click('.menu [data-control=mnuaswitch]');
        await page.waitForSelector('#frmAbout');
      };
      await openAbout();
      await openAbout();
      assert.equal(await page.$$eval('#frmAbout', (windows) => windows.length), 1);
      const box = await (await page.$('#frmAbout')).boundingBox();
      const viewport = page.viewport();
      assert.ok(Math.abs(box.x + box.width / 2 - viewport.width / 2) <= 1, 'centred across');
      assert.ok(Math.abs(box.y + box.height / 2 - viewport.height / 2) <= 1, 'centred down');
      const links = context.layout.about.links;
      for (const name of Object.keys(links)) await page.click(`#frmAbout [data-control=${name}]`);
      assert.deepEqual(await page.evaluate(() => window.opened),
        Object.values(links).map((link) => [link, '_blank']));
      assert.ok(await page.evaluate(() => document.documentElement.classList.contains('custom-pointer')));
      await page.click('#frmAbout [data-control=Label3]');  // the version line leads nowhere
      assert.equal((await page.evaluate(() => window.opened)).length, 3);
      // By keys: Tab goes round the window from OK, Enter or Space on a
      // link follows it and leaves the window open.
      await page.focus('#frmAbout [data-control=cmdOK]');
      const stops = [];
      for (let step = 0; step < 5; ++step) {
        await page.keyboard.press('Tab');
        stops.push(await page.evaluate(() => document.activeElement.dataset.control));
        if (stops.at(-1) === 'Label5') await page.keyboard.press('Enter');
        if (stops.at(-1) === 'Label7') await page.keyboard.press('Space');
      }
      assert.deepEqual(stops, ['Label5', 'Label4', 'Text1', 'Label7', 'cmdOK']);
      assert.deepEqual((await page.evaluate(() => window.opened)).slice(3).map(([link]) => link),
        [links.Label5, links.Label7]);
      assert.notEqual(await page.$('#frmAbout'), null);
      await page.click('#frmAbout [data-control=cmdOK]');
      assert.equal(await page.$('#frmAbout'), null);
      await openAbout();
      await page.keyboard.press('Escape');
      assert.equal(await page.$('#frmAbout'), null);
      // Quit with the About window open ends both.
      await openAbout();
      await page.click('.menubar [data-control=mnuFile]');
      await page.click('.menu [data-control=mnuFileQuit]');
      await page.waitForSelector('#main.ended');
      assert.equal(await page.$('#frmAbout'), null);
      assert.equal(await page.$('#main [data-control=dest]'), null);
    });
  },

  async 'a sound holds the game: its handler ends after it, a press meanwhile comes next'(context) {
    await withGame(context, async (page, oracle) => {
      const a = await oracle.biggestGroup();
      const aPoint = await cellPoint(page, context.layout, a);
      const selected = await oracle.send(`press ${aPoint.x} ${aPoint.y}`);
      const removed = await oracle.send(`press ${aPoint.x} ${aPoint.y}`);
      // B: a group left of A's columns, which neither the removal nor the
      // ticks that follow it touch, whenever they come.
      const g = context.layout.board;
      const selectedColumns = [...selected.board].flatMap((code, index) =>
        ('BGRY'.includes(code) ? [index % g.columns] : []));
      const farthest = Math.min(...selectedColumns) - 2;
      let b = null;
      let afterB = null;
      for (let index = 0; index < removed.board.length && !b; ++index) {
        const cell = { row: Math.floor(index / g.columns), column: index % g.columns };
        if (cell.column > farthest || !'bgry'.includes(afterB?.board[index] ?? removed.board[index])) continue;
        const point = await cellPoint(page, context.layout, cell);
        afterB = await oracle.send(`press ${point.x} ${point.y}`);
        const group = [...afterB.board].flatMap((code, at) => ('BGRY'.includes(code) ? [at % g.columns] : []));
        if (group.length > 0 && Math.max(...group) <= farthest) b = point;
      }
      assert.ok(b, 'a group to the left of the removed one');

      await watchLabels(page);
      await page.mouse.click(aPoint.pageX, aPoint.pageY);
      await expectState(page, selected, 'selection');
      await page.mouse.click(aPoint.pageX, aPoint.pageY);
      await page.mouse.click(b.pageX, b.pageY);
      await expectState(page, await oracle.send('settle'), 'after the removal and the press');

      const watched = await page.evaluate(() => window.watched);
      const sound = watched.find((entry) => entry.what === 'sound');
      const ended = watched.find((entry) => entry.what === 'ended');
      assert.ok(sound && ended, `the removal's sound played: ${JSON.stringify(watched)}`);
      const clearSound = wavMilliseconds(path.join(webDir, context.layout.sounds[0]));
      assert.ok(Math.abs(sound.length - clearSound) < 1, `the removal's own sound: ${sound.length} ms`);
      assert.ok(ended.at - sound.at >= sound.length * 0.9, 'the sound played to its end');
      const changes = watched.filter((entry) => entry.what === 'Pts' || entry.what === 'SelPts');
      const during = changes.filter((entry) => entry.at > sound.at && entry.at < ended.at);
      assert.deepEqual(during, [], `nothing is shown while the sound plays: ${JSON.stringify(watched)}`);
      const after = changes.filter((entry) => entry.at >= ended.at).map((entry) => [entry.what, entry.text]);
      assert.deepEqual(after, [['Pts', removed.texts.Pts], ['SelPts', ''], ['SelPts', afterB.texts.SelPts]],
        'the removal ends, then the press is handled');
    }, watchSounds);
  },

  async 'sharp on a screen of twice the pixels: the canvas and the tiles at that ratio'(context) {
    const { page, errors } = await openGame(context.browser, context.url, async (page) => {
      await page.setViewport({ width: 901, height: 720, deviceScaleFactor: 2 });
    });
    try {
      const shown = await page.evaluate(() => {
        const canvas = document.querySelector('#main [data-control=dest] canvas');
        return { width: canvas.width, height: canvas.height, cssWidth: canvas.getBoundingClientRect().width };
      });
      const dest = context.layout.main.controls.find((control) => control.name === 'dest');
      assert.deepEqual(shown, { width: dest.width * 2, height: dest.height * 2, cssWidth: dest.width });
      const tiles = await page.evaluate(() => performance.getEntriesByType('resource')
        .map((entry) => entry.name.replace(/.*\//, '')).filter((name) => /^[bgry]h?(@2x)?\.png$/.test(name)));
      assert.ok(tiles.length >= 8 && tiles.every((name) => name.includes('@2x')), `tiles fetched: ${tiles}`);
      assert.deepEqual(errors, [], 'console errors');
    } finally {
      await page.close();
    }
  },

  async 'a sound too long plays its first five seconds; a broken one gives the short default sound'(context) {
    const os = require('os');
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-web-'));
    fs.cpSync(webDir, copy, { recursive: true });
    const [clearSound] = context.layout.sounds;
    const longest = context.layout.sound.longestMilliseconds;
    const bound = longest + context.layout.sound.overrunMilliseconds;
    try {
      for (const [what, data, heardMs] of [
        ['too long', silentWav(longest * 1.6), longest],
        ['broken', Buffer.from('RIFF\0\0\0\0WAVEnot a sound at all'), null],
      ]) {
        fs.writeFileSync(path.join(copy, clearSound), data);
        const server = await serve(copy);
        try {
          await withGame({ ...context, url: server.url }, async (page, oracle) => {
            await watchLabels(page);
            const at = await cellPoint(page, context.layout, await oracle.biggestGroup());
            await page.mouse.click(at.pageX, at.pageY);
            await page.mouse.click(at.pageX, at.pageY);
            await oracle.send(`press ${at.x} ${at.y}`);
            await oracle.send(`press ${at.x} ${at.y}`);
            await expectState(page, await oracle.send('settle'), `removal with a sound ${what}`);
            const watched = await page.evaluate(() => window.watched);
            const sound = watched.find((entry) => entry.what === 'sound');
            const points = watched.find((entry) => entry.what === 'Pts' && entry.at > sound.at);
            const held = points.at - sound.at;
            if (heardMs === null) {
              assert.ok(sound.length < 500, `${what}: the default sound, not ${sound.length} ms`);
            } else {
              assert.ok(held >= heardMs * 0.9 && held <= bound + 250, `${what}: held ${held} ms`);
            }
          }, watchSounds, [/left out: not a short WAV file/]);
        } finally {
          await server.close();
        }
      }
    } finally {
      fs.rmSync(copy, { recursive: true, force: true });
    }
  },

  async 'the page looks like the desktop window for the same board'(context) {
    const shot = await desktopScene(context.browser, context.url, context.layout, transcriptProgram);
    const desktop = fs.readFileSync(path.join(__dirname, '../../docs/screenshot.png'));
    const result = await compareLayout(context.browser, desktop, shot);
    assert.deepEqual(result.failedBlocks, [], `blocks that differ (largest share ${result.worst})`);
  },
};

async function main() {
  const layout = require(path.resolve(webDir, 'layout.json'));
  const server = await serve(webDir);
  const browser = await launch();
  let failed = 0;
  try {
    for (const [name, test] of Object.entries(tests)) {
      try {
        await test({ browser, url: server.url, layout });
        console.log(`ok - ${name}`);
      } catch (error) {
        ++failed;
        console.log(`FAIL - ${name}\n${error.stack}`);
      }
    }
  } finally {
    await browser.close();
    await server.close();
  }
  process.exitCode = failed ? 1 : 0;
}

main();
