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

TEST_F(InputForms, CircuitFormsInEveryKindOfRow) {
  const RowSample cases[] = {
      {1, "4k7", "2m", "9.4"},      {2, "5", "2k2", "0.002272727"}, {3, "3.3", "100u", "33000."},
      {7, "230", "1meg", "0.0529"}, {6, "R47", "10", "4.7"},        {5, "1。5", "3", "0.5"},
  };
  for (const RowSample& c : cases) {
    Enter(c);
    EXPECT_EQ(Box(CalcRowNumbered(c.row).c)->text(), QString::fromUtf8(c.c_text)) << "row " << c.row;
  }
}

TEST_F(InputForms, OperandBoxesSayWhatTheyTake) {
  for (const CalcRow& row : kCalcRows) {
    EXPECT_TRUE(Box(row.a)->toolTip().contains("4.7k"));
    EXPECT_TRUE(Box(row.b)->toolTip().contains("4.7k"));
    EXPECT_TRUE(Box(row.c)->toolTip().isEmpty());
  }
}

TEST_F(InputForms, RejectedFormsStillReportAndLoseNothing) {
  for (const char* bad : {"1kk", "1e3k", "12a", "k", "1,5"}) {
    Type(1, QString::fromUtf8(bad));
    Type(2, "3");
    Box(3)->setText("kept");
    ClickExpectingReport([&] { Click("Command1"); },
                         [](QMessageBox& report) { EXPECT_TRUE(report.text().contains("13")); });
    EXPECT_EQ(Box(1)->text(), QString::fromUtf8(bad));
    EXPECT_EQ(Box(3)->text(), "kept");
  }
}

}  // namespace
}  // namespace ohmcalc
