// The tables the browser tests share across engines: the row and error cases
// every window runs (tests/window), from the JSON the build writes, each row
// with its result and each error with its report and the box to correct;
// and the browser languages.
import {readFileSync} from 'node:fs';

const cases = JSON.parse(readFileSync(process.env.OHMCALC_WEB_CASES ?? 'build/web/cases.json', 'utf8'));

/** @type {[number, string, string, string][]} [row, A, B, C] */
export const rows = cases.rows.map(({row, a, b, c}) => [row, a, b, c]);

/** @type {[number, string, string, number, string, string][]} [row, A, B, error number, culprit, report] */
export const errors = cases.errors.map(({row, a, b, number, culprit, report}) =>
  [row, a, b, number, culprit, report]);

// A browser language and what row 2 gives for 10 ÷ 4: a comma, a language
// Intl rejects, and two whose own digits are not Latin.
export const languages = [['de-DE', '2,5'], ['C', '2.5'], ['ar-EG', '2.5'], ['fa-IR', '2.5']];
