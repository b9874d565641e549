#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>

#include "core/calc_rows.h"
#include "qt/form1.h"
#include "tests/window/row_cases.h"
#include "window/click_routes.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace ohmcalc {

// A shown, active main window, as the user gets it.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(NumberLocale{}); }

  void Open(NumberLocale locale) {
    form_ = std::make_unique<Form1>(std::move(locale));
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  QLineEdit* Box(int number) const { return form_->Box(number); }
  QPushButton* Button(const char* name) const { return form_->findChild<QPushButton*>(name); }

  // Latin-1 text as key presses; anything else the way an input method
  // delivers it, committed in one event (key clicks cannot carry it).
  void Type(int box, const QString& text) {
    Box(box)->clear();
    bool latin1 = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (latin1) {
      QTest::keyClicks(Box(box), text);
    } else {
      Commit(Box(box), text);
    }
  }

  static void Commit(QLineEdit* box, const QString& text) {
    box->setFocus();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
  }

  // Types both operands and clicks the row's equals button.
  void Enter(const RowCase& row_case) {
    const CalcRow& row = CalcRowNumbered(row_case.row);
    Type(row.a, QString::fromUtf8(row_case.a_text));
    Type(row.b, QString::fromUtf8(row_case.b_text));
    Click(EvaluateRouteOfRow(row_case.row).button);
  }

  void Click(const char* button) {
    QPushButton* target = Button(button);
    ASSERT_NE(target, nullptr) << button;
    QTest::mouseClick(target, Qt::LeftButton);
  }

  QStringList AllBoxes() const {
    QStringList texts;
    for (int box = 1; box <= 21; ++box) texts << Box(box)->text();
    return texts;
  }

  std::unique_ptr<Form1> form_;
};

// Clicks `button` expecting a modal report; `inspect` sees it before it is
// dismissed. Fails, and closes whatever is open, if none comes within 5 s.
inline void ClickExpectingReport(const std::function<void()>& click, const std::function<void(QMessageBox&)>& inspect) {
  bool seen = false;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* report = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (report == nullptr || seen) return;
    seen = true;
    inspect(*report);
    report->button(QMessageBox::Ok)->click();
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  poll.start();
  watchdog.start(5000);
  click();
  poll.stop();
  watchdog.stop();
  EXPECT_TRUE(seen) << "no report was shown";
}

}  // namespace ohmcalc
