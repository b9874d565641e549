// The bare page: the site's page and styles, without what loads the module
// (its preloads and the inline script that reports a missing app.js), and
// the bare script in app.js's place; nothing else. Returns its folder.
import {cpSync, mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

export function writeBareSite(siteDir) {
  const bareDir = mkdtempSync(join(tmpdir(), 'ohmcalc-bare-'));
  const page = readFileSync(join(siteDir, 'index.html'), 'utf8');
  for (const [, file] of page.matchAll(/<link rel="stylesheet" href="([^"]+)">/g)) {
    cpSync(join(siteDir, file), join(bareDir, file));
  }
  writeFileSync(join(bareDir, 'index.html'),
                page.replace(/<link rel="(module)?preload"[^>]*>\n/g, '')
                  .replace(/<script>.*<\/script>\n/, '').replace(/(<script type="module" src=")[^"]+"/, '$1app.js"'));
  writeFileSync(join(bareDir, 'app.js'), readFileSync(new URL('bare_app.js', import.meta.url)));
  return bareDir;
}
