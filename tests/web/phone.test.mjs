// The web edition on a phone (390 × 844, touch, 3 device pixels to the CSS
// pixel): rows stacked as cards, nothing to scroll sideways, targets a thumb
// can hit, every row by tapping, the designer aids opened by a tap.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {rows} from './cases.mjs';
import {engines} from './engines.mjs';
import {runRow, serveSite} from './harness.mjs';

let site, engine, tab, page;
before(async () => {
  site = await serveSite();
  engine = await engines.chromium();
  tab = await engine.open({width: 390, height: 844, touch: 3});
  page = tab.page;
  await tab.load(site.url);
});
after(async () => {
  await engine?.close();
  await site?.close();
});

test('nothing scrolls sideways, down to 360 px', async () => {
  for (const width of [390, 360]) {
    await page.setViewportSize({width, height: 844});
    const [scroll, client] = await page.evaluate(() => [document.documentElement.scrollWidth,
                                                         document.documentElement.clientWidth]);
    assert.ok(scroll <= client, `${width} px: content ${scroll} px wide`);
  }
  await page.setViewportSize({width: 390, height: 844});
});

// Every visible box and button of the form: [name, width, height, font size, tag].
const targets = () => page.$$eval('.form input, .form button', (elements) => elements
  .filter((element) => element.offsetParent !== null)
  .map((element) => [element.id || element.getAttribute('aria-controls'), element.getBoundingClientRect().width,
                     element.getBoundingClientRect().height, parseFloat(getComputedStyle(element).fontSize),
                     element.tagName]));

test('every target is at least 44 px and box text at least 16 px, upright, in landscape and on a tablet', async () => {
  await runRow(tab, 1, '2', '3');  // shows the aids button of row 1
  try {
    for (const [width, height] of [[390, 844], [844, 390], [768, 1024]]) {
      await page.setViewportSize({width, height});
      const shown = await targets();
      assert.ok(shown.length >= 42);
      for (const [id, w, h, fontSize, tag] of shown) {
        assert.ok(w >= 44 && h >= 44, `${width} × ${height}, ${id}: ${w} × ${h}`);
        if (tag === 'INPUT') assert.ok(fontSize >= 16, `${width} × ${height}, ${id}: ${fontSize} px text`);
      }
      const [scroll, client] = await page.evaluate(() => [document.documentElement.scrollWidth,
                                                           document.documentElement.clientWidth]);
      assert.ok(scroll <= client, `${width} × ${height}: content ${scroll} px wide`);
    }
  } finally {
    await page.setViewportSize({width: 390, height: 844});
  }
  const types = await page.$$eval('.box', (boxes) => [...new Set(boxes.map((box) => box.type + box.inputMode))]);
  assert.deepEqual(types, ['text'], 'the text keyboard, which types 4k7 and R47');
});

test('every row computes by tapping, in cards in the order of the rows', async () => {
  for (const [row, a, b, c] of rows) {
    assert.equal(await runRow(tab, row, a, b, {tap: true}), c, `row ${row}: ${a}, ${b}`);
  }
  const cards = await page.$$eval('.row', (rows) => rows.map((row) => [row.getAttribute('aria-label'),
                                                                       row.getBoundingClientRect().top]));
  assert.deepEqual(cards.map(([label]) => label), ['第1行', '第2行', '第3行', '第4行', '第5行', '第6行', '第7行']);
  assert.ok(cards.every(([, top], i) => i === 0 || top > cards[i - 1][1]), 'one card under the other');
});

test('a tap on the result box or on its button opens the aids under the row', async () => {
  await runRow(tab, 3, '10', '20m', {tap: true});
  const aids = page.locator('#aids-Text9');
  await page.tap('#Text8');
  assert.equal(await aids.isVisible(), false);
  await page.tap('#Text9');
  await aids.waitFor({state: 'visible'});
  const [box, panel, clear] = await Promise.all(['#Text9', '#aids-Text9', '#Command9'].map((s) => page.locator(s).boundingBox()));
  assert.ok(panel.y >= box.y + box.height && panel.y >= clear.y + clear.height, 'under the row');
  await page.tap('#Text8');
  await aids.waitFor({state: 'hidden'});
  const toggle = page.locator('[aria-controls="aids-Text9"]');
  await toggle.tap();
  await aids.waitFor({state: 'visible'});
  assert.equal(await toggle.getAttribute('aria-expanded'), 'true');
  assert.match(await aids.textContent(), /E24 两只并联 1 kΩ ∥ 1 kΩ = 500 Ω 0 %/);
  await toggle.tap();
  await aids.waitFor({state: 'hidden'});
  await page.tap('#Text9');
  await aids.waitFor({state: 'visible'});
  await toggle.tap();
  await aids.waitFor({state: 'hidden', timeout: 2000});  // one tap, though the box opened them
});

test('each aids button is named by its row', async () => {
  const names = await page.$$eval('.aids-toggle', (toggles) => toggles.map((toggle) => toggle.getAttribute('aria-label')));
  assert.deepEqual(names, [1, 2, 3, 4, 5, 6, 7].map((row) => `第${row}行 设计参考`));
});

test('open aids follow a rotation, and a tap outside closes them', async () => {
  await runRow(tab, 3, '5', '1m', {tap: true});
  const aids = page.locator('#aids-Text9');
  await page.tap('[aria-controls="aids-Text9"]');
  await aids.waitFor({state: 'visible'});
  await page.setViewportSize({width: 844, height: 390});
  try {
    if (await aids.isVisible()) {  // in its card, or beside its box on the form
      const [panel, card, box] = await Promise.all([aids.boundingBox(), page.locator('.row', {has: aids}).boundingBox(),
                                                    page.locator('#Text9').boundingBox()]);
      const placed = card ? panel.y >= card.y && panel.y + panel.height <= card.y + card.height
                          : Math.abs(panel.y - box.y - box.height - 4) <= 1 || Math.abs(panel.y + panel.height + 4 - box.y) <= 1;
      assert.ok(placed, `placed for the layout: ${JSON.stringify(panel)}`);
    }
    await page.tap('#Label2');
    await aids.waitFor({state: 'hidden', timeout: 2000});
  } finally {
    await page.setViewportSize({width: 390, height: 844});
  }
});
