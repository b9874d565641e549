import {launchChromium, serveSite} from '../../tests/web/harness.mjs';
const site = await serveSite(process.argv[2]);
const browser = await launchChromium();
for (let i = 0; i < 6; ++i) {
  const context = await browser.newContext();
  await context.addInitScript(() => {
    window.firstRowAt = new Promise((resolve) => {
      document.addEventListener('DOMContentLoaded', () => {
        window.dcl = performance.now();
        requestAnimationFrame(() => (window.raf = performance.now()));
        const [a, b, c] = ['Text4', 'Text5', 'Text6'].map((id) => document.getElementById(id));
        a.value = '10'; b.value = '4';
        document.getElementById('Command5').click();
        const channel = new MessageChannel();
        channel.port1.onmessage = () => (c.value ? resolve(performance.now()) : channel.port2.postMessage(0));
        channel.port2.postMessage(0);
      });
    });
  });
  const page = await context.newPage();
  await page.goto(site.url);
  const r = await page.evaluate(async () => { const at = await window.firstRowAt; const n = performance.getEntriesByType('navigation')[0];
    const res = Object.fromEntries(performance.getEntriesByType('resource').map((e) => [e.name.split('/').pop(), `${e.startTime.toFixed(0)}-${e.responseEnd.toFixed(0)}`]));
    return {resp: n.responseEnd.toFixed(0), dcl: window.dcl.toFixed(0), raf: window.raf?.toFixed(0), ...Object.fromEntries(Object.entries(window.T ?? {}).map(([k, v]) => [k, v.toFixed(0)])), row: at.toFixed(0), res}; });
  if (i) console.log(JSON.stringify(r));
  await context.close();
}
await browser.close(); await site.close();
