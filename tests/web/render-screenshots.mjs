// Renders the web edition with the sample rows, for the README: as a desktop
// browser, a phone, a phone turned to landscape with row 3's designer aids
// open, and a tablet show it. Run by scripts/screenshot-web.
import {description, launchChromium, openPage, serveSite} from './harness.mjs';

const [wideFile, phoneFile, landscapeFile, tabletFile] = process.argv.slice(2);
const touch = {isMobile: true, hasTouch: true, deviceScaleFactor: 2};
/** @type {[string, import('playwright-core').BrowserContextOptions, string?][]} */
const shots = [
  [wideFile, {viewport: {width: 760, height: 530}}],
  [phoneFile, {viewport: {width: 390, height: 844}, ...touch}],
  [landscapeFile, {viewport: {width: 844, height: 390}, ...touch}, '[aria-controls="aids-Text9"]'],
  [tabletFile, {viewport: {width: 768, height: 1024}, ...touch}],
];
const site = await serveSite();
const browser = await launchChromium();
try {
  for (const [file, options, aidsButton] of shots) {
    const context = await browser.newContext(options);
    const page = await openPage(context, site.url);
    for (const sample of description.samples) {
      await page.fill(`#${sample.a}`, sample.aText);
      await page.fill(`#${sample.b}`, sample.bText);
      await page.click(`#${sample.equals}`);
    }
    await page.evaluate(() => /** @type {HTMLElement} */ (document.activeElement).blur());
    if (aidsButton) {
      await page.tap(aidsButton);
      await page.$eval(aidsButton, (button) => document.getElementById(button.getAttribute('aria-controls'))
        .scrollIntoView({block: 'end'}));
    } else {
      await page.evaluate(() => window.scrollTo(0, 0));
    }
    await page.screenshot({path: file});
    await context.close();
  }
} finally {
  await browser.close();
  await site.close();
}
