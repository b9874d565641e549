#include <cstdlib>

#include "tests/qt/form_fixture.h"
#include "window/click_routes.h"
#include "window/system_number_locale.h"

namespace ohmcalc {
namespace {

using ClickRouting = FormTest;

TEST_F(ClickRouting, EveryEqualsButtonComputesItsRowOnly) {
  for (const RowCase& row_case : kRowCases) {
    SCOPED_TRACE(std::to_string(row_case.row) + ": " + row_case.a_text + ", " + row_case.b_text);
    const CalcRow& row = CalcRowNumbered(row_case.row);
    Type(row.c, "old");
    QStringList before = AllBoxes();
    Enter(row_case);
    QStringList after = AllBoxes();
    before[row.a - 1] = row_case.a_text;
    before[row.b - 1] = row_case.b_text;
    EXPECT_EQ(after[row.c - 1], QString::fromUtf8(row_case.c_text));
    after[row.c - 1] = before[row.c - 1];
    EXPECT_EQ(after, before) << "only box C changes";
  }
}

TEST_F(ClickRouting, EveryClearButtonEmptiesItsRowOnly) {
  for (const ClickRoute& route : kClickRoutes) {
    if (route.action != RowAction::kClear) continue;
    SCOPED_TRACE(route.button);
    for (int box = 1; box <= 21; ++box) Box(box)->setText(QString::number(box));
    Click(route.button);
    for (int box = 1; box <= 21; ++box) {
      bool own = (box + 2) / 3 == route.row;
      EXPECT_EQ(Box(box)->text(), own ? QString() : QString::number(box)) << "box " << box;
    }
  }
}

TEST_F(ClickRouting, OperatorButtonsEnterAndEscapeChangeNothing) {
  for (int box = 1; box <= 21; ++box) Type(box, "7");
  QStringList before = AllBoxes();
  for (const char* name : {"Command3", "Command4", "Command7", "Command10", "Command13", "Command18", "Command22"}) {
    Click(name);
    EXPECT_EQ(QApplication::focusWidget(), Button(name)) << "the click moves the focus";
  }
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QTest::keyClick(Box(4), static_cast<Qt::Key>(key));
    QTest::keyClick(Button("Command3"), static_cast<Qt::Key>(key));
  }
  EXPECT_EQ(AllBoxes(), before);
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(ClickRouting, BoxesTakeTextLongerThanQtsDefaultLimit) {
  QString long_text(40000, QChar('1'));
  Box(1)->setText(long_text);
  EXPECT_EQ(Box(1)->text().size(), 40000);
}

// Registered with LC_ALL=de_DE.UTF-8: the user's locale, read the way the
// program reads it, decides the decimal separator.
TEST(CommaLocale, EndToEndFromTheEnvironment) {
  NumberLocale locale = SystemNumberLocale();
  ASSERT_EQ(locale.decimal_separator, ",");
  Form1 form(locale);
  form.show();
  form.Box(4)->setText("10");
  form.Box(5)->setText("4");
  QTest::mouseClick(form.findChild<QPushButton*>("Command5"), Qt::LeftButton);
  EXPECT_EQ(form.Box(6)->text(), "2,5");
  form.Box(16)->setText("0,1");
  form.Box(17)->setText("3");
  QTest::mouseClick(form.findChild<QPushButton*>("Command19"), Qt::LeftButton);
  EXPECT_EQ(form.Box(18)->text(), "0,3");
  form.Box(19)->setText("1,5");
  form.Box(20)->setText("1");
  QTest::mouseClick(form.findChild<QPushButton*>("Command21"), Qt::LeftButton);
  EXPECT_EQ(form.Box(21)->text(), "2,25");
}

}  // namespace
}  // namespace ohmcalc
