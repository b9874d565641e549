// Clicks made while the module is still on its way: each shows that it
// waits, then they run in order as on the desktop, up to the first report.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {launchChromium, rowParts, serveSite} from './harness.mjs';

let site, browser;
before(async () => {
  site = await serveSite();
  browser = await launchChromium();
});
after(async () => {
  await browser?.close();
  await site?.close();
});

test('queued clicks wait visibly, run in order and stop at the first report', async () => {
  const context = await browser.newContext({viewport: {width: 1024, height: 768}});
  /** @type {(value?: unknown) => void} */
  let release;
  const held = new Promise((resolve) => (release = resolve));
  await context.route('**/ohmcalc.*.wasm', async (route) => {
    await held;
    await route.continue();
  });
  const page = await context.newPage();
  await page.goto(site.url);
  const rows = [[2, 'x', '4'], [3, '1', '0'], [4, '6', '2']];
  const busy = [];
  for (const [row, a, b] of rows) {
    const parts = rowParts(row);
    await page.fill(`#${parts['box-a']}`, a);
    await page.fill(`#${parts['box-b']}`, b);
    await page.click(`#${parts.equals}`);
    busy.push(await page.getAttribute(`#${parts.equals}`, 'aria-busy'));
  }
  assert.equal(await page.evaluate(() => document.documentElement.classList.contains('ready')), false);
  release();
  await page.locator('#report').waitFor({state: 'visible'});
  assert.match(await page.textContent('#report-text'), /^运行时错误 13：/);
  await page.waitForFunction(() => document.documentElement.classList.contains('ready'));
  await page.waitForTimeout(200);
  assert.match(await page.textContent('#report-text'), /^运行时错误 13：/, 'row 3 never ran');
  assert.equal(await page.inputValue(`#${rowParts(4)['box-c']}`), '', 'row 4 never ran');
  assert.deepEqual(busy, ['true', 'true', 'true'], 'each click showed that it waits');
  assert.equal(await page.locator('[aria-busy="true"]').count(), 0, 'no click waits any more');
  await page.evaluate(() => document.getElementById('Command11').click());
  assert.equal(await page.inputValue(`#${rowParts(4)['box-c']}`), '', 'no click runs behind a report');
  await page.click('#report-ok');
  await page.waitForFunction(() => document.activeElement.id === 'Text4');
  await page.click('#Command11');
  assert.equal(await page.inputValue(`#${rowParts(4)['box-c']}`), '3.');
  await context.close();
});
