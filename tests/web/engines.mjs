// The three browser engines behind one small interface, so that one table
// of checks runs in each: Chromium (playwright-core), Firefox ESR
// (puppeteer-core over WebDriver BiDi) and WebKitGTK (WebKitWebDriver, plain
// W3C WebDriver over HTTP, driving MiniBrowser on the display in DISPLAY).
// A tab: goto(url), run(fn, ...args) in the page, click(id), type(id, text),
// press(key), close(). open(language) gives a tab whose browser has that
// language (undefined: the browser's own).
import {spawn} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {launchChromium} from './harness.mjs';

const expression = (fn, args) => `(${fn})(...${JSON.stringify(args)})`;

// What a browser language set in the profile would give the page; for the
// engines whose language is set only at launch.
const languageScript = (language) => `Object.defineProperty(Navigator.prototype, 'language', {get: () => '${language}'});
  Object.defineProperty(Navigator.prototype, 'languages', {get: () => ['${language}']});`;

// Playwright and Puppeteer pages are alike enough.
function pageTab(page, close) {
  return {
    goto: (url) => page.goto(url),
    run: (fn, ...args) => page.evaluate(expression(fn, args)),
    click: (id) => page.click(`#${id}`),
    async type(id, text) {
      await page.focus(`#${id}`);
      await page.keyboard.type(text);
    },
    press: (key) => page.keyboard.press(key),
    close,
    page,
  };
}

async function chromium() {
  const browser = await launchChromium();
  return {
    enterActivatesButton: true,
    async open(language) {
      const context = await browser.newContext({viewport: {width: 1024, height: 768}});
      if (language) await context.addInitScript(languageScript(language));
      return pageTab(await context.newPage(), () => context.close());
    },
    close: () => browser.close(),
  };
}

async function firefox() {
  const {default: puppeteer} = await import('puppeteer-core');
  const profile = mkdtempSync(join(tmpdir(), 'ohmcalc-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', headless: true,
    userDataDir: profile, defaultViewport: {width: 1024, height: 768},
  });
  return {
    enterActivatesButton: false,  // its WebDriver's Enter does not press a focused button
    async open(language) {
      const page = await browser.newPage();
      if (language) await page.evaluateOnNewDocument(languageScript(language));
      return pageTab(page, () => page.close());
    },
    async close() {
      await browser.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}

const freePort = () => new Promise((resolve) => {
  const server = createServer().listen(0, '127.0.0.1', () => {
    const {port} = /** @type {import('node:net').AddressInfo} */ (server.address());
    server.close(() => resolve(port));
  });
});

const keyCodes = {Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004'};
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// One WebKitWebDriver, and so one MiniBrowser, per language: the browser
// takes its language from LANG. Debian's default, C.UTF-8, gives "C".
async function webkitSession(lang) {
  const port = await freePort();
  const driver = spawn(process.env.WEBKIT_WEBDRIVER ?? 'WebKitWebDriver', [`--port=${port}`],
                       {env: {...process.env, LANG: lang, LC_ALL: ''}, stdio: 'ignore'});
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(base + path, {method, headers: {'Content-Type': 'application/json'},
                                               body: body && JSON.stringify(body)});
    const {value} = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${path}: ${value.error} ${value.message}`);
    return value;
  };
  for (let tries = 0; ; ++tries) {
    try {
      await fetch(`${base}/status`);
      break;
    } catch (error) {
      if (tries > 200) throw error;
      await sleep(25);
    }
  }
  const miniBrowser = process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
  const {sessionId} = await call('POST', '/session', {capabilities: {alwaysMatch: {
    'webkitgtk:browserOptions': {binary: miniBrowser, args: ['--automation']}}}});
  const session = (path) => `/session/${sessionId}${path}`;
  await call('POST', session('/window/rect'), {width: 1100, height: 900});
  const element = async (id) => Object.values(await call('POST', session('/element'),
                                                          {using: 'css selector', value: `#${id}`}))[0];
  const run = async (fn, ...args) => {
    const script = `const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => ${expression(fn, args)})
        .then((value) => done({value}), (error) => done({error: String(error)}));`;
    const {value, error} = await call('POST', session('/execute/async'), {script, args: []});
    if (error) throw new Error(error);
    return value;
  };
  return {
    goto: (url) => call('POST', session('/url'), {url}),
    run,
    click: async (id) => call('POST', session(`/element/${await element(id)}/click`), {}),
    async type(id, text) {
      // Its driver types shifted characters unshifted (M as m, + as =):
      // such text goes in as a paste would.
      if (/[A-Z+!@#$%^&*()_{}|:"<>?~]/.test(text)) {
        return run((id, text) => {
          const box = /** @type {HTMLInputElement} */ (document.getElementById(id));
          box.focus();
          box.value += text;
          box.dispatchEvent(new Event('input', {bubbles: true}));
        }, id, text);
      }
      return call('POST', session(`/element/${await element(id)}/value`), {text});
    },
    press: (key) => call('POST', session('/actions'), {actions: [{type: 'key', id: 'keys', actions: [
      {type: 'keyDown', value: keyCodes[key]}, {type: 'keyUp', value: keyCodes[key]}]}]}),
    async close() {
      await call('DELETE', session('')).catch(() => {});
      driver.kill();
    },
  };
}

async function webkit() {
  const sessions = [];
  return {
    enterActivatesButton: true,
    async open(language) {
      const lang = language ? `${language.replace('-', '_')}.UTF-8` : 'C.UTF-8';
      const tab = await webkitSession(lang);
      sessions.push(tab);
      return tab;
    },
    close: () => Promise.all(sessions.map((tab) => tab.close())),
  };
}

export const engines = {chromium, firefox, webkit};
