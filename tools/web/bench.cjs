// The web page's figures in Debian's Chromium, headless, from a local
// server that sends text gzip-compressed, as "key value" lines: load to the
// first painted board, the size of the game (wasm and loader, raw and
// gzip-compressed), a tick's cost on a settled board and while boxes fall,
// memory, and on a mid-range phone (four times slower processor, a fast 3G
// network) the first painted board, what it fetched first and how long a
// tap that selects a group takes to reach the screen.
// Usage: node tools/web/bench.cjs WEB_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { PredefinedNetworkConditions } = require('puppeteer-core');
const { withServedBrowser } = require('../../tests/web/browser.cjs');

const kLoads = Number(process.env.WEB_BENCH_LOADS ?? 11);
const kTraceMs = 3000;
// A phone held upright, and the phone profile's slower processor.
const kPhone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const kPhoneSlowdown = 4;

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const kib = (bytes) => (bytes / 1024).toFixed(1);

function sizes(webDir) {
  const files = ['pelmora.wasm', 'pelmora.js'];
  let raw = 0;
  let gzip = 0;
  for (const file of files) {
    const data = fs.readFileSync(path.join(webDir, file));
    raw += data.length;
    gzip += zlib.gzipSync(data, { level: 9 }).length;
  }
  // The page's own scripts, styles and layout table, apart (index.html
  // carries copies of them).
  let pageRaw = 0;
  let pageGzip = 0;
  for (const file of fs.readdirSync(webDir)) {
    if (!/\.(js|css|json)$/.test(file) || files.includes(file)) continue;
    const data = fs.readFileSync(path.join(webDir, file));
    pageRaw += data.length;
    pageGzip += zlib.gzipSync(data, { level: 9 }).length;
  }
  return { game_kib_raw: kib(raw), game_kib_gzip: kib(gzip), page_kib_raw: kib(pageRaw), page_kib_gzip: kib(pageGzip) };
}

// Each load in a fresh browser context: nothing cached.
async function firstBoard(browser, url) {
  const times = [];
  for (let i = 0; i <= kLoads; ++i) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 901, height: 720 });
    await page.goto(url);
    await page.waitForFunction(() => performance.getEntriesByName('pelmora-first-board').length > 0);
    const at = await page.evaluate(() => performance.getEntriesByName('pelmora-first-board')[0].startTime);
    if (i > 0) times.push(at);  // the first load warms the browser itself
    await context.close();
  }
  return { first_board_ms: median(times).toFixed(1), first_board_ms_worst: Math.max(...times).toFixed(1) };
}

// The durations of the repeating timer's callbacks (the game's ticks; not
// the one-off timers the page sets) in a trace, in milliseconds.
async function timerCosts(page, during) {
  await page.tracing.start({ categories: ['devtools.timeline'] });
  await during();
  const trace = JSON.parse(Buffer.from(await page.tracing.stop()).toString("utf8"));
  const oneOff = new Set(trace.traceEvents.filter((event) => event.name === 'TimerInstall' && event.args?.data?.singleShot)
    .map((event) => event.args.data.timerId));
  return trace.traceEvents.filter((event) => event.name === 'TimerFire' && event.dur !== undefined &&
    !oneOff.has(event.args?.data?.timerId)).map((event) => event.dur / 1000);
}

async function ticksAndMemory(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 901, height: 720 });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('pelmora-first-board').length > 0);
  const wait = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
  const settled = await timerCosts(page, () => wait(kTraceMs));

  // Select and remove groups, then trace the ticks that settle the board.
  const falling = await timerCosts(page, async () => {
    for (let row = 6; row >= 0; --row) {
      for (let column = 0; column < 13; ++column) {
        const { x, y } = await cellCentre(page, row, column);
        await page.mouse.click(x, y);
        await page.mouse.click(x, y);
      }
      await wait(150);
    }
    await wait(1000);
  });
  const metrics = await page.metrics();
  await page.close();
  const renderers = fs.readdirSync('/proc').filter((pid) => /^\d+$/.test(pid)).flatMap((pid) => {
    try {
      const command = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
      if (!command.includes('--type=renderer') || !command.includes('pelmora-chromium-')) return [];
      const rss = /VmRSS:\s+(\d+)/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'));
      return rss ? [Number(rss[1])] : [];
    } catch (error) {
      return [];
    }
  });
  return {
    tick_ms_settled: median(settled).toFixed(3),
    tick_ms_settled_worst: Math.max(...settled).toFixed(3),
    tick_ms_playing: median(falling).toFixed(3),
    tick_ms_playing_worst: Math.max(...falling).toFixed(3),
    ticks_traced: settled.length + falling.length,
    js_heap_mib: (metrics.JSHeapUsedSize / 1048576).toFixed(1),
    renderer_rss_mib: renderers.length ? (Math.max(...renderers) / 1024).toFixed(1) : 'unknown',
  };
}

