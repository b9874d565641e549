#include "core/calc_rows.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/core/recording_field_store.h"
#include "window/row_actions.h"

namespace ohmcalc {
namespace {

const CalcRow& Row(int number) { return CalcRowNumbered(number); }

struct RowCase {
  int row;
  const char* a;
  const char* b;
  const char* c;
};

std::string Evaluate(int row, const char* a, const char* b, const NumberLocale& locale = {}) {
  RecordingFieldStore boxes;
  boxes.Type(Row(row).a, a);
  boxes.Type(Row(row).b, b);
  EvaluateRow(Row(row), boxes, locale);
  EXPECT_EQ(boxes.writes().size(), 1u);
  EXPECT_EQ(boxes.writes().front().first, Row(row).c) << "only C is written";
  return boxes.Get(Row(row).c);
}

struct ErrorCase {
  int row;
  const char* a;
  const char* b;
  int number;
  char box;  // 'A', 'B' or 'C': which box the cursor goes back to; C's write fails, '-' without a box named
};

TEST(CalcRows, TableMatchesTheWindow) {
  for (std::size_t i = 0; i < kCalcRows.size(); ++i) {
    const CalcRow& row = kCalcRows[i];
    EXPECT_EQ(row.number, static_cast<int>(i) + 1);
    EXPECT_EQ(row.a, 3 * row.number - 2);
    EXPECT_EQ(row.b, 3 * row.number - 1);
    EXPECT_EQ(row.c, 3 * row.number);
    EXPECT_EQ(row.formatted, row.operation != Operation::Multiply);
  }
  EXPECT_EQ(Row(1).operation, Operation::Multiply);
  EXPECT_EQ(Row(6).operation, Operation::Multiply);
  EXPECT_EQ(Row(7).operation, Operation::SquareDivide);
  for (int n : {2, 3, 4, 5}) EXPECT_EQ(Row(n).operation, Operation::Divide);
}

TEST(CalcRows, EvaluatesEveryRow) {
  const RowCase cases[] = {
      {1, "2", "3", "6"},
      {6, "0.1", "3", "0.3"},
      {2, "10", "4", "2.5"},
      {2, "10", "3", "3.333333333"},
      {2, "10", "5", "2."},
      {3, "5", "2", "2.5"},
      {4, "1", "1024", "0.000976563"},
      {5, "-1", "3", "-0.333333333"},
      {7, "12", "4", "36."},
      {7, "-3", "2", "4.5"},
      {1, "1e200", "1e-200", "1"},
      {6, "1e15", "1", "1E+15"},
      {6, "0", "-5", "0"},
      {2, "1e-300", "1e300", "0."},
      {1, "1e-200", "1e-200", "0"},
      {2, "1", "3", "0.333333333"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Evaluate(c.row, c.a, c.b), c.c) << "row " << c.row << ": " << c.a << ", " << c.b;
}

// Through the row's equals button, as a window runs it.
TEST(CalcRows, ErrorsWriteNothingAndNameTheBox) {
  const ErrorCase cases[] = {
      {3, "5", "0", kErrorDivisionByZero, 'B'},
      {3, "0", "0", kErrorOverflow, 'B'},
      {7, "5", "0", kErrorDivisionByZero, 'B'},
      {7, "0", "0", kErrorOverflow, 'B'},
      {1, "", "3", kErrorTypeMismatch, 'A'},
      {1, "2", "", kErrorTypeMismatch, 'B'},
      {2, "", "", kErrorTypeMismatch, 'A'},
      {7, "abc", "0", kErrorTypeMismatch, 'A'},       // A before B, so not 11
      {1, "1E+400", "abc", kErrorTypeMismatch, 'B'},  // multiply converts B first
      {2, "1E+400", "abc", kErrorOverflow, 'A'},      // divide converts A first
      {1, "1e200", "1e200", kErrorOverflow, 'A'},
      {6, "-1e200", "1e200", kErrorOverflow, 'A'},
      {2, "1e200", "1e-200", kErrorOverflow, 'A'},
      {7, "1e200", "abc", kErrorOverflow, 'A'},  // A×A overflows before B is read
      {7, "1e100", "1e-300", kErrorOverflow, 'A'},
      {7, "3", "2", kErrorOutOfMemory, 'C'},
      {7, "3", "2", kErrorOutOfMemory, '-'},
  };
  for (const auto& c : cases) {
    RecordingFieldStore boxes;
    const CalcRow& row = Row(c.row);
    boxes.Type(row.a, c.a);
    boxes.Type(row.b, c.b);
    boxes.Type(row.c, "old");
    if (c.box == 'C' || c.box == '-') boxes.Refuse(row.c, c.box == 'C' ? row.c : 0);
    auto failure = RunClickRoute(EvaluateRouteOfRow(c.row), boxes, {});
    SCOPED_TRACE("row " + std::to_string(c.row) + ": " + c.a + ", " + c.b);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->error.number(), c.number);
    EXPECT_EQ(failure->culprit, c.box == 'A' ? row.a : c.box == 'B' ? row.b : c.box == 'C' ? row.c : 0);
    EXPECT_TRUE(boxes.writes().empty());
    EXPECT_EQ(boxes.Get(row.c), "old");
  }
}

TEST(CalcRows, UnderflowIsNoError) {
  EXPECT_EQ(Evaluate(1, "1e-300", "1e-300", {}), "0");
  EXPECT_EQ(Evaluate(7, "1e-200", "1e300", {}), "0.");
}

TEST(CalcRows, EvaluatingTwiceGivesTheSameText) {
  RecordingFieldStore boxes;
  boxes.Type(4, "10");
  boxes.Type(5, "3");
  EvaluateRow(Row(2), boxes);
  std::string first = boxes.Get(6);
  EvaluateRow(Row(2), boxes);
  EXPECT_EQ(boxes.Get(6), first);
  EXPECT_EQ(boxes.Get(4), "10");
  EXPECT_EQ(boxes.Get(5), "3");
}

TEST(CalcRows, CommaLocaleEndToEnd) {
  const NumberLocale comma{","};
  EXPECT_EQ(Evaluate(2, "10", "4", comma), "2,5");
  EXPECT_EQ(Evaluate(2, "10", "5", comma), "2,");
  EXPECT_EQ(Evaluate(6, "0,1", "3", comma), "0,3");
  EXPECT_EQ(Evaluate(7, "1,5", "1", comma), "2,25");
}

TEST(CalcRows, ClearEmptiesOnlyItsOwnRowInOrder) {
  for (const CalcRow& row : kCalcRows) {
    RecordingFieldStore boxes;
    for (int box = 1; box <= 21; ++box) boxes.Type(box, "x" + std::to_string(box));
    ClearRow(row, boxes);
    ASSERT_EQ(boxes.writes().size(), 3u);
    EXPECT_EQ(boxes.writes()[0].first, row.a);
    EXPECT_EQ(boxes.writes()[1].first, row.b);
    EXPECT_EQ(boxes.writes()[2].first, row.c);
    for (int box = 1; box <= 21; ++box) {
      bool own = box == row.a || box == row.b || box == row.c;
      EXPECT_EQ(boxes.Get(box), own ? "" : "x" + std::to_string(box)) << "box " << box;
    }
    ClearRow(row, boxes);  // already empty: stays empty, never fails
    EXPECT_EQ(boxes.Get(row.a), "");
  }
}

}  // namespace
}  // namespace ohmcalc
