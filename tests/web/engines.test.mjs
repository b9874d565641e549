// The web edition in one browser engine, OHMCALC_WEB_ENGINE (chromium,
// firefox or webkit), through the same checks in each: places, rows, reports,
// aids, a pasted megabyte, browser languages, a page whose files are gone,
// the service worker (its update, its neighbours' caches, offline) and the
// console.
import assert from 'node:assert/strict';
import {cpSync, mkdtempSync, readdirSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {errors, languages, rows} from './cases.mjs';
import {engines} from './engines.mjs';
import {description, rowParts, serveSite, siteDir} from './harness.mjs';

const engineName = process.env.OHMCALC_WEB_ENGINE ?? 'chromium';
const inWide = {skip: engineName === 'chromium' && 'wide.test.mjs covers it in Chromium'};
let engine, site, tab;

// Asks the page until `fn` gives something true, and returns it.
async function until(tab, fn, ...args) {
  for (const start = Date.now(); ;) {
    const value = await tab.run(fn, ...args);
    if (value) return value;
    if (Date.now() - start > 10000) throw new Error(`waited in vain for ${fn}`);
    await new Promise((resolve) => setTimeout(resolve, 25));
  }
}

async function openReady(tab, url) {
  await tab.goto(url);
  await until(tab, () => document.documentElement.classList.contains('ready'));
}

const valuesOf = (tab, ids) =>
  tab.run((ids) => ids.map((id) => /** @type {HTMLInputElement} */ (document.getElementById(id)).value), ids);
const boxTexts = (tab) =>
  tab.run(() => Array.from(document.querySelectorAll('.box'), (box) => /** @type {HTMLInputElement} */ (box).value));

// Types A and B (C too, when given), presses the row's 等于 and returns box C.
async function runRow(tab, row, a, b, c) {
  const parts = rowParts(row);
  const boxes = [[parts['box-a'], a], [parts['box-b'], b], [parts['box-c'], c]].filter(([, text]) => text !== undefined);
  const empty = (ids) => ids.forEach((id) => (/** @type {HTMLInputElement} */ (document.getElementById(id)).value = ''));
  await tab.run(empty, boxes.map(([id]) => id));
  for (const [id, text] of boxes) if (text) await tab.type(id, text);
  await tab.click(parts.equals);
  return (await valuesOf(tab, [parts['box-c']]))[0];
}

before(async () => {
  site = await serveSite(siteDir, '/ohmcalc/', {firstScript: new URL('probe.js', import.meta.url)});
  engine = await engines[engineName]();
  tab = await engine.open();
});
after(async () => {
  await engine?.close();
  await site?.close();
});

test('it loads, gets ready, and every control stands at its place', async () => {
  await openReady(tab, site.url);
  const misplaced = await tab.run((controls, clientWidth) => {
    const form = document.getElementById('Form1').getBoundingClientRect();
    return controls.flatMap((entry) => {
      const r = document.getElementById(entry.name).getBoundingClientRect();
      const wanted = [entry.left, entry.top, Math.min(entry.width, clientWidth - entry.left), entry.height];
      const got = [r.left - form.left, r.top - form.top, r.width, r.height];
      return got.some((value, i) => Math.abs(value - wanted[i]) > 1) ? [`${entry.name}: ${got} for ${wanted}`] : [];
    });
  }, description.controls, description.clientWidth);
  assert.deepEqual(misplaced, []);
  // WebKit runs under Debian's default locale, C.UTF-8, whose language Intl rejects.
  if (engineName === 'webkit') assert.equal(await tab.run(() => navigator.language), 'C');
});

test('a row of each kind computes', inWide, async () => {
  for (const [row, a, b, c] of rows) assert.equal(await runRow(tab, row, a, b), c, `row ${row}: ${a}, ${b}`);
});

test('each error is reported in a dialog; afterwards every box is kept and the culprit has the focus', inWide, async () => {
  for (const [index, [row, a, b, number, culprit, text]] of errors.entries()) {
    await runRow(tab, row, a, b, 'kept');
    const before = await boxTexts(tab);
    assert.deepEqual(await until(tab, () => /** @type {HTMLDialogElement} */ (document.getElementById('report')).open &&
                                      [document.getElementById('report-text').textContent, document.activeElement.id]),
                     [`运行时错误 ${number}：\n\n${text}`, 'report-ok'], `${row}: ${a}, ${b}`);
    if (index % 2) await tab.press('Escape');
    else if (engine.enterActivatesButton) await tab.press('Enter');
    else await tab.click('report-ok');
    await until(tab, () => !/** @type {HTMLDialogElement} */ (document.getElementById('report')).open);
    assert.deepEqual(await boxTexts(tab), before, `${row}: every box as it was`);
    await until(tab, (id) => document.activeElement.id === id, culprit);
    assert.ok(await tab.run(() => {
      const box = /** @type {HTMLInputElement} */ (document.activeElement);
      return box.selectionEnd === box.value.length && box.selectionStart === 0;
    }), 'its text selected');
  }
});

test('the designer aids are the result box\'s description', inWide, async () => {
  await runRow(tab, 3, '10', '20m');
  const aids = await tab.run(() => document.getElementById('Text9').getAttribute('aria-describedby').split(' ')
    .map((id) => document.getElementById(id).textContent).join('\n'));
  assert.match(aids, /^= 500 Ω\n/);
});

test('a megabyte pasted into a box is kept whole (WebKit keeps its first 512 Ki) and computes', inWide, async () => {
  await tab.run(() => {
    const box = /** @type {HTMLInputElement} */ (document.getElementById('Text4'));
    box.value = '10' + ' '.repeat(1024 * 1024 - 2);
    box.dispatchEvent(new Event('input', {bubbles: true}));
  });
  assert.equal(await runRow(tab, 2, undefined, '4'), '2.5');
  // WebKit caps a text box at 524,288 characters, whatever the page says.
  assert.equal(await tab.run(() => /** @type {HTMLInputElement} */ (document.getElementById('Text4')).value.length),
               engineName === 'webkit' ? 512 * 1024 : 1024 * 1024);
});

test('in Windows high contrast the red bars, the focus ring and the dialog stay visible', {
  skip: engineName !== 'chromium' && 'only Chromium emulates forced colours',
}, async () => {
  await tab.page.emulateMedia({forcedColors: 'active'});
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
  await tab.page.emulateMedia({forcedColors: 'none'});
  assert.deepEqual(seen, {bar: true, ring: true, dialog: true});
});

test('nothing went to the console as an error', async () => {
  assert.deepEqual(await tab.run(() => window.problems), []);
});

test('a comma language, a language Intl rejects and languages of other digits all compute', async () => {
  // WebKit's language comes from LANG at launch: its main tab has "C" already.
  const cases = languages.filter(([language]) => engineName !== 'webkit' || language === 'de-DE');
  const results = await Promise.all(cases.map(async ([language]) => {
    const other = await engine.open(language);
    try {
      await openReady(other, site.url);
      return [language, await runRow(other, 2, '10', '4')];
    } catch (error) {
      return [language, error.message];
    } finally {
      await other.close();
    }
  }));
  assert.deepEqual(results, cases);
});

// The next build (next_build.cmake) has a new app.js and module glue.
const nextSiteDir = process.env.OHMCALC_WEB_NEXT_SITE;
const named = (dir, pattern) => readdirSync(dir).find((file) => pattern.test(file));
const appName = named(siteDir, /^app\.\w+\.js$/);

// Each time the page of this build where the host has the next build's
// files (as a browser's HTTP cache may give yesterday's page), or lacks the
// module's code: the page says so, and never asks for the next build's files.
test('a page whose files are gone says so, computes nothing and loads no other build\'s module', async () => {
  const nextFiles = readdirSync(nextSiteDir).filter((file) => !readdirSync(siteDir).includes(file));
  /** @type {[string, string[] | null, string[]][]} */
  const cases = [['its own script', [], []], ['the module\'s glue', [appName], []],
                 ['the module\'s code', null, [named(siteDir, /\.wasm$/)]]];
  for (const [what, kept, missing] of cases) {
    let dir = siteDir;
    if (kept) {
      dir = mkdtempSync(join(tmpdir(), 'ohmcalc-mixed-'));
      cpSync(nextSiteDir, dir, {recursive: true});
      for (const file of ['index.html', ...kept]) cpSync(join(siteDir, file), join(dir, file));
    }
    const broken = await serveSite(dir, '/ohmcalc/', {missing});
    try {
      await tab.goto(broken.url);
      assert.equal(await runRow(tab, 2, '10', '4'), '', what);
      const message = await until(tab, () => {
        const message = document.getElementById('load-failure');
        return !message.hidden && message.getBoundingClientRect().height > 0 && message.textContent;
      });
      assert.match(message, /重新加载/, what);
      assert.deepEqual(await valuesOf(tab, ['Text4', 'Text5', 'Text6']), ['10', '4', ''], what);
      assert.deepEqual(broken.requests.filter((path) => nextFiles.some((file) => path.endsWith(file))), [], what);
    } finally {
      await broken.close();
      if (dir !== siteDir) rmSync(dir, {recursive: true, force: true});
    }
  }
});

test('the service worker controls the page after one visit; the next build waits while the page is open, ' +
     'which keeps working offline, then takes over whole, sparing other apps\' caches', async () => {
  const copy = mkdtempSync(join(tmpdir(), 'ohmcalc-site-'));
  cpSync(siteDir, copy, {recursive: true});
  // A host whose HTTP cache keeps files ten minutes.
  const headers = {'Cache-Control': 'max-age=600'};
  const host = await serveSite(copy, '/ohmcalc/', {headers});
  const appOfPage = (tab) => tab.run(() => /** @type {HTMLScriptElement} */ (document.querySelector('script[src]')).src.split('/').pop());
  const ownCaches = (tab) => tab.run(() => caches.keys().then((names) => names.sort()));
  try {
    await tab.goto(new URL('/other/', host.url).href);
    await tab.run(() => caches.open('other-app').then((cache) => cache.put('/other/data', new Response('theirs'))));
    await openReady(tab, host.url);
    await until(tab, () => navigator.serviceWorker.controller !== null);
    const [thisCache] = await ownCaches(tab);

    // The host gets the next build; the page finds it and installs it.
    rmSync(copy, {recursive: true, force: true});
    cpSync(nextSiteDir, copy, {recursive: true});
    await until(tab, async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      await registration.update().catch(() => {});
      return registration.waiting !== null;
    });
    const both = await ownCaches(tab);
    assert.equal(both.length, 3, `${both}`);
    assert.ok(both.includes(thisCache) && both.includes('other-app'), `${both}`);

    await host.close();
    assert.equal(await runRow(tab, 3, '12', '20m'), '600.', 'the open page works offline');

    // Once no page of this build is open, the next build's worker takes over,
    // its cache alone remains, and it serves its own page offline. (Firefox
    // counts a page in its back-forward cache as open; none keeps a page
    // that listens for unload.)
    await tab.run(() => addEventListener('unload', () => {}));
    let page;
    for (const start = Date.now(); page !== named(nextSiteDir, /^app\.\w+\.js$/) && Date.now() - start < 10000;) {
      await tab.goto('about:blank');
      await openReady(tab, host.url);
      page = await appOfPage(tab);
    }
    assert.equal(page, named(nextSiteDir, /^app\.\w+\.js$/));
    assert.equal(await runRow(tab, 3, '12', '20m'), '600.');
    const left = await ownCaches(tab);
    assert.ok(left.length === 2 && !left.includes(thisCache) && left.includes('other-app'), `${left}`);
  } finally {
    await host.close().catch(() => {});
    rmSync(copy, {recursive: true, force: true});
  }
});
