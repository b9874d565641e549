// Renders the web edition with the sample rows, for the README: as a desktop
// browser, a phone, a phone turned to landscape with row 3's designer aids
// open, and a tablet show it. Run by scripts/screenshot-web.
import {engines} from './engines.mjs';
import {description, serveSite} from './harness.mjs';

const [wideFile, phoneFile, landscapeFile, tabletFile] = process.argv.slice(2);
/** @type {[string, import('./engines.mjs').TabOptions, string?][]} */
const shots = [
  [wideFile, {width: 760, height: 530}],
  [phoneFile, {width: 390, height: 844, touch: 2}],
  [landscapeFile, {width: 844, height: 390, touch: 2}, '[aria-controls="aids-Text9"]'],
  [tabletFile, {width: 768, height: 1024, touch: 2}],
];
const site = await serveSite();
const engine = await engines.chromium();
try {
  for (const [file, options, aidsButton] of shots) {
    const tab = await engine.open(options);
    await tab.load(site.url);
    for (const sample of description.samples) {
      await tab.type(sample.a, sample.aText);
      await tab.type(sample.b, sample.bText);
      await tab.click(sample.equals);
    }
    await tab.run(() => /** @type {HTMLElement} */ (document.activeElement).blur());
    if (aidsButton) {
      await tab.page.tap(aidsButton);
      await tab.page.$eval(aidsButton, (button) => document.getElementById(button.getAttribute('aria-controls'))
        .scrollIntoView({block: 'end'}));
    } else {
      await tab.run(() => window.scrollTo(0, 0));
    }
    await tab.page.screenshot({path: file});
    await tab.close();
  }
} finally {
  await engine.close();
  await site.close();
}
