// The web edition in one browser engine, OHMCALC_WEB_ENGINE (chromium,
// firefox or webkit), through the same checks in each: places and captions,
// the tab order, rows, reports, the designer aids, the announcement, a pasted
// megabyte, the console, browser languages, clicks while the module loads, a
// page whose files are gone and the service worker (its update, its
// neighbours' caches, offline).
import assert from 'node:assert/strict';
import {cpSync, mkdtempSync, readdirSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {errors, languages, rows} from './cases.mjs';
import {engines} from './engines.mjs';
import {boxTexts, boxValues, description, misplaced, rowParts, runRow, serveSite, siteDir} from './harness.mjs';

const engineName = process.env.OHMCALC_WEB_ENGINE ?? 'chromium';
/** @type {import('./engines.mjs').Engine} */
let engine;
/** @type {import('./engines.mjs').Tab} */
let tab;
let site;

before(async () => {
  site = await serveSite(siteDir, '/ohmcalc/', {firstScript: new URL('probe.js', import.meta.url)});
  engine = await engines[engineName]();
  tab = await engine.open();
});
after(async () => {
  await engine?.close();
  await site?.close();
});

test('it loads, gets ready, and every control stands at its place with its caption, under the title', async () => {
  await tab.load(site.url);
  assert.deepEqual(await misplaced(tab), []);
  const seen = await tab.run((controls) => ({
    title: document.title,
    controls: controls.map(({name, kind}) => {
      const element = document.getElementById(name);
      if (kind === 'textbox') return [name, /** @type {HTMLInputElement} */ (element).value];
      return [name, element.textContent, kind === 'bar' && element.getAttribute('aria-hidden')];
    }),
    text: document.body.innerText,
    red: getComputedStyle(document.getElementById('Label18')).backgroundColor,
  }), description.controls);
  // A bar is decoration; a box starts empty.
  assert.deepEqual(seen.controls, description.controls.map(({name, kind, caption}) =>
    kind === 'textbox' ? [name, ''] : [name, kind === 'bar' ? '' : caption, kind === 'bar' && 'true']));
  assert.equal(seen.title, description.title);
  assert.doesNotMatch(seen.text, /Label\d/);
  assert.equal(seen.red, 'rgb(255, 0, 0)');
  // WebKit runs under Debian's default locale, C.UTF-8, whose language Intl rejects.
  if (engineName === 'webkit') assert.equal(await tab.run(() => navigator.language), 'C');
});

test('Text1 has the focus at start, the page lists the controls in tab order, and Tab walks it both ways', async () => {
  const order = description.tabOrder;
  // A tabindex of its own would take a control out of the document's order (the aids buttons take none).
  const listed = await tab.run(() => Array.from(document.querySelectorAll('.form input, .form button'))
    .filter((control) => !control.hasAttribute('tabindex')).map((control) => control.id));
  assert.deepEqual(listed, order);
  const focused = () => tab.run(() => document.activeElement.id);
  assert.equal(await focused(), 'Text1');
  for (const name of order.slice(1)) {
    await tab.press('Tab');
    assert.equal(await focused(), name);
  }
  for (const name of order.slice(0, -1).reverse()) {
    await tab.press('Shift+Tab');
    assert.equal(await focused(), name);
  }
});

test('each kind of row computes; clear empties its row; the operators and Enter change nothing', async () => {
  for (const [row, a, b, c] of rows) assert.equal(await runRow(tab, row, a, b), c, `row ${row}: ${a}, ${b}`);
  const before = await boxTexts(tab);
  for (const operator of description.controls.filter((entry) => entry.part === 'operator')) await tab.click(operator.name);
  await tab.run(() => document.getElementById('Text4').focus());
  await tab.press('Enter');
  await tab.press('Escape');
  assert.deepEqual(await boxTexts(tab), before);
  const parts = rowParts(1);
  await tab.click(parts.clear);
  assert.deepEqual(await boxTexts(tab), {...before, [parts['box-a']]: '', [parts['box-b']]: '', [parts['box-c']]: ''},
                   'its row emptied, the others kept');
});

test('each error is reported in a dialog; afterwards every box is kept and the culprit has the focus', async () => {
  for (const [index, [row, a, b, , culprit, reportText]] of errors.entries()) {
    await runRow(tab, row, a, b, {c: 'kept'});
    const before = await boxTexts(tab);
    const report = () => /** @type {HTMLDialogElement} */ (document.getElementById('report')).open &&
      [document.getElementById('report-title').textContent, document.getElementById('report-text').textContent,
       document.activeElement.id];
    assert.deepEqual(await tab.until(report), [description.title, reportText, 'report-ok'],
                     `${row}: ${a}, ${b}`);
    if (index % 2) await tab.press('Escape');
    else if (engine.enterActivatesButton) await tab.press('Enter');
    else await tab.click('report-ok');
    await tab.until(() => !/** @type {HTMLDialogElement} */ (document.getElementById('report')).open);
    assert.deepEqual(await boxTexts(tab), before, `${row}: every box as it was`);
    await tab.until((id) => document.activeElement.id === id, culprit);
    assert.ok(await tab.run(() => {
      const box = /** @type {HTMLInputElement} */ (document.activeElement);
      return box.selectionEnd === box.value.length && box.selectionStart === 0;
    }), 'its text selected');
  }
});

// The aids follow their row's boxes after the task that changed them.
test('the designer aids are the result box\'s description, and go with its row', async () => {
  const aids = (wanted) => tab.until((wanted) => {
    const text = document.getElementById('Text9').getAttribute('aria-describedby').split(' ')
      .map((id) => `${id}: ${document.getElementById(id).textContent}`).join('\n');
    return new RegExp(wanted).test(text) && text;
  }, wanted);
  await runRow(tab, 3, '10', '20m');
  assert.match(await aids('^aids-Text9: = 500 Ω\n'), /E24 两只串联 470 Ω \+ 30 Ω = 500 Ω 0 %/);
  await tab.click(rowParts(3).clear);
  assert.equal(await aids('^aids-Text9: $'), 'aids-Text9: ', 'cleared with the row');
});

test('the result is announced politely after 等于, nothing on a report', async () => {
  const announced = () => tab.run(() => document.querySelector('[aria-live="polite"]').textContent);
  assert.equal(await runRow(tab, 2, '10', '4'), '2.5');
  assert.equal(await announced(), '第2行 电流 A 2.5');
  assert.equal(await runRow(tab, 3, '10', '20m'), '500.');
  assert.equal(await announced(), '第3行 电阻 Ω 500.');
  await runRow(tab, 2, 'x', '4');
  await tab.until(() => /** @type {HTMLDialogElement} */ (document.getElementById('report')).open);
  await tab.press('Escape');
  await tab.until(() => !/** @type {HTMLDialogElement} */ (document.getElementById('report')).open);
  assert.equal(await announced(), '');
});

// Chromium's paste goes through its clipboard.
test('a megabyte pasted into a box is kept whole (WebKit keeps its first 512 Ki) and computes', async () => {
  // Spaces before and after the number, which stays in WebKit's half.
  const megabyte = ' '.repeat(512 * 1024 - 2) + '10' + ' '.repeat(512 * 1024);
  await tab.run(() => (/** @type {HTMLInputElement} */ (document.getElementById('Text4')).value = ''));
  await tab.paste('Text4', megabyte);
  assert.equal(await runRow(tab, 2, undefined, '4'), '2.5');
  // WebKit caps a text box at 524,288 characters, whatever the page says.
  assert.equal((await boxValues(tab, ['Text4']))[0].length, engineName === 'webkit' ? 512 * 1024 : megabyte.length);
});

test('nothing went to the console as an error', async () => {
  assert.deepEqual(await tab.problems(), []);
});

test('a comma language, a language Intl rejects and languages of other digits all read and write numbers', async () => {
  // WebKit's language comes from LANG at launch: its main tab has "C" already.
  const cases = languages.filter(([language]) => engineName !== 'webkit' || language === 'de-DE');
  const point = (result) => result.replace(/\d/g, '');  // the decimal sign of what row 2 gives
  const results = await Promise.all(cases.map(async ([language, result]) => {
    const other = await engine.open({language});
    try {
      await other.load(site.url);
      return [language, await runRow(other, 2, '10', '4'), await runRow(other, 6, `0${point(result)}5`, '3')];
    } catch (error) {
      return [language, error.message];
    } finally {
      await other.close();
    }
  }));
  assert.deepEqual(results, cases.map(([language, result]) => [language, result, `1${point(result)}5`]));
});

// Clicks made while the module is still on its way: each shows that it
// waits, then they run in order as on the desktop, up to the first report.
test('clicks queued while the module loads wait visibly, run in order and stop at the first report', async () => {
  const slow = await serveSite(siteDir, '/ohmcalc/', {held: /\.wasm$/});
  try {
    await tab.goto(slow.url);
    const busy = [];
    /** @type {[number, string, string][]} */
    const clicks = [[2, 'x', '4'], [3, '1', '0'], [4, '6', '2']];
    for (const [row, a, b] of clicks) {
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
    slow.release();
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
  } finally {
    slow.release();
    await slow.close();
  }
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
      const message = await tab.until(() => {
        const message = document.getElementById('load-failure');
        return !message.hidden && message.getBoundingClientRect().height > 0 && message.textContent;
      });
      assert.match(message, /重新加载/, what);
      assert.deepEqual(await boxValues(tab, ['Text4', 'Text5', 'Text6']), ['10', '4', ''], what);
      assert.deepEqual(broken.requests.filter((path) => nextFiles.some((file) => path.endsWith(file))), [], what);
    } finally {
      await broken.close();
      if (dir !== siteDir) rmSync(dir, {recursive: true, force: true});
    }
  }
  await tab.problems();  // the files that failed to load
});

test('the service worker controls the page after one visit; the next build waits while the page is open, ' +
     'which keeps working offline, then takes over whole, sparing other apps\' caches, and nothing goes to the console',
     async () => {
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
    await tab.load(host.url);
    await tab.until(() => navigator.serviceWorker.controller !== null);
    await tab.problems();  // that app's page was not found (a first load is checked above)
    const [thisCache] = await ownCaches(tab);

    // The host gets the next build; the page finds it and installs it.
    rmSync(copy, {recursive: true, force: true});
    cpSync(nextSiteDir, copy, {recursive: true});
    await tab.until(async () => {
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
      await tab.load(host.url);
      page = await appOfPage(tab);
    }
    assert.equal(page, named(nextSiteDir, /^app\.\w+\.js$/));
    assert.equal(await runRow(tab, 3, '12', '20m'), '600.');
    const left = await ownCaches(tab);
    assert.ok(left.length === 2 && !left.includes(thisCache) && left.includes('other-app'), `${left}`);
    assert.deepEqual(await tab.problems(), []);
  } finally {
    await host.close().catch(() => {});
    rmSync(copy, {recursive: true, force: true});
  }
});
