// Put first in the page by the test server: notes in window.problems what
// the console would show as an error.
window.problems = [];
{
  const note = (text) => window.problems.push(String(text));
  const error = console.error.bind(console);
  console.error = (...args) => {
    note(args.join(' '));
    error(...args);
  };
  addEventListener('error', (event) => {
    const element = /** @type {{src?: string, href?: string}} */ (event.target);
    note(event.message || `${element.src || element.href} did not load`);
  }, true);
  addEventListener('unhandledrejection', (event) => note(event.reason));
  document.addEventListener('securitypolicyviolation', (event) => note(`policy: ${event.violatedDirective}`));
}
