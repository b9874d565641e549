// The browser tests' one driver: each engine behind the same small interface,
// so that one suite runs in all three. Chromium through playwright-core,
// Firefox ESR through puppeteer-core (WebDriver BiDi), WebKitGTK through
// WebKitWebDriver (plain W3C WebDriver over HTTP, driving MiniBrowser on the
// display in DISPLAY). engines[name](options) gives an Engine.
import {spawn} from 'node:child_process';
import {mkdirSync, mkdtempSync, rmSync, writeFileSync} from 'node:fs';
import {createServer} from 'node:net';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

/**
 * @typedef {object} Tab
 * @property {(url: string) => Promise<unknown>} goto
 * @property {(url: string) => Promise<void>} load goto, then wait until the page is ready
 * @property {(fn: Function, ...args: any[]) => Promise<any>} run fn(...args) in the page
 * @property {(fn: Function, ...args: any[]) => Promise<any>} until run until it gives something true
 * @property {(id: string) => Promise<unknown>} click
 * @property {(id: string, text: string) => Promise<unknown>} type
 * @property {(id: string, text: string) => Promise<unknown>} paste at the end of the box
 * @property {(key: string) => Promise<unknown>} press 'Tab', 'Shift+Tab', …
 * @property {() => Promise<string[]>} problems console errors since last asked, and the probe's
 * @property {() => Promise<unknown>} close
 * @property {(id: string) => Promise<unknown>} [tap] Chromium's, on a touch screen
 * @property {import('playwright-core').Page} [page] Chromium's, for what only it does (emulation, routes, CDP)
 *
 * @typedef {object} TabOptions
 * @property {string} [language] the browser's language (undefined: its own)
 * @property {number} [width] the page's, in Chromium and Firefox (WebKit's window is 1100 × 900)
 * @property {number} [height]
 * @property {number} [touch] a phone's or tablet's device pixels to the CSS pixel (Chromium only)
 *
 * @typedef {object} Engine
 * @property {string} name
 * @property {boolean} enterActivatesButton whether its driver's Enter presses a focused button
 * @property {(options?: TabOptions) => Promise<Tab>} open
 * @property {() => Promise<unknown>} close
 */

// A tab's page size unless it asks for another: a desktop window.
export const desktop = {width: 1024, height: 768};

const expression = (fn, args) => `(${fn})(...${JSON.stringify(args)})`;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// A tab from what an engine's driver does.
/** @param {Omit<Tab, 'until' | 'load'>} driver @returns {Tab} */
function tab({goto, run, ...rest}) {
  const until = async (fn, ...args) => {
    for (const start = Date.now(); ;) {
      const value = await run(fn, ...args);
      if (value) return value;
      if (Date.now() - start > 10000) throw new Error(`waited in vain for ${fn}`);
      await sleep(25);
    }
  };
  const load = async (url) => {
    await goto(url);
    await until(() => document.documentElement.classList.contains('ready'));
  };
  return {goto, run, until, load, ...rest};
}

// Text put in as a paste puts it in: the value and an input event, no keys.
const pasteByScript = (run) => (id, text) => run((id, text) => {
  const box = /** @type {HTMLInputElement} */ (document.getElementById(id));
  box.focus();
  box.value += text;
  box.dispatchEvent(new InputEvent('input', {bubbles: true, inputType: 'insertFromPaste', data: text}));
}, id, text);

// What the probe (probe.js) noted in the page now shown, where the server put it.
const probed = (run) => run(() => window.problems ?? []);

// What a browser language set in the profile would give the page; for a
// language that is no tag ("C"), which Chromium's own setting rejects, and
// for Firefox, whose language is set only at launch.
const languageScript = (language) => `Object.defineProperty(Navigator.prototype, 'language', {get: () => '${language}'});
  Object.defineProperty(Navigator.prototype, 'languages', {get: () => ['${language}']});`;
const validLanguage = (language) => /^[a-z]{2,3}(-|$)/.test(language);

// Playwright and Puppeteer pages are alike enough. Chromium pastes through
// its clipboard and Ctrl+V, as a person does.
/** @param {any} page */
function pageTab(page, close, {clipboard = false} = {}) {
  const run = (fn, ...args) => page.evaluate(expression(fn, args));
  const noted = [];
  page.on('console', (message) => message.type() === 'error' && noted.push(`${message.text()} (${message.location().url})`));
  page.on('pageerror', (error) => noted.push(error.message));
  const press = async (keys) => {
    const [key, ...modifiers] = keys.split('+').reverse();
    for (const modifier of modifiers) await page.keyboard.down(modifier);
    await page.keyboard.press(key);
    for (const modifier of modifiers) await page.keyboard.up(modifier);
  };
  return tab({
    goto: (url) => page.goto(url),
    run,
    click: (id) => page.click(`#${id}`),
    async type(id, text) {
      await page.focus(`#${id}`);
      await page.keyboard.type(text);
    },
    paste: clipboard ? async (id, text) => {
      await run((text) => navigator.clipboard.writeText(text), text);
      await page.focus(`#${id}`);
      await press('End');
      await press('Control+V');
    } : pasteByScript(run),
    press,
    problems: async () => [...noted.splice(0), ...await probed(run)],
    close,
    page,
  });
}

