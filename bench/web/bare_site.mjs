// The bare page: the site's page and styles, without what loads the module
// (its preloads and the script that starts its compile),
// and the bare script; nothing else. Returns its folder.
import {cpSync, mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

export function writeBareSite(siteDir) {
  const bareDir = mkdtempSync(join(tmpdir(), 'ohmcalc-bare-'));
  for (const file of ['style.css', 'form.css']) cpSync(join(siteDir, file), join(bareDir, file));
  writeFileSync(join(bareDir, 'index.html'),
                readFileSync(join(siteDir, 'index.html'), 'utf8').replace(/<link rel="(module)?preload"[^>]*>\n/g, '')
                  .replace(/<script>.*<\/script>\n/, ''));
  writeFileSync(join(bareDir, 'app.js'), readFileSync(new URL('bare_app.js', import.meta.url)));
  return bareDir;
}
