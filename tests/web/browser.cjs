// What the browser tests share: a static server for the built page on
// 127.0.0.1, and Debian's Chromium started headless through puppeteer-core.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');
const puppeteer = require('puppeteer-core');

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.json': 'application/json', '.wasm': 'application/wasm', '.png': 'image/png',
  '.svg': 'image/svg+xml', '.wav': 'audio/wav', '.ttf': 'font/ttf', '.woff2': 'font/woff2',
  '.webmanifest': 'application/manifest+json',
};
// Sent gzip-compressed to a browser that takes it, as web servers send text.
const kCompressed = new Set(['.html', '.js', '.css', '.json', '.wasm', '.svg', '.webmanifest']);

// Serves `folder` on a free port; resolves to { url, close }.
function serve(folder) {
  const root = path.resolve(folder);
  const server = http.createServer((request, response) => {
    const wanted = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, wanted.endsWith('/') ? `${wanted}index.html` : wanted);
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const type = path.extname(file);
    const gzip = kCompressed.has(type) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '');
    response.writeHead(200, {
      'Content-Type': kTypes[type] ?? 'application/octet-stream',
      ...(gzip ? { 'Content-Encoding': 'gzip' } : {}),
    });
    const body = fs.createReadStream(file);
    (gzip ? body.pipe(zlib.createGzip()) : body).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve({
      url: `http://127.0.0.1:${server.address().port}/`,
      close: () => new Promise((done) => server.close(done)),
    }));
  });
}

// Debian's Chromium, headless, in a profile of its own that is thrown away.
async function launch(extraArgs = []) {
  const profile = fs.mkdtempSync(path.join(require('os').tmpdir(), 'pelmora-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-dev-shm-usage', ...extraArgs,
    ],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page of the game with every console error and page error collected;
// `setup(page)` runs before the page loads.
async function openGame(browser, url, setup) {
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (message) => {
    if (['error', 'warn', 'warning'].includes(message.type())) errors.push(message.text());
  });
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('requestfailed', (request) => errors.push(`request failed: ${request.url()}`));
  // Wide enough for the window and the About window, and an odd width, so
  // the centred window starts on a whole pixel.
  await page.setViewport({ width: 901, height: 720, deviceScaleFactor: 1 });
  if (setup) await setup(page);
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => performance.getEntriesByName('pelmora-first-board').length > 0);
  return { page, errors };
}

// Serves `folder`, starts Chromium, runs body(browser, url), then closes both
// whatever body did.
async function withServedBrowser(folder, body) {
  const server = await serve(folder);
  const browser = await launch();
  try {
    return await body(browser, server.url);
  } finally {
    await browser.close();
    await server.close();
  }
}

module.exports = { serve, launch, openGame, withServedBrowser };
