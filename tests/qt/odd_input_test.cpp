#include <QClipboard>
#include <QElapsedTimer>

#include "tests/qt/form_fixture.h"

namespace ohmcalc {
namespace {

using OddInput = FormTest;

TEST_F(OddInput, StrangeTextIsReportedAndKept) {
  const QString cases[] = {
      QString("1") + QChar(0) + "2",       // embedded NUL
      QString("12") + QChar(0xD800),       // lone high surrogate
      QChar(0xDC00) + QString("5"),        // lone low surrogate
      QChar(0x200F) + QString("12"),       // right-to-left mark
      QString("1") + QChar(0x0301) + "2",  // combining accent
      QString::fromUtf8("\xC3\x28\xFF"
                        "12"),  // invalid UTF-8, as Qt decodes it
  };
  for (const QString& text : cases) {
    Box(1)->setText(text);
    Type(2, "3");
    Box(3)->setText("kept");
    QStringList before = AllBoxes();
    ClickExpectingReport([&] { Click("Command1"); },
                         [](QMessageBox& report) { EXPECT_TRUE(report.text().contains("13")); });
    EXPECT_EQ(AllBoxes(), before);
  }
}

TEST_F(OddInput, InvalidUtf8PastedFromTheClipboard) {
  QApplication::clipboard()->setText(
      QString::fromUtf8("\xF0\x9F\x98"
                        "4\xE2\x82"
                        "7"));
  Box(4)->setFocus();
  Box(4)->paste();
  Type(5, "1");
  ClickExpectingReport([&] { Click("Command5"); }, [](QMessageBox&) {});
  EXPECT_TRUE(Box(6)->text().isEmpty());
  QApplication::clipboard()->setText(QString::fromUtf8("\xEF\xBC\x94\xEF\xBD\x8B\xEF\xBC\x97"));  // ４ｋ７
  Box(4)->clear();
  Box(4)->paste();
  Click("Command5");
  EXPECT_EQ(Box(6)->text(), "4700.");
}

TEST_F(OddInput, AMegabyteInABoxStillEvaluates) {
  const int megabyte = 1 << 20;
  Box(4)->setText(QString(megabyte, QChar(' ')) + "10" + QString(megabyte, QChar(' ')));
  Type(5, "4");
  Click("Command5");
  EXPECT_EQ(Box(6)->text(), "2.5");
  Box(4)->setText("0." + QString(megabyte, QChar('3')));
  Type(5, "1");
  Click("Command5");
  EXPECT_EQ(Box(6)->text(), "0.333333333");
}

}  // namespace
}  // namespace ohmcalc
