#include <QClipboard>

#include "tests/qt/form_fixture.h"

namespace ohmcalc {
namespace {

using OddInput = FormTest;

// What only the window's text conversion can get wrong; the core's own
// tables hold the other odd characters.
TEST_F(OddInput, StrangeTextIsReportedAndKept) {
  const QString cases[] = {
      QString("1") + QChar(0) + "2",  // embedded NUL: the text's length, not its C string
      QString("12") + QChar(0xD800),  // lone high surrogate
      QChar(0xDC00) + QString("5"),   // lone low surrogate
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

// The boxes take a megabyte; Qt's own limit is 32767 characters.
TEST_F(OddInput, AMegabyteInABoxStillEvaluates) {
  const int megabyte = 1 << 20;
  Box(4)->setText(QString(megabyte, QChar(' ')) + "10" + QString(megabyte, QChar(' ')));
  Type(5, "4");
  Click("Command5");
  EXPECT_EQ(Box(6)->text(), "2.5");
}

}  // namespace
}  // namespace ohmcalc
