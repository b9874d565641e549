// What the browser tests share: the site served from 127.0.0.1 by a small
// server of their own (which a test can stop), Debian's Chromium driven by
// playwright-core, and the control table the page was written from.
import {readFileSync, statSync} from 'node:fs';
import {createServer} from 'node:http';
import {extname, join, normalize} from 'node:path';
import {chromium} from 'playwright-core';

export const siteDir = process.env.OHMCALC_WEB_SITE ?? 'build/web/site';
export const description = JSON.parse(readFileSync(process.env.OHMCALC_WEB_CONTROLS ?? 'build/web/controls.json', 'utf8'));

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
};

// Serves `root` at http://127.0.0.1:PORT/PREFIX/, so that the site is also
// tried from a sub-path; `requests` lists every path asked for. Options:
// `port` (that of a server closed before, for the same origin again),
// `missing` files answer 404, `headers` go with every file (or are given
// for each by a function of its path in the site), and `firstScript`
// (a file) is served as /first.js and put first in the page, for what a
// driver without init scripts (WebKit's) cannot do otherwise.
/**
 * @param {string} [root]
 * @param {string} [prefix]
 * @param {{port?: number, missing?: string[], headers?: Record<string, string> | ((path: string) => Record<string, string>), firstScript?: URL}} [options]
 */
export async function serveSite(root = siteDir, prefix = '/ohmcalc/', {port = 0, missing = [], headers = {}, firstScript} = {}) {
  const requests = [];
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    requests.push(path);
    let file = path.startsWith(prefix) ? normalize(join(root, path.slice(prefix.length))) : null;
    try {
      if (firstScript && path === '/first.js') {
        response.writeHead(200, {'Content-Type': 'text/javascript'});
        return response.end(readFileSync(firstScript));
      }
      if (file && statSync(file).isDirectory()) file = join(file, 'index.html');
      const served = file && file.startsWith(normalize(root)) && !missing.includes(file.slice(normalize(root).length + 1));
      /** @type {Buffer | string | null} */
      let body = served ? readFileSync(file) : null;
      if (!body) throw new Error('not found');
      if (firstScript && file.endsWith('index.html')) {
        body = String(body).replace(/(<meta http-equiv="Content-Security-Policy"[^>]*>)/, '$1\n<script src="/first.js"></script>');
      }
      const extra = typeof headers === 'function' ? headers(file.slice(normalize(root).length + 1)) : headers;
      response.writeHead(200, {'Content-Type': types[extname(file)] ?? 'application/octet-stream', ...extra});
      response.end(body);
    } catch {
      response.writeHead(404, {'Content-Type': 'text/plain'});
      response.end('not found');  // a page all the same, of the origin
    }
  });
  await new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(null)));
  const address = /** @type {import('node:net').AddressInfo} */ (server.address());
  return {
    url: `http://127.0.0.1:${address.port}${prefix}`,
    port: address.port,
    requests,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}

export const chromiumOptions = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
};

export function launchChromium() { return chromium.launch(chromiumOptions); }

export function launchPersistent(userDataDir, options = {}) {
  return chromium.launchPersistentContext(userDataDir, {...chromiumOptions, ...options});
}

// Opens the page and waits until its module is ready.
export async function openPage(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.classList.contains('ready'));
  return page;
}

// A row's controls by their part: {'box-a': 'Text1', equals: 'Command1', …}.
export const rowParts = (row) =>
  Object.fromEntries(description.controls.filter((c) => c.row === row && c.part).map((c) => [c.part, c.name]));

// Types A and B, presses the row's 等于, and returns the text of box C.
export async function runRow(page, row, a, b, {tap = false} = {}) {
  const parts = rowParts(row);
  for (const [part, text] of [['box-a', a], ['box-b', b]]) {
    if (tap) await page.tap(`#${parts[part]}`);
    await page.fill(`#${parts[part]}`, text);
  }
  await page[tap ? 'tap' : 'click'](`#${parts.equals}`);
  return page.inputValue(`#${parts['box-c']}`);
}
