// EvaluateRow over any two operand texts: either exactly one write, to box C,
// or a RunTimeError 6, 11 or 13 naming box A or B and no write at all. The
// designer aids of any text in box C raise nothing and never show an
// infinity or a NaN.
#include <string>

#include "core/calc_rows.h"
#include "core/designer_aids.h"
#include "fuzz/fuzz_input.h"
#include "tests/core/recording_field_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ohmcalc;
  if (size < 2) return 0;
  const CalcRow& row = kCalcRows[data[0] % kCalcRows.size()];
  auto input = fuzz::SplitInput(data + 1, size - 1);
  // A and B are split at the first newline.
  std::string_view text = input.text;
  auto cut = text.find('\n');
  std::string a(text.substr(0, cut));
  std::string b(cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1));

  RecordingFieldStore boxes;
  boxes.Type(row.a, a);
  boxes.Type(row.b, b);
  try {
    EvaluateRow(row, boxes, input.locale);
    if (boxes.writes().size() != 1 || boxes.writes().front().first != row.c) fuzz::Violated();
    if (boxes.Get(row.a) != a || boxes.Get(row.b) != b) fuzz::Violated();
  } catch (const RunTimeError& error) {
    if (!fuzz::IsReportableError(error.number())) fuzz::Violated();
    if (error.box() != row.a && error.box() != row.b) fuzz::Violated();
    if (!boxes.writes().empty()) fuzz::Violated();
  }

  RecordingFieldStore result;
  result.Type(row.a, a);
  result.Type(row.c, b);
  std::string aids = DesignerAids(row, result, input.locale);
  if (aids.find("inf") != std::string::npos || aids.find("nan") != std::string::npos) fuzz::Violated();
  return 0;
}
