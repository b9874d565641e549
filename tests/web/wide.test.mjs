// The web edition in Chromium alone, for what only its driver does: the
// accessible names as an assistive technology computes them, a pointer's
// hover, a window that narrows and widens, and Windows high contrast. What
// every engine does is in engines.test.mjs.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {desktop, engines} from './engines.mjs';
import {description, runRow, serveSite} from './harness.mjs';

let site, engine, tab, page;
before(async () => {
  site = await serveSite();
  engine = await engines.chromium();
  tab = await engine.open();
  page = tab.page;
  await tab.load(site.url);
});
after(async () => {
  await engine?.close();
  await site?.close();
});

test('each control with an accessible name is found by its role and that name', async () => {
  for (const entry of description.controls.filter((entry) => entry.accessibleName)) {
    const role = entry.kind === 'textbox' ? 'textbox' : 'button';
    const named = page.getByRole(role, {name: entry.accessibleName, exact: true});
    assert.equal(await named.getAttribute('id'), entry.name, entry.accessibleName);
  }
});

test('the designer aids show on hover and on focus, beside the result box, until Escape, and again on focus', async () => {
  await runRow(tab, 3, '10', '20m');
  const aids = page.locator('#aids-Text9');
  assert.equal(await aids.isVisible(), false);
  await page.hover('#Text9');
  await aids.waitFor({state: 'visible'});
  const [box, shown] = [await page.locator('#Text9').boundingBox(), await aids.boundingBox()];
  assert.ok(shown.y >= box.y + box.height || shown.y + shown.height <= box.y, 'the box stays uncovered');
  await page.mouse.move(shown.x + 20, shown.y + 20, {steps: 4});
  await page.waitForTimeout(300);
  assert.equal(await aids.isVisible(), true, 'the pointer can rest on the aids to read them');
  await page.mouse.move(0, 0);
  await aids.waitFor({state: 'hidden'});
  await page.focus('#Text8');
  await page.keyboard.press('Tab');
  await aids.waitFor({state: 'visible'});
  await page.keyboard.press('Escape');
  await aids.waitFor({state: 'hidden'});
  await page.focus('#Text8');
  await page.keyboard.press('Tab');
  await aids.waitFor({state: 'visible'});
});

test('hover aids never cover the focused box, and Escape closes them wherever the focus is', async () => {
  await runRow(tab, 3, '10', '20m');
  const aids = page.locator('#aids-Text9');
  const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
  for (const target of ['#Text11', '#Text12', '#Command11']) {
    await page.click('#Text1');
    await page.hover('#Text9');
    await aids.waitFor({state: 'visible'});
    const place = await page.locator(target).boundingBox();
    await page.mouse.click(place.x + place.width / 2, place.y + place.height / 2);
    assert.equal(await page.evaluate(() => document.activeElement.id), target.slice(1), `${target} has the focus`);
    await page.waitForTimeout(300);
    if (await aids.isVisible()) assert.ok(!overlap(await aids.boundingBox(), place), `${target} uncovered`);
  }
  await page.click('#Text1');
  await page.hover('#Text9');
  await aids.waitFor({state: 'visible'});
  await page.keyboard.press('Escape');
  await aids.waitFor({state: 'hidden', timeout: 2000});
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
});

test('aids opened on the cards close when the window widens to the form, and on a click outside', async () => {
  await runRow(tab, 3, '10', '20m');
  const aids = page.locator('#aids-Text9');
  try {
    await page.setViewportSize({width: 700, height: desktop.height});
    await page.click('[aria-controls="aids-Text9"]');
    await aids.waitFor({state: 'visible'});
    await page.setViewportSize(desktop);
    await aids.waitFor({state: 'hidden', timeout: 2000});
    await page.setViewportSize({width: 700, height: desktop.height});
    await page.click('[aria-controls="aids-Text9"]');
    await aids.waitFor({state: 'visible'});
    await page.click('#Label2');
    await aids.waitFor({state: 'hidden', timeout: 2000});
  } finally {
    await page.setViewportSize(desktop);
  }
});

test('in Windows high contrast the red bars, the focus ring and the dialog stay visible', async () => {
  await page.emulateMedia({forcedColors: 'active'});
  await runRow(tab, 2, '1', '0');
  const seen = await tab.run(() => {
    const style = (id) => getComputedStyle(document.getElementById(id));
    const canvas = getComputedStyle(document.body).backgroundColor;
    const report = style('report');
    const dialog = report.borderStyle === 'solid' && report.borderColor !== canvas;
    /** @type {HTMLDialogElement} */ (document.getElementById('report')).close();
    document.getElementById('Text1').focus();
    const ring = style('Text1');
    return {bar: style('Label18').backgroundColor !== canvas,
            ring: ring.outlineStyle === 'solid' && parseFloat(ring.outlineWidth) >= 2 && ring.outlineColor !== canvas,
            dialog};
  });
  await page.emulateMedia({forcedColors: 'none'});
  assert.deepEqual(seen, {bar: true, ring: true, dialog: true});
});
