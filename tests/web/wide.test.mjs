// The web edition on a desktop browser: the form at its places, the tab
// order, every kind of row, every error report, a pasted megabyte, a comma
// locale and the designer aids.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {errors, rows} from './cases.mjs';
import {description, launchChromium, openPage, rowParts, runRow, serveSite} from './harness.mjs';

let site, browser, context, page;
before(async () => {
  site = await serveSite();
  browser = await launchChromium();
  context = await browser.newContext({viewport: {width: 1024, height: 768}});
  page = await openPage(context, site.url);
});
after(async () => {
  await browser?.close();
  await site?.close();
});

const boxTexts = () => page.$$eval('.box', (boxes) => boxes.map((box) => box.value));

test('every control stands at its place with its caption and accessible name', async () => {
  const form = await page.locator('#Form1').boundingBox();
  assert.equal(await page.title(), description.title);
  for (const entry of description.controls) {
    const box = await page.locator(`#${entry.name}`).boundingBox();
    const width = Math.min(entry.width, description.clientWidth - entry.left);  // bars end at the form's edge
    for (const [got, wanted, what] of [[box.x - form.x, entry.left, 'left'], [box.y - form.y, entry.top, 'top'],
                                       [box.width, width, 'width'], [box.height, entry.height, 'height']]) {
      assert.ok(Math.abs(got - wanted) <= 1, `${entry.name} ${what}: ${got}, wanted ${wanted}`);
    }
    if (entry.kind === 'bar') {
      assert.equal(await page.locator(`#${entry.name}`).textContent(), '', `${entry.name} is decoration`);
      assert.equal(await page.getAttribute(`#${entry.name}`, 'aria-hidden'), 'true');
    } else if (entry.kind !== 'textbox') {
      assert.equal(await page.locator(`#${entry.name}`).textContent(), entry.caption, entry.name);
    } else {
      assert.equal(await page.inputValue(`#${entry.name}`), '', `${entry.name} starts empty`);
    }
    if (entry.accessibleName) {
      const role = entry.kind === 'textbox' ? 'textbox' : 'button';
      const named = page.getByRole(role, {name: entry.accessibleName, exact: true});
      assert.equal(await named.getAttribute('id'), entry.name, entry.accessibleName);
    }
  }
  assert.doesNotMatch(await page.evaluate(() => document.body.innerText), /Label\d/);
  const red = await page.$eval('#Label18', (bar) => getComputedStyle(bar).backgroundColor);
  assert.equal(red, 'rgb(255, 0, 0)');
});

test('Text1 has the focus at start, and Tab walks the tab order both ways', async () => {
  const fresh = await openPage(context, site.url);
  const order = description.controls.filter((entry) => entry.tab).sort((a, b) => a.tab - b.tab).map((e) => e.name);
  const focused = () => fresh.evaluate(() => document.activeElement.id);
  assert.equal(await focused(), 'Text1');
  for (const name of order.slice(1)) {
    await fresh.keyboard.press('Tab');
    assert.equal(await focused(), name);
  }
  for (const name of order.slice(0, -1).reverse()) {
    await fresh.keyboard.press('Shift+Tab');
    assert.equal(await focused(), name);
  }
  await fresh.close();
});

test('each kind of row computes; clear empties its row; the operators and Enter change nothing', async () => {
  for (const [row, a, b, c] of rows) assert.equal(await runRow(page, row, a, b), c, `row ${row}: ${a}, ${b}`);
  const before = await boxTexts();
  for (const operator of description.controls.filter((entry) => entry.part === 'operator')) {
    await page.click(`#${operator.name}`);
  }
  await page.focus('#Text4');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Escape');
  assert.deepEqual(await boxTexts(), before);
  await page.click('#Command2');
  assert.deepEqual(await Promise.all(['Text1', 'Text2', 'Text3'].map((box) => page.inputValue(`#${box}`))), ['', '', '']);
  assert.equal(await page.inputValue('#Text4'), '10', 'other rows keep their boxes');
});

