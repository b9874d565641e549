// The form under a browser's minimum font size of 20 px (a setting of
// Chromium's profile): it grows in proportion, and no text is clipped or
// wrapped. Its places at the normal size are checked in engines.test.mjs.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {engines} from './engines.mjs';
import {description, misplaced, serveSite} from './harness.mjs';

const minimumFont = 20;
let site, engine, tab;
before(async () => {
  site = await serveSite();
  engine = await engines.chromium({profile: {webkit: {webprefs: {minimum_font_size: minimumFont}}}});
  tab = await engine.open({width: 1280, height: 900});
  await tab.load(site.url);
});
after(async () => {
  await engine?.close();
  await site?.close();
});

test('at a 20 px minimum font the form grows in proportion and every text fits its control', async () => {
  const scale = await tab.run(() => document.getElementById('Form1').getBoundingClientRect().width) /
                description.clientWidth;
  assert.ok(scale >= minimumFont / 12 - 0.01, `grown ${scale} times`);
  assert.deepEqual(await misplaced(tab, scale, 1.5), []);
  // Each text on one line, as wide as its control at most, its line box inside it.
  const misfits = await tab.run(() => Array.from(document.querySelectorAll('.form .label, .form .button'))
    .flatMap((control) => {
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
