// Navigation to the first row computed, cold and warm, against the bare
// page, in Firefox ESR or WebKitGTK (for figures beside Chromium's): each
// round a new origin, so no cache or service worker is left from the last,
// and for WebKit a new browser too; the script that presses 等于 is put into
// the page by the test server, as WebKit's driver has no init scripts.
// Usage (from scripts/bench-web): node bench/web/engine_rounds.mjs ROUNDS ENGINE
import {rmSync} from 'node:fs';

import {engines} from '../../tests/web/engines.mjs';
import {serveSite, siteDir} from '../../tests/web/harness.mjs';
import {writeBareSite} from './bare_site.mjs';

const [rounds, engineName] = [Number(process.argv[2] ?? 15), process.argv[3]];
const median = (values) => [...values].sort((x, y) => x - y)[Math.floor(values.length / 2)];
const firstScript = new URL('first_row.js', import.meta.url);
const bareDir = writeBareSite(siteDir);
const engine = await engines[engineName]();
const times = {ours: {cold: [], warm: []}, bare: {cold: [], warm: []}};
try {
  for (let round = 0; round <= rounds; ++round) {
    for (const [name, dir] of [['ours', siteDir], ['bare', bareDir]]) {
      const site = await serveSite(dir, '/ohmcalc/', {firstScript});
      const tab = await engine.open();
      for (const kind of ['cold', 'warm']) {
        await tab.goto(site.url);
        const at = await tab.run(() => window.firstRowAt);
        if (name === 'ours' && kind === 'cold') await tab.run(() => navigator.serviceWorker.ready.then(() => true));
        if (round > 0) times[name][kind].push(at);  // round 0 warms the browser up
      }
      await tab.close();
      await site.close();
    }
  }
} finally {
  await engine.close();
  rmSync(bareDir, {recursive: true, force: true});
}
for (const kind of ['cold', 'warm']) {
  const [o, b] = [median(times.ours[kind]), median(times.bare[kind])];
  console.log(`${engineName} ${kind}: navigation to first row ${o.toFixed(1)} ms, bare page ${b.toFixed(1)} ms ` +
              `(${(o / b).toFixed(2)}×), medians of ${rounds} interleaved rounds`);
}
