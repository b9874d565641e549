// The web edition as an app, in Chromium, the engine that tells: installable,
// and keeping to itself (no request elsewhere, a strict policy, no storage
// but the service worker's cache). Offline and the console are checked in
// every engine, by engines.test.mjs.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {engines} from './engines.mjs';
import {runRow, serveSite} from './harness.mjs';

// A profile of its own: an incognito context is never installable.
let site, engine, tab, page;
const requests = [];
before(async () => {
  site = await serveSite();
  engine = await engines.chromium({profile: {}});
  tab = await engine.open();
  page = tab.page;
  page.context().on('request', (request) => requests.push(request.url()));
  await tab.load(site.url);
  await tab.run(() => navigator.serviceWorker.ready.then(() => true));
});
after(async () => {
  await engine?.close();
  await site?.close();
});

test('Chromium finds nothing that keeps it from installing the app', async () => {
  const session = await page.context().newCDPSession(page);
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
  await runRow(tab, 2, '10', '4');
  const origin = new URL(site.url).origin;
  assert.deepEqual(requests.filter((url) => new URL(url).origin !== origin), []);
  assert.ok(requests.every((url) => new URL(url).pathname.startsWith('/ohmcalc/')), 'all relative to the page');
  const policy = await page.getAttribute('meta[http-equiv=Content-Security-Policy]', 'content');
  assert.match(policy, /default-src 'self'/);
  assert.match(policy, /'wasm-unsafe-eval'/);
  assert.doesNotMatch(policy, /'unsafe-inline'|'unsafe-eval'/);
  assert.deepEqual(await page.context().cookies(), []);
  assert.deepEqual(await tab.run(() => [localStorage.length, sessionStorage.length]), [0, 0]);
});