test('each error is reported modally, every box is kept and the culprit has the focus', async () => {
  for (const [index, [row, a, b, number, culprit, description_]] of errors.entries()) {
    const parts = rowParts(row);
    await page.fill(`#${parts['box-a']}`, a);
    await page.fill(`#${parts['box-b']}`, b);
    await page.fill(`#${parts['box-c']}`, 'kept');
    const before = await boxTexts();
    await page.click(`#${parts.equals}`);
    const dialog = page.locator('#report');
    await dialog.waitFor({state: 'visible'});
    assert.equal(await page.textContent('#report-text'), `运行时错误 ${number}：\n\n${description_}`);
    assert.equal(await page.textContent('#report-title'), description.title);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'report-ok');
    await page.keyboard.press(index % 2 ? 'Escape' : 'Enter');
    await dialog.waitFor({state: 'hidden'});
    assert.deepEqual(await boxTexts(), before, `${row}: every box as it was`);
    await page.waitForFunction((id) => document.activeElement.id === id, culprit, {timeout: 2000}).catch(() => {});
    const focus = await page.evaluate(() => {
      const box = /** @type {HTMLInputElement} */ (document.activeElement);
      return [box.id, box.selectionStart, box.selectionEnd, box.value.length];
    });
    assert.deepEqual(focus, [culprit, 0, focus[3], focus[3]], 'the culprit has the focus, its text selected');
  }
});

test('a megabyte pasted through the clipboard is kept whole and computes', async () => {
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const megabyte = ' '.repeat(1024 * 1024 - 2) + '10';
  await page.evaluate((text) => navigator.clipboard.writeText(text), megabyte);
  await page.fill('#Text4', '');
  await page.focus('#Text4');
  await page.keyboard.press('Control+V');
  await page.fill('#Text5', '4');
  await page.click('#Command5');
  assert.equal((await page.inputValue('#Text4')).length, megabyte.length);
  assert.equal(await page.inputValue('#Text6'), '2.5');
});

test('a German browser reads and writes decimal commas', async () => {
  const german = await browser.newContext({locale: 'de-DE'});
  const page = await openPage(german, site.url);
  assert.equal(await runRow(page, 2, '10', '4'), '2,5');
  assert.equal(await runRow(page, 6, '0,5', '3'), '1,5');
  await german.close();
});

test('the designer aids show on hover and on focus, beside the result box, until Escape', async () => {
  await runRow(page, 3, '10', '20m');
  const aids = page.locator('#aids-Text9');
  assert.equal(await page.getAttribute('#Text9', 'aria-describedby'), 'aids-Text9');
  assert.equal(await aids.isVisible(), false);
  await page.hover('#Text9');
  await aids.waitFor({state: 'visible'});
  const text = await aids.textContent();
  assert.match(text, /^= 500 Ω\n/);
  assert.match(text, /E24 两只串联 470 Ω \+ 30 Ω = 500 Ω 0 %/);
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
  await page.click('#Command9');
  assert.equal(await aids.textContent(), '', 'cleared with the row');
});

test('the result is announced politely after 等于, nothing on a report', async () => {
  const announced = () => page.textContent('[aria-live="polite"]');
  assert.equal(await runRow(page, 2, '10', '4'), '2.5');
  assert.equal(await announced(), '第2行 电流 A 2.5');
  assert.equal(await runRow(page, 3, '10', '20m'), '500.');
  assert.equal(await announced(), '第3行 电阻 Ω 500.');
  await runRow(page, 2, 'x', '4');
  await page.keyboard.press('Escape');
  await page.locator('#report').waitFor({state: 'hidden'});
  assert.equal(await announced(), '');
});

test('hover aids never cover the focused box, and Escape closes them wherever the focus is', async () => {
  await runRow(page, 3, '10', '20m');
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
  await runRow(page, 3, '10', '20m');
  const aids = page.locator('#aids-Text9');
  try {
    await page.setViewportSize({width: 700, height: 768});
    await page.click('[aria-controls="aids-Text9"]');
    await aids.waitFor({state: 'visible'});
    await page.setViewportSize({width: 1024, height: 768});
    await aids.waitFor({state: 'hidden', timeout: 2000});
    await page.setViewportSize({width: 700, height: 768});
    await page.click('[aria-controls="aids-Text9"]');
    await aids.waitFor({state: 'visible'});
    await page.click('#Label2');
    await aids.waitFor({state: 'hidden', timeout: 2000});
  } finally {
    await page.setViewportSize({width: 1024, height: 768});
  }
});
