#include "tests/qt/form_fixture.h"

namespace ohmcalc {
namespace {

using InputForms = FormTest;

TEST_F(InputForms, FullWidthTextFromAnInputMethodComputes) {
  Commit(Box(4), QString::fromUtf8("１０"));
  Commit(Box(5), QString::fromUtf8("４ｋ７"));
  EXPECT_EQ(Box(5)->text(), QString::fromUtf8("４ｋ７"));
  Click("Command5");
  EXPECT_EQ(Box(6)->text(), "0.00212766");  // 10 ÷ 4700 to nine decimals
  EXPECT_EQ(Box(5)->text(), QString::fromUtf8("４ｋ７")) << "operands are left as typed";
}

TEST_F(InputForms, OperandBoxesSayWhatTheyTake) {
  for (const CalcRow& row : kCalcRows) {
    EXPECT_TRUE(Box(row.a)->toolTip().contains("4.7k"));
    EXPECT_TRUE(Box(row.b)->toolTip().contains("4.7k"));
    EXPECT_TRUE(Box(row.c)->toolTip().isEmpty());
  }
}

}  // namespace
}  // namespace ohmcalc
