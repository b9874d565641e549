// The web edition as an app: installable, working offline after one visit,
// and keeping to itself (no request elsewhere, a strict policy, no storage
// but the service worker's cache, no console errors).
import assert from 'node:assert/strict';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {launchPersistent, runRow, serveSite} from './harness.mjs';

// A profile of its own: an incognito context is never installable.
const profile = mkdtempSync(join(tmpdir(), 'ohmcalc-profile-'));
let site, context, page;
const requests = [];
const problems = [];
before(async () => {
  site = await serveSite();
  context = await launchPersistent(profile);
  context.on('request', (request) => requests.push(request.url()));
  page = await context.newPage();
  page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(site.url);
  await page.waitForFunction(() => document.documentElement.classList.contains('ready'));
  await page.evaluate(() => navigator.serviceWorker.ready);
});
after(async () => {
  await context?.close();
  await site?.close();
  rmSync(profile, {recursive: true, force: true});
});

test('Chromium finds nothing that keeps it from installing the app', async () => {
  const session = await context.newCDPSession(page);
  const {installabilityErrors} = await session.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
  const manifest = await (await page.request.get(new URL('manifest.webmanifest', site.url).href)).json();
  assert.equal(manifest.lang, 'zh-CN');
  assert.equal(manifest.display, 'standalone');
  assert.deepEqual(manifest.icons.map((icon) => `${icon.sizes} ${icon.purpose}`),
                   ['192x192 any', '512x512 any', '512x512 maskable']);
  assert.match(await page.getAttribute('link[rel=apple-touch-icon]', 'href'), /^icons\/apple-touch-icon\.\w+\.png$/);
});

test('nothing leaves the origin, the page sets a strict policy, and stores nothing else', async () => {
  await runRow(page, 2, '10', '4');
  const origin = new URL(site.url).origin;
  assert.deepEqual(requests.filter((url) => new URL(url).origin !== origin), []);
  assert.ok(requests.every((url) => new URL(url).pathname.startsWith('/ohmcalc/')), 'all relative to the page');
  const policy = await page.getAttribute('meta[http-equiv=Content-Security-Policy]', 'content');
  assert.match(policy, /default-src 'self'/);
  assert.match(policy, /'wasm-unsafe-eval'/);
  assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'/);
  assert.deepEqual(await context.cookies(), []);
  assert.deepEqual(await page.evaluate(() => [localStorage.length, sessionStorage.length]), [0, 0]);
  assert.deepEqual(problems, []);
});

test('after one visit it loads and computes with the server gone', async () => {
  await site.close();
  await page.reload();
  await page.waitForFunction(() => document.documentElement.classList.contains('ready'));
  assert.equal(await runRow(page, 3, '12', '20m'), '600.');
  assert.deepEqual(problems, []);
  site = null;
});
