// Renders the web edition with the sample rows, as a desktop browser and as
// a phone shows it, for the README: docs/screenshot-web.png and
// docs/screenshot-web-phone.png. Run by scripts/screenshot-web.
import {description, launchChromium, openPage, serveSite} from './harness.mjs';

const [wideFile, phoneFile] = process.argv.slice(2);
const site = await serveSite();
const browser = await launchChromium();
try {
  for (const [file, options] of [[wideFile, {viewport: {width: 760, height: 530}}],
                                 [phoneFile, {viewport: {width: 390, height: 844}, isMobile: true, hasTouch: true,
                                              deviceScaleFactor: 2}]]) {
    const context = await browser.newContext(options);
    const page = await openPage(context, site.url);
    for (const sample of description.samples) {
      await page.fill(`#${sample.a}`, sample.aText);
      await page.fill(`#${sample.b}`, sample.bText);
      await page.click(`#${sample.equals}`);
    }
    await page.evaluate(() => document.activeElement.blur());
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({path: file});
    await context.close();
  }
} finally {
  await browser.close();
  await site.close();
}
