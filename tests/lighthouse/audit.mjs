// Lighthouse's accessibility audit of the built site, as a phone and as a
// desktop browser see it, in Debian's Chromium (no browser of its own).
// Prints each score and every audit that fails. Run by scripts/lighthouse-web.
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';

import {serveSite} from '../web/harness.mjs';

const site = await serveSite();
const chrome = await chromeLauncher.launch({
  chromePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                '--disable-component-update', '--disable-sync'],
});
let failed = false;
try {
  for (const [formFactor, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
    const {lhr} = await lighthouse(site.url, {port: chrome.port, onlyCategories: ['accessibility'], logLevel: 'error'},
                                   config);
    const category = lhr.categories.accessibility;
    console.log(`accessibility, ${formFactor}: ${Math.round(category.score * 100)}`);
    for (const {id} of category.auditRefs) {
      const audit = lhr.audits[id];
      if (audit.score !== null && audit.score < 1) console.log(`  ${id}: ${audit.title}`);
    }
    failed ||= category.score < 1;
  }
} finally {
  await chrome.kill();
  await site.close();
}
process.exitCode = failed ? 1 : 0;
