#include <QLabel>

#include "tests/qt/form_fixture.h"

namespace ohmcalc {
namespace {

using ErrorReport = FormTest;

struct BadInput {
  const char* equals;
  int a;
  const char* a_text;
  const char* b_text;
  int number;
  const char* description;
  int culprit;  // the box that gets the focus afterwards
};

TEST_F(ErrorReport, ReportsThenCarriesOnWithEveryBoxIntact) {
  const BadInput cases[] = {
      {"Command1", 1, "", "3", 13, "类型不匹配", 1},     {"Command1", 1, "2", "abc", 13, "类型不匹配", 2},
      {"Command8", 7, "5", "0", 11, "除数为零", 8},      {"Command8", 7, "0", "0", 6, "溢出", 8},
      {"Command5", 4, "1E+400", "abc", 6, "溢出", 4},    {"Command19", 16, "1e200", "1e200", 6, "溢出", 16},
      {"Command21", 19, "x", "0", 13, "类型不匹配", 19},
  };
  for (const BadInput& bad : cases) {
    SCOPED_TRACE(std::string(bad.equals) + " with " + bad.a_text + ", " + bad.b_text);
    for (int box = 1; box <= 21; ++box) Box(box)->setText(QString("kept %1").arg(box));
    Box(bad.a)->setText(QString::fromUtf8(bad.a_text));
    Box(bad.a + 1)->setText(QString::fromUtf8(bad.b_text));
    QStringList before = AllBoxes();
    ClickExpectingReport([&] { Click(bad.equals); },
                         [&](QMessageBox& report) {
                           EXPECT_TRUE(report.isModal());
                           EXPECT_EQ(report.icon(), QMessageBox::Warning);
                           EXPECT_EQ(report.windowTitle(), form_->windowTitle());
                           EXPECT_TRUE(report.text().contains(QString::number(bad.number)))
                               << report.text().toStdString();
                           EXPECT_TRUE(report.text().contains(QString::fromUtf8(bad.description)));
                           EXPECT_EQ(report.button(QMessageBox::Ok)->text(), QString::fromUtf8("确定"));
                         });
    EXPECT_EQ(AllBoxes(), before);
    EXPECT_TRUE(form_->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    EXPECT_EQ(QApplication::focusWidget(), Box(bad.culprit));
    EXPECT_EQ(Box(bad.culprit)->selectedText(), Box(bad.culprit)->text());
  }
  // Still working afterwards.
  Type(1, "2");
  Type(2, "3");
  Click("Command1");
  EXPECT_EQ(Box(3)->text(), "6");
}

}  // namespace
}  // namespace ohmcalc
