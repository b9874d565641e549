// Clicks made while the module is still on its way: each shows that it
// waits, then they run in order as on the desktop, up to the first report.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {engines} from './engines.mjs';
import {boxValues, rowParts, serveSite} from './harness.mjs';

let site, engine;
before(async () => {
  site = await serveSite();
  engine = await engines.chromium();
});
after(async () => {
  await engine?.close();
  await site?.close();
});

// Holding back the module's code takes Chromium's routes.
test('queued clicks wait visibly, run in order and stop at the first report', async () => {
  const tab = await engine.open();
  /** @type {(value?: unknown) => void} */
  let release;
  const held = new Promise((resolve) => (release = resolve));
  await tab.page.route('**/ohmcalc.*.wasm', async (route) => {
    await held;
    await route.continue();
  });
  await tab.goto(site.url);
  const rows = [[2, 'x', '4'], [3, '1', '0'], [4, '6', '2']];
  const busy = [];
  for (const [row, a, b] of rows) {
    const parts = rowParts(row);
    await tab.type(parts['box-a'], a);
    await tab.type(parts['box-b'], b);
    await tab.click(parts.equals);
    busy.push(await tab.run((id) => document.getElementById(id).getAttribute('aria-busy'), parts.equals));
  }
  const ready = () => document.documentElement.classList.contains('ready');
  const reported = () => document.getElementById('report-text').textContent;
  const rowFour = () => boxValues(tab, [rowParts(4)['box-c']]).then(([text]) => text);
  assert.equal(await tab.run(ready), false);
  release();
  await tab.until(() => /** @type {HTMLDialogElement} */ (document.getElementById('report')).open);
  assert.match(await tab.run(reported), /^运行时错误 13：/);
  await tab.until(ready);
  await new Promise((resolve) => setTimeout(resolve, 200));
  assert.match(await tab.run(reported), /^运行时错误 13：/, 'row 3 never ran');
  assert.equal(await rowFour(), '', 'row 4 never ran');
  assert.deepEqual(busy, ['true', 'true', 'true'], 'each click showed that it waits');
  assert.equal(await tab.run(() => document.querySelectorAll('[aria-busy="true"]').length), 0, 'no click waits any more');
  await tab.run(() => document.getElementById('Command11').click());
  assert.equal(await rowFour(), '', 'no click runs behind a report');
  await tab.click('report-ok');
  await tab.until(() => document.activeElement.id === 'Text4');
  await tab.click('Command11');
  assert.equal(await rowFour(), '3.');
  await tab.close();
});