const chromiumOptions = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
};

// Each tab in a context of its own; or, given `profile` (the profile's
// preferences), all in one persistent context, which a profile's setting or
// an install needs (its tabs take no touch screen).
/** @param {{profile?: object}} [options] */
async function chromium({profile} = {}) {
  const {chromium: playwright} = await import('playwright-core');
  /** @param {TabOptions} options */
  const contextOptions = ({language, width = desktop.width, height = desktop.height, touch} = {}) => ({
    viewport: {width, height}, permissions: ['clipboard-read', 'clipboard-write'],
    ...(touch && {isMobile: true, hasTouch: true, deviceScaleFactor: touch}),
    ...(language && validLanguage(language) && {locale: language}),
  });
  // A language that the context cannot take goes in by script.
  const chromiumTab = async (page, scripted, close) => {
    if (scripted) await page.addInitScript(languageScript(scripted));
    return {...pageTab(page, close, {clipboard: true}), tap: (id) => page.tap(`#${id}`)};
  };
  const engine = {name: 'chromium', enterActivatesButton: true};
  if (profile) {
    const dir = mkdtempSync(join(tmpdir(), 'ohmcalc-chromium-'));
    mkdirSync(join(dir, 'Default'));
    writeFileSync(join(dir, 'Default', 'Preferences'), JSON.stringify(profile));
    const context = await playwright.launchPersistentContext(dir, {...chromiumOptions, ...contextOptions()});
    return {
      ...engine,
      async open(options = {}) {
        const page = await context.newPage();
        await page.setViewportSize(contextOptions(options).viewport);
        return chromiumTab(page, options.language, () => page.close());
      },
      async close() {
        await context.close();
        rmSync(dir, {recursive: true, force: true});
      },
    };
  }
  const browser = await playwright.launch(chromiumOptions);
  return {
    ...engine,
    async open(options = {}) {
      const context = await browser.newContext(contextOptions(options));
      const scripted = validLanguage(options.language) ? undefined : options.language;
      return chromiumTab(await context.newPage(), scripted, () => context.close());
    },
    close: () => browser.close(),
  };
}

async function firefox() {
  const {default: puppeteer} = await import('puppeteer-core');
  const profile = mkdtempSync(join(tmpdir(), 'ohmcalc-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', headless: true,
    userDataDir: profile, defaultViewport: desktop,
  });
  return {
    name: 'firefox',
    enterActivatesButton: false,
    /** @param {TabOptions} options */
    async open({language, width = desktop.width, height = desktop.height} = {}) {
      const page = await browser.newPage();
      await page.setViewport({width, height});
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

const keyCodes = {Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', Shift: '\uE008', End: '\uE010'};

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
  const paste = pasteByScript(run);
  return tab({
    goto: (url) => call('POST', session('/url'), {url}),
    run,
    click: async (id) => call('POST', session(`/element/${await element(id)}/click`), {}),
    async type(id, text) {
      // Its driver types shifted characters unshifted (M as m, + as =):
      // such text goes in as a paste would.
      if (/[A-Z+!@#$%^&*()_{}|:"<>?~]/.test(text)) return paste(id, text);
      return call('POST', session(`/element/${await element(id)}/value`), {text});
    },
    paste,
    press(keys) {
      const codes = keys.split('+').map((key) => keyCodes[key]);
      return call('POST', session('/actions'), {actions: [{type: 'key', id: 'keys', actions: [
        ...codes.map((value) => ({type: 'keyDown', value})),
        ...codes.reverse().map((value) => ({type: 'keyUp', value}))]}]});
    },
    problems: () => probed(run),
    async close() {
      await call('DELETE', session('')).catch(() => {});
      driver.kill();
    },
  });
}

async function webkit() {
  const sessions = [];
  return {
    name: 'webkit',
    enterActivatesButton: true,
    /** @param {TabOptions} options */
    async open({language} = {}) {
      const lang = language ? `${language.replace('-', '_')}.UTF-8` : 'C.UTF-8';
      const session = await webkitSession(lang);
      sessions.push(session);
      return session;
    },
    close: () => Promise.all(sessions.map((session) => session.close())),
  };
}

/** @type {Record<string, (options?: {profile?: object}) => Promise<Engine>>} */
export const engines = {chromium, firefox, webkit};
