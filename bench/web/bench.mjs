// Measures the web edition in headless Chromium: what a first visit
// transfers (as gzip), the time from navigation to the first row computed,
// cold and warm, interleaved with a bare page of the same controls and no
// WebAssembly, and the time of one row through the JS-WebAssembly bridge.
// Usage (from scripts/bench-web): node bench/web/bench.mjs ROUNDS
import {readdirSync, readFileSync, rmSync, statSync} from 'node:fs';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';

import {engines} from '../../tests/web/engines.mjs';
import {serveSite, siteDir} from '../../tests/web/harness.mjs';
import {writeBareSite} from './bare_site.mjs';

const rounds = Number(process.argv[2] ?? 15);
const median = (values) => {
  const sorted = [...values].sort((x, y) => x - y);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const bareDir = writeBareSite(siteDir);

// As docs/hosting.md has a host send them: files named by their content
// are kept a year, the others asked again each time.
const hosting = (file) => ({'Cache-Control': /\.[0-9a-f]{10}\.\w+$/.test(file) ? 'max-age=31536000, immutable' : 'no-cache'});
const ours = await serveSite(siteDir, '/ohmcalc/', {headers: hosting});
const bare = await serveSite(bareDir);
const engine = await engines.chromium();
const viewport = {width: 1280, height: 720};  // playwright's own
try {
  // What a first visit transfers: every file asked for, the service
  // worker's own fetches included (those it finds in the HTTP cache are not
  // asked for), as a host that sends gzip would send it.
  {
    const tab = await engine.open(viewport);
    const page = tab.page;
    await tab.load(ours.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForTimeout(500);
    const sizes = ours.requests.filter((path) => !path.includes('/icons/')).map((path) => {
      const file = join(siteDir, path.replace('/ohmcalc/', '') || 'index.html');
      const body = readFileSync(statSync(file).isDirectory() ? join(file, 'index.html') : file);
      return [path, gzipSync(body, {level: 9}).length];
    });
    const total = sizes.reduce((sum, [, size]) => sum + size, 0);
    const once = new Map(sizes);
    const pageOnly = [...once.values()].reduce((sum, size) => sum + size, 0);
    console.log(`first visit: ${sizes.length} requests, ${(total / 1024).toFixed(1)} KiB gzip ` +
                `(${(pageOnly / 1024).toFixed(1)} KiB counting each file once), icons aside`);
    const code = join(siteDir, readdirSync(siteDir).find((file) => file.endsWith('.wasm')));
    console.log(`ohmcalc.wasm: ${statSync(code).size} bytes, ${gzipSync(readFileSync(code), {level: 9}).length} gzip`);

    // One row through the bridge: a click on 等于, the module reading both
    // boxes, computing and writing box C (and rebuilding its aids).
    await page.fill('#Text4', '10');
    await page.fill('#Text5', '3');
    const perRow = await page.evaluate(async (count) => {
      const equals = document.getElementById('Command5');
      for (let i = 0; i < count; ++i) equals.click();  // until the engine has optimised the code
      await new Promise((resolve) => setTimeout(resolve));
      const start = performance.now();
      for (let i = 0; i < count; ++i) equals.click();
      await new Promise((resolve) => setTimeout(resolve));
      return (performance.now() - start) / count * 1000;
    }, 20000);
    console.log(`one row through the bridge: ${perRow.toFixed(2)} µs (20000 clicks on 等于, after 20000 to warm up)`);
    await tab.close();
  }

  // Navigation to first row, interleaved: cold (a new profile each time) and
  // warm (the same context again, served by the service worker).
  const times = {ours: {cold: [], warm: []}, bare: {cold: [], warm: []}};
  for (let round = 0; round <= rounds; ++round) {
    for (const [name, site] of [['ours', ours], ['bare', bare]]) {
      const tab = await engine.open(viewport);
      const page = tab.page;
      await page.addInitScript({path: new URL('first_row.js', import.meta.url).pathname});
      for (const kind of ['cold', 'warm']) {
        await page.goto(site.url);
        const at = await page.evaluate(() => window.firstRowAt);
        if (name === 'ours' && kind === 'cold') await page.evaluate(() => navigator.serviceWorker.ready);
        if (round > 0) times[name][kind].push(at);  // round 0 warms the browser up
      }
      await tab.close();
    }
  }
  for (const kind of ['cold', 'warm']) {
    const [o, b] = [median(times.ours[kind]), median(times.bare[kind])];
    console.log(`${kind}: navigation to first row ${o.toFixed(1)} ms, bare page ${b.toFixed(1)} ms ` +
                `(${(o / b).toFixed(2)}×), medians of ${rounds} interleaved rounds`);
  }
} finally {
  await engine.close();
  await ours.close();
  await bare.close();
  rmSync(bareDir, {recursive: true, force: true});
}