// The middle of a cell in page coordinates, however the window is scaled:
// the middle of the page's own grid cell that lies over it.
async function cellCentre(page, row, column) {
  const box = await (await page.$(`#dest-${row}-${column}`)).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// Fresh loads on the phone profile: the first painted board, the bytes
// (as sent, compressed) and requests the page asked for before it, and the
// time from a tap that selects a group to the next frame on the screen
// (the browser's own measure of its events, to 8 ms).
async function slowPhone(browser, url) {
  const loads = [];
  for (let i = 0; i <= kLoads; ++i) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.emulate({ viewport: kPhone, userAgent: '' });
    await page.emulateCPUThrottling(kPhoneSlowdown);
    await page.emulateNetworkConditions(PredefinedNetworkConditions['Fast 3G']);
    await page.goto(url);
    await page.waitForFunction(() => performance.getEntriesByName('pelmora-first-board').length > 0,
      { timeout: 60000 });
    const load = await page.evaluate(() => {
      const board = performance.getEntriesByName('pelmora-first-board')[0].startTime;
      const first = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')]
        .filter((entry) => entry.fetchStart < board);
      return { board, bytes: first.reduce((sum, entry) => sum + entry.encodedBodySize, 0), requests: first.length };
    });
    await page.waitForNetworkIdle({ idleTime: 500, timeout: 60000 });
    // A cell with a neighbour of its colour to its right: a tap selects it.
    const cell = await page.evaluate(() => {
      const codes = [...document.querySelectorAll('#main [role=gridcell]')].map((cell) => cell.dataset.code);
      return codes.findIndex((code, index) => index % 13 < 12 && 'bgry'.includes(code) && codes[index + 1] === code);
    });
    const at = await cellCentre(page, Math.floor(cell / 13), cell % 13);
    await page.evaluate(() => {
      window.tapTimes = [];
      const note = (list) => window.tapTimes.push(...list.getEntries().map((entry) => entry.duration));
      new PerformanceObserver(note).observe({ type: 'first-input', buffered: true });
      new PerformanceObserver(note).observe({ type: 'event', durationThreshold: 16 });
    });
    await page.touchscreen.tap(at.x, at.y);
    // The longest of the tap's events (touch, pointer, and any mouse events
    // the browser makes of it), once they have all been reported.
    await page.waitForFunction(() => window.tapTimes.length > 0);
    load.tap = await page.evaluate(() => new Promise((resolve) =>
      setTimeout(() => resolve(Math.max(...window.tapTimes)), 500)));
    const selected = await page.evaluate(() => document.querySelectorAll('#main [data-code=B], #main [data-code=G], ' +
      '#main [data-code=R], #main [data-code=Y]').length);
    if (selected === 0) throw new Error('the tap selected nothing');
    if (i > 0) loads.push(load);  // the first load warms the browser itself
    await context.close();
  }
  const of = (key) => loads.map((load) => load[key]);
  return {
    phone_loads: loads.length,
    phone_first_board_ms: median(of('board')).toFixed(0),
    phone_first_board_ms_worst: Math.max(...of('board')).toFixed(0),
    phone_first_kib: kib(median(of('bytes'))),
    phone_first_requests: median(of('requests')),
    phone_tap_ms: median(of('tap')).toFixed(0),
    phone_tap_ms_worst: Math.max(...of('tap')).toFixed(0),
  };
}

async function main() {
  const webDir = process.argv[2];
  const figures = await withServedBrowser(webDir, async (browser, url) => ({
    ...sizes(webDir),
    ...(await firstBoard(browser, url)),
    ...(await ticksAndMemory(browser, url)),
    ...(await slowPhone(browser, url)),
    chromium: (await browser.version()).replace(/^HeadlessChrome\//, ''),
  }));
  for (const [key, value] of Object.entries(figures)) console.log(`${key} ${value}`);
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
