// What the page tests share: a game page held in a known state beside the
// desktop build's rules, and the running of a list of tests in one browser.
'use strict';
const assert = require('assert/strict');
const path = require('path');
const { serve, launch, openGame } = require('./browser.cjs');
const { Oracle } = require('./oracle.cjs');
const { kState, kSecond, kMonth, holdStill, expectState } = require('./scenes.cjs');

// `allowed` lists console messages the test expects.
async function withGame(context, body, extraSetup, allowed = []) {
  const oracle = new Oracle(context.program, kState, kSecond, kMonth);
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

// Runs `tests` ({ name: async (context) => ... }) one after another in one
// Chromium, each given { browser, url, layout, webDir, program }; exits
// non-zero if any failed. Arguments: WEB_DIR TRANSCRIPT_PROGRAM.
async function runTests(tests) {
  const [webDir, program] = process.argv.slice(2);
  const layout = require(path.resolve(webDir, 'layout.json'));
  const server = await serve(webDir);
  const browser = await launch();
  let failed = 0;
  try {
    for (const [name, test] of Object.entries(tests)) {
      try {
        await test({ browser, url: server.url, layout, webDir, program });
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

module.exports = { withGame, runTests };
