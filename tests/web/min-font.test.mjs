// The form under a browser's minimum font size of 20 px (a setting of the
// profile): it grows in proportion, and no text is clipped or wrapped.
import assert from 'node:assert/strict';
import {mkdirSync, mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {description, launchPersistent, openPage, serveSite} from './harness.mjs';

const minimumFont = 20;
let site, profile, context, page;
before(async () => {
  site = await serveSite();
  profile = mkdtempSync(join(tmpdir(), 'ohmcalc-min-font-'));
  mkdirSync(join(profile, 'Default'));
  writeFileSync(join(profile, 'Default', 'Preferences'),
                JSON.stringify({webkit: {webprefs: {minimum_font_size: minimumFont}}}));
  context = await launchPersistent(profile, {viewport: {width: 1280, height: 900}});
  page = await openPage(context, site.url);
});
after(async () => {
  await context?.close();
  await site?.close();
  if (profile) rmSync(profile, {recursive: true, force: true});
});

test('at a 20 px minimum font the form grows in proportion and every text fits its control', async () => {
  const form = await page.locator('#Form1').boundingBox();
  const scale = form.width / description.clientWidth;
  assert.ok(scale >= minimumFont / 12 - 0.01, `grown ${scale} times`);
  for (const entry of description.controls) {
    const box = await page.locator(`#${entry.name}`).boundingBox();
    const width = Math.min(entry.width, description.clientWidth - entry.left);
    for (const [got, wanted, what] of [[box.x - form.x, entry.left, 'left'], [box.y - form.y, entry.top, 'top'],
                                       [box.width, width, 'width'], [box.height, entry.height, 'height']]) {
      assert.ok(Math.abs(got - wanted * scale) <= 1.5, `${entry.name} ${what}: ${got}, wanted ${wanted * scale}`);
    }
  }
  // Each text on one line, as wide as its control at most, its line box inside it.
  const misfits = await page.$$eval('.form .label, .form .button', (controls) => controls.flatMap((control) => {
    const range = document.createRange();
    range.selectNodeContents(control);
    const text = range.getBoundingClientRect();
    const outer = control.getBoundingClientRect();
    const lines = new Set([...range.getClientRects()].map((rect) => Math.round(rect.top))).size;
    const fits = lines <= 1 && text.left >= outer.left - 0.5 && text.right <= outer.right + 0.5 &&
                 control.scrollHeight <= control.clientHeight && control.scrollWidth <= control.clientWidth;
    return fits ? [] : [`${control.id}: ${lines} lines, ${text.width} × ${control.scrollHeight} in ${outer.width} × ${control.clientHeight}`];
  }));
  assert.deepEqual(misfits, []);
});
