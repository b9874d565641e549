// The page glue: loads the WebAssembly module, passes clicks and edits to
// it, and does what it asks (read or write a box, show a report or the
// designer aids). Everything that decides anything happens in the module.

// The page names its wide layout's media query, and each box and routed
// button its number; the module goes by those numbers.
const wide = window.matchMedia(document.getElementById('Form1').dataset.wideLayout);
const boxes = [];
for (const box of document.querySelectorAll('.box')) boxes[Number(box.dataset.box)] = box;
const reportDialog = document.getElementById('report');
let culprit = null;

// A report of a run-time error, modal; afterwards the box to correct (0 for
// none) has the focus with its text selected.
function showReport(text, culpritBox) {
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
// rests on it (or on them) or the box has the focus, until Escape; on phones
// under the row, opened by a tap on the box or on its button.
const aidsOf = new Map();  // result box -> {box, panel, toggle, hovered, focused, pinned}

function placeAids({box, panel}) {
  if (!wide.matches) {
    panel.style.left = panel.style.top = '';
    return;
  }
  // Below the box, or above it when the window has more room there.
  const rect = box.getBoundingClientRect();
  const above = window.innerHeight - rect.bottom < panel.offsetHeight + 8 && rect.top > panel.offsetHeight + 8;
  panel.style.left = `${Math.min(box.offsetLeft, box.offsetParent.clientWidth - panel.offsetWidth)}px`;
  panel.style.top = `${above ? box.offsetTop - panel.offsetHeight - 4 : box.offsetTop + box.offsetHeight + 4}px`;
}

function updateAids(aids) {
  const shown = aids.focused || aids.hovered || aids.pinned;
  aids.panel.classList.toggle('shown', shown);
  aids.toggle.setAttribute('aria-expanded', String(shown && aids.panel.textContent !== ''));
  if (shown) placeAids(aids);
}

for (const box of document.querySelectorAll('.box-c')) {
  const aids = {box, panel: document.getElementById(box.getAttribute('aria-describedby')),
                toggle: box.parentElement.querySelector('.aids-toggle'), hovered: false, focused: false, pinned: false};
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
  box.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape') return;
    aids.hovered = aids.focused = aids.pinned = false;
    updateAids(aids);
  });
  aids.toggle.addEventListener('click', () => set('pinned', !aids.pinned));
}
wide.addEventListener('change', () => aidsOf.forEach(updateAids));

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
};

// The code compiles as it arrives, while the module's glue loads (the page
// preloads both); clicks that come first wait for it. A module that cannot
// load or start is said so in the page, the boxes keeping their text.
let module = null;
const compiled = Promise.resolve().then(() => WebAssembly.compileStreaming(fetch('ohmcalc.wasm')).catch(
  () => fetch('ohmcalc.wasm').then((response) => response.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes))));
const ready = import('./ohmcalc.js').then(({default: createOhmcalc}) => {
  let instantiated;
  const created = createOhmcalc({page, instantiateWasm(imports, receive) {
    instantiated = compiled.then((code) => WebAssembly.instantiate(code, imports)).then((instance) => receive(instance));
    return {};
  }});
  return Promise.all([created, instantiated]);
}).then(([loaded]) => {
  loaded._ohmcalc_start();
  module = loaded;
});
const whenReady = (call) => (module ? call() : ready.then(call, () => {}));

// The operator buttons have no route: a click there only moves the focus.
for (const button of document.querySelectorAll('.form .button[data-route]')) {
  const route = Number(button.dataset.route);
  button.addEventListener('click', () => whenReady(() => module._ohmcalc_click(route)));
}
for (const box of boxes.slice(1)) {
  const number = Number(box.dataset.box);
  box.addEventListener('input', () => whenReady(() => module._ohmcalc_box_changed(number)));
}

// The service worker's own downloads wait until the page works.
ready.then(() => {
  performance.mark('ohmcalc-ready');
  document.documentElement.classList.add('ready');
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}, () => {
  document.getElementById('load-failure').hidden = false;
});
