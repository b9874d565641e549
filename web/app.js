// The page glue: loads the WebAssembly module, passes clicks and edits to
// it, and does what it asks (read or write a box, show a report or the
// designer aids). Everything that decides anything happens in the module.

// The module's code compiles as it arrives, from the page's first script
// on, and its glue loads (the page preloads it) while the page sets itself
// up. Clicks that come first show that they wait, then run in order, as on
// the desktop: none while a report is open. A module that cannot load or
// start is said so in the page, the boxes keeping their text. The page names
// the files, by their content: it only ever loads its own build's.
/** @param {string} id */
const linked = (id) => /** @type {HTMLLinkElement} */ (document.getElementById(id)).href;
const codeUrl = linked('module-code');
const fetchOk = () => fetch(codeUrl).then((response) => {
  if (!response.ok) throw new Error(`${codeUrl}: ${response.status}`);
  return response;
});
// A host that sends the code as another type than application/wasm gets
// the slower way.
/** @type {Promise<WebAssembly.Module>} */
const early = /** @type {any} */ (window).ohmcalcCode ?? WebAssembly.compileStreaming(fetchOk());
const compiled = early.catch(
  () => fetchOk().then((response) => response.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
const glue = import(linked('module-glue'));
/** @type {any} the module, once it has started */
let module = null;
/** @type {(() => void)[]} */
const waiting = [];
/** @param {() => void} work */
const whenReady = (work) => (module ? work() : waiting.push(work));

// The page names its wide layout's media query (a mouse and 720 px; touch
// screens get the cards), and each box and routed button its number; the
// module goes by those numbers.
const form = document.getElementById('Form1');
const wide = window.matchMedia(form.dataset.wideLayout);
/** @type {HTMLInputElement[]} */
const boxes = [];
for (const box of /** @type {NodeListOf<HTMLInputElement>} */ (document.querySelectorAll('.box'))) {
  boxes[Number(box.dataset.box)] = box;
}
const reportDialog = /** @type {HTMLDialogElement} */ (document.getElementById('report'));
const announcement = document.getElementById('announcement');
let culprit = null;

// Where a browser's minimum font size enlarges the form's text (its size in
// pixels on the form), the form grows with it, every place in proportion
// (form.css). Firefox keeps the computed size and enlarges only the rendered
// text, so both are asked.
function minimumFontScale() {
  const formFont = Number(form.dataset.fontPx);
  const probes = [formFont, 10 * formFont].map((size) => {
    const probe = form.appendChild(document.createElement('span'));
    probe.className = 'font-probe';
    probe.style.fontSize = `${size}px`;
    probe.textContent = '电阻 Ω 0123456789';
    return probe;
  });
  const computed = parseFloat(getComputedStyle(probes[0]).fontSize) / formFont;
  const rendered = (10 * probes[0].getBoundingClientRect().width) / probes[1].getBoundingClientRect().width;
  probes.forEach((probe) => probe.remove());
  return Math.max(computed, rendered > 1.05 ? rendered : 1);
}
const fontScale = minimumFontScale();
if (fontScale > 1) document.documentElement.style.setProperty('--font-scale', String(fontScale));

// A report of a run-time error, modal; afterwards the box to correct (0 for
// none) has the focus with its text selected.
function showReport(text, culpritBox) {
  announcement.textContent = '';  // the dialog says it all
  document.getElementById('report-text').textContent = text;
  culprit = boxes[culpritBox] ?? null;
  reportDialog.showModal();
  document.getElementById('report-ok').focus();
}
reportDialog.addEventListener('close', () => {
  // After the dialog has given the focus back to the button that was pressed.
  setTimeout(() => {
    culprit?.focus();
    culprit?.select();
  });
});

// Designer aids: on wide screens beside the result box while the pointer
// rests on it (or on them) or the box has the focus; on cards under the row,
// opened by a tap on the box or on its button. Escape, a tap elsewhere or a
// change of layout closes them.
const aidsOf = new Map();  // result box -> {box, panel, toggle, hovered, focused, pinned}

const overlap = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;

// Below the box, or above it when the window has more room there; never over
// another control that has the focus. False when there is no such place.
function placeAids({box, panel}) {
  if (!wide.matches) {
    panel.style.left = panel.style.top = '';
    return true;
  }
  const rect = box.getBoundingClientRect();
  const height = panel.offsetHeight;
  const below = `${box.offsetTop + box.offsetHeight + 4}px`;
  const above = `${box.offsetTop - height - 4}px`;
  const roomBelow = window.innerHeight - rect.bottom >= height + 8;
  const roomAbove = rect.top >= height + 8;
  const places = roomBelow || !roomAbove ? [below, ...(roomAbove ? [above] : [])] : [above, below];
  const focused = document.activeElement;
  const guarded = focused !== box && form.contains(focused) ? focused.getBoundingClientRect() : null;
  panel.style.left = `${Math.min(box.offsetLeft, box.offsetParent.clientWidth - panel.offsetWidth)}px`;
  return places.some((top) => {
    panel.style.top = top;
    return !guarded || !overlap(panel.getBoundingClientRect(), guarded);
  });
}

function updateAids(aids) {
  const wanted = (aids.focused || aids.hovered || aids.pinned) && aids.panel.textContent !== '';
  aids.panel.classList.toggle('shown', wanted);  // shown first, to be measured
  const shown = wanted && placeAids(aids);
  if (!shown) aids.panel.classList.remove('shown');
  if (aids.toggle.getAttribute('aria-expanded') !== String(shown)) aids.toggle.setAttribute('aria-expanded', String(shown));
}

// Lets go of aids that a pointer or a tap opened; those of the focused box stay.
function releaseAids(aids) {
  aids.hovered = aids.pinned = false;
  updateAids(aids);
}

function closeAids(aids) {
  aids.focused = false;
  releaseAids(aids);
}

for (const box of document.querySelectorAll('.box-c')) {
  const panel = document.getElementById(box.getAttribute('aria-describedby'));
  const aids = {box, panel, toggle: document.querySelector(`[aria-controls="${panel.id}"]`), hovered: false, focused: false,
                pinned: false};
  aidsOf.set(box, aids);
  const set = (key, value) => {
    aids[key] = value;
    updateAids(aids);
  };
  // The pointer may cross the gap between box and aids to read them.
  let leaving = 0;
  for (const element of [box, aids.panel]) {
    element.addEventListener('mouseenter', () => {
      clearTimeout(leaving);
      set('hovered', true);
    });
    element.addEventListener('mouseleave', () => (leaving = setTimeout(() => set('hovered', false), 150)));
  }
  box.addEventListener('focus', () => set('focused', true));
  box.addEventListener('blur', () => set('focused', false));
  // The button keeps the focus where it is, so one tap closes what it shows.
  aids.toggle.addEventListener('mousedown', (event) => event.preventDefault());
  aids.toggle.addEventListener('click', () => {
    if (aids.panel.classList.contains('shown')) return closeAids(aids);
    set('pinned', true);
  });
  // A click on the popup where a box or button lies beneath it reaches that
  // control; elsewhere the popup stays, for its text to be selected.
  aids.panel.addEventListener('mousedown', (event) => {
    if (!wide.matches) return;
    aids.panel.style.visibility = 'hidden';
    const beneath = document.elementFromPoint(event.clientX, event.clientY);
    aids.panel.style.visibility = '';
    if (!beneath?.matches('.form .box, .form .button')) return;
    event.preventDefault();
    closeAids(aids);
    /** @type {HTMLElement} */ (beneath).focus();
  });
}
// A click or tap elsewhere (not a touch that scrolls) lets go of the aids.
document.addEventListener('click', (event) => {
  for (const aids of aidsOf.values()) {
    const held = aids.hovered || aids.pinned;
    if (held && ![aids.box, aids.panel, aids.toggle].some((element) => element.contains(event.target))) releaseAids(aids);
  }
});
document.addEventListener('keydown', (event) => {
  if (event.key === 'Escape') aidsOf.forEach(closeAids);
});
document.addEventListener('focusin', () => aidsOf.forEach(updateAids));
wide.addEventListener('change', () => aidsOf.forEach(releaseAids));
window.addEventListener('resize', () => aidsOf.forEach(updateAids));

// What the module calls.
const page = {
  boxText(number) { return boxes[number].value; },
  setBoxText(number, text) {
    if (boxes[number].value !== text) boxes[number].value = text;
  },
  showDesignerAids(number, text) {
    const aids = aidsOf.get(boxes[number]);
    if (aids.panel.textContent === text) return;
    aids.panel.textContent = text;
    aids.toggle.hidden = text === '';
    updateAids(aids);
  },
  showReport,
  announce(text) {
    if (announcement.textContent !== text) announcement.textContent = text;
  },
};

// The operator buttons have no route: a click there only moves the focus.
for (const button of /** @type {NodeListOf<HTMLElement>} */ (document.querySelectorAll('.form .button[data-route]'))) {
  const route = Number(button.dataset.route);
  button.addEventListener('click', () => {
    if (!module) button.setAttribute('aria-busy', 'true');
    whenReady(() => {
      button.removeAttribute('aria-busy');
      if (reportDialog.open) return;
      module._ohmcalc_click(route);
    });
  });
}
for (const box of boxes.slice(1)) {
  const number = Number(box.dataset.box);
  box.addEventListener('input', () => whenReady(() => module._ohmcalc_box_changed(number)));
}

// The code is compiled before the glue asks for it, so the module is
// handed over whenever the glue calls back.
const ready = Promise.all([compiled, glue]).then(([code, {default: createOhmcalc}]) => new Promise((resolve, reject) => {
  createOhmcalc({page, instantiateWasm(/** @type {WebAssembly.Imports} */ imports,
                                       /** @type {(instance: WebAssembly.Instance) => void} */ receive) {
    WebAssembly.instantiate(code, imports).then((instance) => receive(instance), reject);
    return {};
  }}).then(resolve, reject);
})).then((/** @type {any} */ loaded) => {
  loaded._ohmcalc_start();
  module = loaded;
  for (const work of waiting.splice(0)) work();
});

// The service worker and its own downloads wait until the page works and
// the clicks that waited for it have shown their results.
ready.then(() => {
  performance.mark('ohmcalc-ready');
  document.documentElement.classList.add('ready');
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}, () => {
  document.getElementById('load-failure').hidden = false;
  waiting.length = 0;
  for (const button of document.querySelectorAll('[aria-busy]')) button.removeAttribute('aria-busy');
});
