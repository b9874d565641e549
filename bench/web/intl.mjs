import {launchChromium, serveSite} from '../../tests/web/harness.mjs';
const site = await serveSite(process.argv[2]);
const browser = await launchChromium();
const probes = {
  nf: () => new Intl.NumberFormat(navigator.language),
  nfLatn: () => new Intl.NumberFormat(navigator.language, {numberingSystem: 'latn'}),
  nfParts: () => new Intl.NumberFormat(navigator.language, {numberingSystem: 'latn'}).formatToParts(1.5),
  toLocale: () => (1.5).toLocaleString(navigator.language),
  locale: () => new Intl.Locale(navigator.language).maximize(),
  dtf: () => new Intl.DateTimeFormat(navigator.language),
};
for (const [name, fn] of Object.entries(probes)) {
  const times = [];
  for (let i = 0; i < 5; ++i) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(new URL('/nothing', site.url).href);
    times.push(await page.evaluate(`(() => { const t0 = performance.now(); (${fn})(); const t1 = performance.now(); new Intl.NumberFormat('fr-FR').formatToParts(2.5); return [t1 - t0, performance.now() - t1].map((x) => x.toFixed(1)).join('/'); })()`));
    await context.close();
  }
  console.log(name, times.join(' '));
}
await browser.close(); await site.close();
