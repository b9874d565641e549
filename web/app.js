// The page glue: loads the WebAssembly module, passes clicks and edits to
// it, and shows what it asks for (a report, the designer aids). Everything
// that decides anything happens in the module.
import createOhmcalc from './ohmcalc.js';

const wide = window.matchMedia('(min-width: 720px)');
const reportDialog = document.getElementById('report');
let culprit = null;

// A report of a run-time error, modal; afterwards the box to correct has the
// focus with its text selected.
function showReport(text, culpritId) {
  document.getElementById('report-text').textContent = text;
  culprit = culpritId ? document.getElementById(culpritId) : null;
  // The dialog gives the focus back to what had it, whichever way it closes.
  culprit?.focus();
  reportDialog.showModal();
  document.getElementById('report-ok').focus();
}
reportDialog.addEventListener('close', () => {
  if (!culprit) return;
  culprit.focus();
  culprit.select();
});

// Designer aids: on wide screens beside the result box while the pointer
// rests on it or it has the focus; on phones under the row, opened by a tap
// on the box or on its button.
const aidsState = new Map();  // result box -> {hovered, focused, pinned}
function aidsOf(box) { return document.getElementById(box.getAttribute('aria-describedby')); }
function toggleOf(box) { return box.parentElement.querySelector('.aids-toggle'); }

function placeAids(box, aids) {
  if (!wide.matches) {
    aids.style.left = aids.style.top = '';
    return;
  }
  // Below the box, or above it when the window has more room there.
  const form = box.offsetParent;
  const below = box.offsetTop + box.offsetHeight + 4;
  aids.style.left = `${Math.min(box.offsetLeft, form.clientWidth - aids.offsetWidth)}px`;
  const rect = box.getBoundingClientRect();
  const roomBelow = window.innerHeight - rect.bottom;
  const fitsAbove = rect.top > aids.offsetHeight + 8;
  aids.style.top = roomBelow < aids.offsetHeight + 8 && fitsAbove ? `${box.offsetTop - aids.offsetHeight - 4}px`
                                                                  : `${below}px`;
}

function updateAids(box) {
  const state = aidsState.get(box);
  const aids = aidsOf(box);
  const shown = state.focused || state.hovered || state.pinned;
  aids.classList.toggle('shown', shown);
  toggleOf(box).setAttribute('aria-expanded', String(shown && aids.textContent !== ''));
  if (shown) placeAids(box, aids);
}

function showDesignerAids(boxId, text) {
  const box = document.getElementById(boxId);
  aidsOf(box).textContent = text;
  toggleOf(box).hidden = text === '';
  updateAids(box);
}

for (const box of document.querySelectorAll('.box-c')) {
  const state = {hovered: false, focused: false, pinned: false};
  aidsState.set(box, state);
  const set = (key, value) => { state[key] = value; updateAids(box); };
  box.addEventListener('mouseenter', () => set('hovered', true));
  box.addEventListener('mouseleave', () => set('hovered', false));
  box.addEventListener('focus', () => set('focused', true));
  box.addEventListener('blur', () => set('focused', false));
  toggleOf(box).addEventListener('click', () => set('pinned', !state.pinned));
}
wide.addEventListener('change', () => aidsState.forEach((_, box) => updateAids(box)));

const ready = createOhmcalc({page: {showReport, showDesignerAids}}).then(module => {
  module.ccall('ohmcalc_start', null, [], []);
  return module;
});

for (const button of document.querySelectorAll('.form .button')) {
  button.addEventListener('click', () => {
    ready.then(module => module.ccall('ohmcalc_click', null, ['string'], [button.id]));
  });
}
for (const box of document.querySelectorAll('.box')) {
  box.addEventListener('input', () => {
    ready.then(module => module.ccall('ohmcalc_box_changed', null, ['string'], [box.id]));
  });
}
ready.then(() => document.documentElement.classList.add('ready'));

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
