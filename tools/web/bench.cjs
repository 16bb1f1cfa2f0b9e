// The web page's figures in Debian's Chromium, headless, from a local
// server, as "key value" lines: load to the first painted board, the size of
// the game (wasm and loader, raw and gzip-compressed), a tick's cost on a
// settled board and while boxes fall, and memory.
// Usage: node tools/web/bench.cjs WEB_DIR
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { withServedBrowser } = require('../../tests/web/browser.cjs');

const kLoads = Number(process.env.WEB_BENCH_LOADS ?? 11);
const kTraceMs = 3000;

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
  // The page's own scripts, styles and layout table, apart.
  let pageRaw = 0;
  let pageGzip = 0;
  for (const file of fs.readdirSync(webDir)) {
    if (!/\.(js|css|html|json)$/.test(file) || files.includes(file)) continue;
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

// The durations of the timer callbacks in a trace, in milliseconds.
async function timerCosts(page, during) {
  await page.tracing.start({ categories: ['devtools.timeline'] });
  await during();
  const trace = JSON.parse(Buffer.from(await page.tracing.stop()).toString("utf8"));
  return trace.traceEvents.filter((event) => event.name === 'TimerFire' && event.dur !== undefined)
    .map((event) => event.dur / 1000);
}

async function ticksAndMemory(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 901, height: 720 });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('pelmora-first-board').length > 0);
  const wait = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
  const settled = await timerCosts(page, () => wait(kTraceMs));

  // Select and remove groups, then trace the ticks that settle the board.
  const box = await (await page.$('#main [data-control=dest]')).boundingBox();
  const falling = await timerCosts(page, async () => {
    for (let row = 6; row >= 0; --row) {
      for (let column = 0; column < 13; ++column) {
        const x = box.x + 2 + 47 * column + 23;
        const y = box.y + 5 + 48 * row + 24;
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

async function main() {
  const webDir = process.argv[2];
  const figures = await withServedBrowser(webDir, async (browser, url) => ({
    ...sizes(webDir),
    ...(await firstBoard(browser, url)),
    ...(await ticksAndMemory(browser, url)),
    chromium: (await browser.version()).replace(/^HeadlessChrome\//, ''),
  }));
  for (const [key, value] of Object.entries(figures)) console.log(`${key} ${value}`);
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
