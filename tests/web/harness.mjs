// What the browser tests share beside the driver (engines.mjs): the site
// served from 127.0.0.1 by a small server of their own (which a test can
// stop), the control table the page was written from, and what a test does
// with the form in any engine.
import {readFileSync, statSync} from 'node:fs';
import {createServer} from 'node:http';
import {extname, join, normalize} from 'node:path';

export const siteDir = process.env.OHMCALC_WEB_SITE ?? 'build/web/site';
export const description = JSON.parse(readFileSync(process.env.OHMCALC_WEB_CONTROLS ?? 'build/web/controls.json', 'utf8'));

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.svg': 'image/svg+xml',
};

// Serves `root` at http://127.0.0.1:PORT/PREFIX/, so that the site is also
// tried from a sub-path; `requests` lists every path asked for. Options:
// `port` (that of a server closed before, for the same origin again),
// `missing` files answer 404, `held` ones only once release() is called,
// `headers` go with every file (or are given
// for each by a function of its path in the site), and `firstScript`
// (a file) is served as /first.js and put first in the page, for what a
// driver without init scripts (WebKit's) cannot do otherwise.
/**
 * @param {string} [root]
 * @param {string} [prefix]
 * @param {{port?: number, missing?: string[], held?: RegExp, headers?: Record<string, string> | ((path: string) => Record<string, string>), firstScript?: URL}} [options]
 */
export async function serveSite(root = siteDir, prefix = '/ohmcalc/', {port = 0, missing = [], held, headers = {}, firstScript} = {}) {
  const requests = [];
  /** @type {(value?: unknown) => void} */
  let release;
  const released = new Promise((resolve) => (release = resolve));
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    requests.push(path);
    if (held?.test(path)) await released;
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
    release,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}

// A row's controls by their part: {'box-a': 'Text1', equals: 'Command1', …}.
export const rowParts = (row) =>
  Object.fromEntries(description.controls.filter((c) => c.row === row && c.part).map((c) => [c.part, c.name]));

// The texts of the boxes named, in that order.
/** @param {import('./engines.mjs').Tab} tab @param {string[]} ids @returns {Promise<string[]>} */
export const boxValues = (tab, ids) =>
  tab.run((ids) => ids.map((id) => /** @type {HTMLInputElement} */ (document.getElementById(id)).value), ids);

// Every box's text, by its name.
/** @param {import('./engines.mjs').Tab} tab @returns {Promise<Record<string, string>>} */
export const boxTexts = (tab) => tab.run(() => Object.fromEntries(
  Array.from(document.querySelectorAll('.box'), (box) => [box.id, /** @type {HTMLInputElement} */ (box).value])));

// Types A and B (C too, when given; a box given undefined is left as it
// is), presses the row's 等于 (by a tap, on a touch screen) and returns box C.
/**
 * @param {import('./engines.mjs').Tab} tab
 * @param {*} row a number (the case tables mix numbers and texts)
 * @param {*} [a]
 * @param {*} [b]
 * @param {{c?: string, tap?: boolean}} [options]
 */
export async function runRow(tab, row, a, b, {c, tap = false} = {}) {
  const parts = rowParts(row);
  const boxes = [[parts['box-a'], a], [parts['box-b'], b], [parts['box-c'], c]].filter(([, text]) => text !== undefined);
  await tab.run((ids) => ids.forEach((id) => (/** @type {HTMLInputElement} */ (document.getElementById(id)).value = '')),
                boxes.map(([id]) => id));
  for (const [id, text] of boxes) {
    if (tap) await tab.tap(id);
    if (text) await tab.type(id, text);
  }
  await (tap ? tab.tap(parts.equals) : tab.click(parts.equals));
  return (await boxValues(tab, [parts['box-c']]))[0];
}

// The controls not at their places in the form, grown `scale` times, within
// `tolerance` px (a bar ends at the form's edge).
/** @param {import('./engines.mjs').Tab} tab @returns {Promise<string[]>} */
export const misplaced = (tab, scale = 1, tolerance = 1) => tab.run((controls, clientWidth, scale, tolerance) => {
  const form = document.getElementById('Form1').getBoundingClientRect();
  return controls.flatMap((entry) => {
    const r = document.getElementById(entry.name).getBoundingClientRect();
    const wanted = [entry.left, entry.top, Math.min(entry.width, clientWidth - entry.left), entry.height].map((v) => v * scale);
    const got = [r.left - form.left, r.top - form.top, r.width, r.height];
    return got.some((value, i) => Math.abs(value - wanted[i]) > tolerance) ? [`${entry.name}: ${got} for ${wanted}`] : [];
  });
}, description.controls, description.clientWidth, scale, tolerance);
