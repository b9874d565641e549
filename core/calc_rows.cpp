#include "core/calc_rows.h"

#include "core/checked_arithmetic.h"

namespace ohmcalc {
namespace {

// Converts one box's text, naming that box in any error.
double ParseBox(const std::string& text, int box, const NumberLocale& locale) {
  try {
    return ParseNumber(text, locale);
  } catch (const RunTimeError& error) {
    throw RunTimeError(error.number(), box);
  }
}

// A failed step points at the divisor when it is zero (x ÷ 0, 0 ÷ 0), else at A.
template <typename Step>
double RunStep(Step step, double left, double right, const CalcRow& row, bool divides) {
  try {
    return step(left, right);
  } catch (const RunTimeError& error) {
    throw RunTimeError(error.number(), divides && right == 0.0 ? row.b : row.a);
  }
}

double Compute(const CalcRow& row, const FieldStore& boxes, const NumberLocale& locale) {
  std::string b_text = boxes.Get(row.b);
  std::string a_text = boxes.Get(row.a);
  switch (row.operation) {
    case Operation::Multiply: {
      double b = ParseBox(b_text, row.b, locale);
      double a = ParseBox(a_text, row.a, locale);
      return RunStep(CheckedMultiply, a, b, row, false);
    }
    case Operation::Divide: {
      double a = ParseBox(a_text, row.a, locale);
      double b = ParseBox(b_text, row.b, locale);
      return RunStep(CheckedDivide, a, b, row, true);
    }
    case Operation::SquareDivide: {
      // A is squared and checked before B is even converted.
      double a = ParseBox(a_text, row.a, locale);
      double square = RunStep(CheckedMultiply, a, a, row, false);
      double b = ParseBox(b_text, row.b, locale);
      return RunStep(CheckedDivide, square, b, row, true);
    }
  }
  return 0.0;  // unreachable: every operation is handled above
}

}  // namespace

void EvaluateRow(const CalcRow& row, FieldStore& boxes, const NumberLocale& locale) {
  double result = Compute(row, boxes, locale);
  std::string text = NumberToText(result, locale);
  boxes.Set(row.c, row.formatted ? FormatResult(text, locale) : text);
}

void ClearRow(const CalcRow& row, FieldStore& boxes) {
  for (int box : {row.a, row.b, row.c}) boxes.Set(box, "");
}

}  // namespace ohmcalc
