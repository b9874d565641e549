// The floor the web edition's start is measured against: the same page, the
// same seventy controls and styles, and no WebAssembly; row 2's 等于 divides
// in plain JavaScript.
const [a, b, c] = ['Text4', 'Text5', 'Text6'].map((id) => document.getElementById(id));
document.getElementById('Command5').addEventListener('click', () => {
  c.value = String(Number(a.value) / Number(b.value));
});
document.documentElement.classList.add('ready');
