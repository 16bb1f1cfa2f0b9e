// The page in Debian's Chromium, played by mouse and by keys, against the
// rules as the desktop build plays them (oracle.cjs): the same first board,
// the same boards and texts after every event.
// Usage: node PageTest.cjs WEB_DIR TRANSCRIPT_PROGRAM
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { withGame, runTests } = require('./harness.cjs');
const { readState, expectState, cellPoint, desktopScene } = require('./scenes.cjs');
const { compareLayout } = require('./compare.cjs');

// Notes every press the page hands the game: (x, y) in twips.
function recordPresses(page) {
  return page.evaluateOnNewDocument(() => {
    window.presses = [];
    let create;
    Object.defineProperty(window, 'createPelmora', {
      configurable: true,
      get: () => create,
      set: (original) => {
        create = async (...args) => {
          const module = await original(...args);
          const call = module.ccall.bind(module);
          module.ccall = (name, type, types, values, options) => {
            if (name === 'pelmora_press') window.presses.push(values.slice(2));
            return call(name, type, types, values, options);
          };
          return module;
        };
      },
    });
  });
}

// Waits until the page's live region says `words`, as the desktop says them.
async function hears(page, words) {
  const region = '#main [data-control=spoken]';
  await page.waitForFunction((selector, want) => document.querySelector(selector).textContent.trim() === want,
    { timeout: 5000 }, region, words).catch(async () => {
    assert.equal(await page.$eval(region, (spoken) => spoken.textContent.trim()), words);
  });
}

const selectedIn = (state) => [...state.board].filter((code) => 'BGRY'.includes(code)).length;

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
        await page.keyboard.press('Space');
        const selected = await oracle.send(`press ${target.x} ${target.y}`);
        await expectState(page, selected, `selection ${move}`);
        // Pressed where the rules put the cell's middle, to the twip.
        assert.deepEqual((await page.evaluate(() => window.presses)).at(-1), [target.x, target.y]);
        assert.equal(await activeName(), names[selected.board[index]]);
        assert.match(await activeName(), /, selected$/);
        await page.keyboard.press('Enter');
        await oracle.send(`press ${target.x} ${target.y}`);
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
    }, recordPresses);
  },

  async 'a screen reader hears each move from a polite live region, in the desktop\'s words'(context) {
    await withGame(context, async (page, oracle) => {
      const at = await cellPoint(page, context.layout, await oracle.biggestGroup());
      await page.mouse.click(at.pageX, at.pageY);
      const selected = await oracle.send(`press ${at.x} ${at.y}`);
      const n = selectedIn(selected);
      await hears(page, `${n} boxes selected, worth ${selected.texts.SelPts}`);
      await page.mouse.click(at.pageX, at.pageY);
      const removed = await oracle.send(`press ${at.x} ${at.y}`);
      const again = selectedIn(removed);  // a box falling into the cell may pair up at once
      await hears(page, `removed ${n} boxes for ${500 * n * n} points; ${removed.texts.Pts} points` +
        (again ? `; ${again} boxes selected, worth ${removed.texts.SelPts}` : ''));
      const t = (await oracle.send('settle')).texts;
      await page.keyboard.press('KeyS');
      await hears(page, `${t.Pts} points; level 1; next level at 200000; ` +
        (again ? `${again} boxes selected, worth ${t.SelPts}` : 'nothing selected') +
        `; ${t.Label6} red, ${t.Label8} blue, ${t.Label10} green, ${t.Label12} yellow boxes left; next Reset costs 15000`);
      await page.click('.menubar [data-control=mnuFile]');
      await page.click('.menu [data-control=mnuFileNew]');
      await hears(page, `reshuffled; ${Number(t.Pts) - 15000} points; next Reset costs 35000`);
      await page.click('#main [data-control=Label3]');
      await page.waitForSelector('[data-control=message]');
      await page.keyboard.press('Enter');
      await hears(page, 'new game; level 1; 0 points');
      assert.equal(await page.$eval('#main [data-control=spoken]', (region) => region.getAttribute('aria-live')),
        'polite');
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
      // The product's page, the mail to support, the maker's home page.
      const links = { Label4: 'http://www.pelmora-games.example/pelmora',
        Label5: 'mailto:support@pelmora-games.example', Label7: 'http://www.pelmora-games.example/' };
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

  async 'the page looks like the desktop window for the same board'(context) {
    const shot = await desktopScene(context.browser, context.url, context.layout, context.program);
    const desktop = fs.readFileSync(path.join(__dirname, '../../docs/screenshot.png'));
    const result = await compareLayout(context.browser, desktop, shot);
    assert.deepEqual(result.failedBlocks, [], `blocks that differ (largest share ${result.worst})`);
  },
};

runTests(tests);
