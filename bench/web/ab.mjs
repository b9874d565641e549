// Scratch: cold navigation to first row for several site folders, interleaved.
import {mkdtempSync, readFileSync, writeFileSync, cpSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {launchChromium, serveSite} from '../../tests/web/harness.mjs';
const rounds = Number(process.argv[2]);
const dirs = process.argv.slice(3);
const bareDir = mkdtempSync(join(tmpdir(), 'ohmcalc-bare-'));
for (const file of ['style.css', 'form.css']) cpSync(join(dirs[0], file), join(bareDir, file));
writeFileSync(join(bareDir, 'index.html'), readFileSync(join(dirs[0], 'index.html'), 'utf8').replace(/<link rel="(module)?preload"[^>]*>\n/g, ''));
writeFileSync(join(bareDir, 'app.js'), readFileSync(new URL('bare_app.js', import.meta.url)));
const sites = [['bare', await serveSite(bareDir)], ...await Promise.all(dirs.map(async (d) => [d, await serveSite(d)]))];
const firstRow = () => {
  window.firstRowAt = new Promise((resolve) => {
    document.addEventListener('DOMContentLoaded', () => {
      const [a, b, c] = ['Text4', 'Text5', 'Text6'].map((id) => document.getElementById(id));
      a.value = '10'; b.value = '4';
      document.getElementById('Command5').click();
      const channel = new MessageChannel();
      channel.port1.onmessage = () => (c.value ? resolve(performance.now()) : channel.port2.postMessage(0));
      channel.port2.postMessage(0);
    });
  });
};
const browser = await launchChromium();
const times = Object.fromEntries(sites.map(([n]) => [n, []]));
for (let round = 0; round <= rounds; ++round) {
  for (const [name, site] of sites) {
    const context = await browser.newContext();
    await context.addInitScript(firstRow);
    const page = await context.newPage();
    await page.goto(site.url);
    const at = await page.evaluate(() => window.firstRowAt);
    if (round > 0) times[name].push(at);
    await context.close();
  }
}
const median = (v) => { const s = [...v].sort((x, y) => x - y); return s[Math.floor(s.length / 2)]; };
const bare = median(times.bare);
for (const [name] of sites) console.log(`${name}: ${median(times[name]).toFixed(1)} ms (${(median(times[name]) / bare).toFixed(2)}×)`);
await browser.close();
for (const [, s] of sites) await s.close();
