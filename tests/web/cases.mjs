// The tables the browser tests share across engines: a row of each kind,
// with its result, and each error with its report and the box to correct.
export const rows = [[1, '2', '3', '6'], [2, '10', '4', '2.5'], [3, '10', '20m', '500.'], [4, '60', '0.5', '120.'],
                     [5, '5', '220', '0.022727273'], [6, '0.1', '3', '0.3'], [7, '12', '4k7', '0.030638298'],
                     [7, '-3', '2', '4.5']];

// [row, A, B, error number, culprit, description]
export const errors = [[2, '', '4', 13, 'Text4', '类型不匹配'], [3, '5', '0', 11, 'Text8', '除数为零'],
                       [3, '0', '0', 6, 'Text8', '溢出'], [1, '1E+400', 'x', 13, 'Text2', '类型不匹配'],
                       [7, 'abc', '0', 13, 'Text19', '类型不匹配'], [6, '1E+200', '1E+200', 6, 'Text16', '溢出']];

// A browser language and what row 2 gives for 10 ÷ 4: a comma, a language
// Intl rejects, and two whose own digits are not Latin.
export const languages = [['de-DE', '2,5'], ['C', '2.5'], ['ar-EG', '2.5'], ['fa-IR', '2.5']];
