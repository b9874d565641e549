#include <QLabel>

#include "tests/qt/form_fixture.h"
#include "tests/window/error_cases.h"
#include "window/report_wording.h"

namespace ohmcalc {
namespace {

using ErrorReport = FormTest;

TEST_F(ErrorReport, ReportsThenCarriesOnWithEveryBoxIntact) {
  for (const ErrorCase& bad : kErrorCases) {
    SCOPED_TRACE(std::to_string(bad.row) + ": " + bad.a_text + ", " + bad.b_text);
    const CalcRow& row = CalcRowNumbered(bad.row);
    for (int box = 1; box <= 21; ++box) Box(box)->setText(QString("kept %1").arg(box));
    Box(row.a)->setText(QString::fromUtf8(bad.a_text));
    Box(row.b)->setText(QString::fromUtf8(bad.b_text));
    QStringList before = AllBoxes();
    ClickExpectingReport([&] { Click(EvaluateRouteOfRow(bad.row).button); },
                         [&](QMessageBox& report) {
                           EXPECT_TRUE(report.isModal());
                           EXPECT_EQ(report.icon(), QMessageBox::Warning);
                           EXPECT_EQ(report.windowTitle(), form_->windowTitle());
                           EXPECT_TRUE(report.text().contains(QString::number(bad.number)))
                               << report.text().toStdString();
                           EXPECT_TRUE(report.text().contains(QString::fromUtf8(ErrorDescription(bad.number))));
                           EXPECT_EQ(report.button(QMessageBox::Ok)->text(), QString::fromUtf8("确定"));
                         });
    EXPECT_EQ(AllBoxes(), before);
    EXPECT_TRUE(form_->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    QLineEdit* culprit = Box(CulpritBox(bad));
    EXPECT_EQ(QApplication::focusWidget(), culprit);
    EXPECT_EQ(culprit->selectedText(), culprit->text());
  }
  // Still working afterwards.
  Type(1, "2");
  Type(2, "3");
  Click("Command1");
  EXPECT_EQ(Box(3)->text(), "6");
}

}  // namespace
}  // namespace ohmcalc
