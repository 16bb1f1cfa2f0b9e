// The sounds in the page, in Debian's Chromium: a handler that plays one
// goes on only once it has ended, and events meanwhile wait and come after
// it in order; the desktop's limits hold for sounds too long or broken.
// Usage: node SoundTest.cjs WEB_DIR TRANSCRIPT_PROGRAM
'use strict';
const assert = require('assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve } = require('./browser.cjs');
const { withGame, runTests } = require('./harness.cjs');
const { expectState, cellPoint } = require('./scenes.cjs');

// How late the browser may report that a sound has ended.
const kEndLateness = 150;

// How long a WAV file plays: its data chunk over its byte rate.
function wavMilliseconds(file) {
  const data = fs.readFileSync(file);
  const byteRate = data.readUInt32LE(28);
  for (let at = 12; at + 8 <= data.length; at += 8 + data.readUInt32LE(at + 4)) {
    if (data.toString('latin1', at, at + 4) === 'data') return (data.readUInt32LE(at + 4) / byteRate) * 1000;
  }
  throw new Error(`${file} has no data chunk`);
}

// Notes when each sound starts, ends, and is stopped by the page, on the
// page's own clock. A sound that ended on its own ends before the page
// stops it; a sound cut short is stopped first. (How long it lasted on the
// page's clock tells nothing: the removal's sound lasts a few hundredths of
// a second, and a headless browser's audio output, behind under load,
// catches up faster than the page's clock runs.)
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
    const stop = AudioBufferSourceNode.prototype.stop;
    AudioBufferSourceNode.prototype.stop = function (...args) {
      window.watched.push({ what: 'stop', at: performance.now() });
      return stop.apply(this, args);
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

const tests = {
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
        const column = index % g.columns;
        if (column > farthest || !'bgry'.includes(afterB?.board[index] ?? removed.board[index])) continue;
        const point = await cellPoint(page, context.layout, await oracle.cell(Math.floor(index / g.columns), column));
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
      const clearSound = wavMilliseconds(path.join(context.webDir, context.layout.sounds[0]));
      assert.ok(Math.abs(sound.length - clearSound) < 1, `the removal's own sound: ${sound.length} ms`);
      const stopped = watched.findIndex((entry) => entry.what === 'stop');
      assert.ok(stopped < 0 || stopped > watched.indexOf(ended), `the sound played to its end: ${JSON.stringify(watched)}`);
      const changes = watched.filter((entry) => entry.what === 'Pts' || entry.what === 'SelPts');
      const during = changes.filter((entry) => entry.at > sound.at && entry.at < ended.at);
      assert.deepEqual(during, [], `nothing is shown while the sound plays: ${JSON.stringify(watched)}`);
      const after = changes.filter((entry) => entry.at >= ended.at).map((entry) => [entry.what, entry.text]);
      assert.deepEqual(after, [['Pts', removed.texts.Pts], ['SelPts', ''], ['SelPts', afterB.texts.SelPts]],
        'the removal ends, then the press is handled');
    }, watchSounds);
  },

  async 'a sound too long plays its first five seconds; a broken one gives the short default sound'(context) {
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-web-'));
    fs.cpSync(context.webDir, copy, { recursive: true });
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
              // Cut where the longest sound ends, not only waited for so long.
              const ended = watched.find((entry) => entry.what === 'ended');
              assert.ok(ended.at - sound.at <= heardMs + kEndLateness, `${what}: heard ${ended.at - sound.at} ms`);
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

  // The page's folder is handed to the game through a buffer of 256 bytes,
  // grown when the folder does not fit.
  async 'from a folder whose address is 256 bytes long, a removal plays its own sound'(context) {
    const parent = fs.mkdtempSync(path.join(os.tmpdir(), 'pelmora-web-'));
    const server = await serve(parent);
    try {
      const name = 'f'.repeat(256 - server.url.length);  // the folder is the address without its last "/"
      fs.symlinkSync(path.resolve(context.webDir), path.join(parent, name));
      await withGame({ ...context, url: `${server.url}${name}/` }, async (page, oracle) => {
        const at = await cellPoint(page, context.layout, await oracle.biggestGroup());
        await page.mouse.click(at.pageX, at.pageY);
        await page.mouse.click(at.pageX, at.pageY);
        await oracle.send(`press ${at.x} ${at.y}`);
        await oracle.send(`press ${at.x} ${at.y}`);
        await expectState(page, await oracle.send('settle'), 'removal');
        const sound = (await page.evaluate(() => window.watched)).find((entry) => entry.what === 'sound');
        const clearSound = wavMilliseconds(path.join(context.webDir, context.layout.sounds[0]));
        assert.ok(sound && Math.abs(sound.length - clearSound) < 1, `the removal's own sound: ${sound?.length} ms`);
      }, watchSounds);
    } finally {
      await server.close();
      fs.rmSync(parent, { recursive: true, force: true });
    }
  },
};

runTests(tests);
