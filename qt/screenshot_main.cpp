// Renders the main window with sample values to a PNG:
//   ohmcalc-screenshot OUTPUT.png
// Run with QT_QPA_PLATFORM=offscreen to need no display.
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "platform/number_locale.h"
#include "qt/app_setup.h"
#include "qt/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: ohmcalc-screenshot OUTPUT.png\n", stderr);
    return 2;
  }
  ohmcalc::SetUpApplication(app);
  ohmcalc::Form1 form(ohmcalc::SystemNumberLocale());
  const char* samples[][3] = {{"1", "4.7", "0.1"}, {"4", "12", "220"},   {"7", "5", "0.02"}, {"10", "60", "0.5"},
                              {"13", "5", "220"},  {"16", "3.3", "0.2"}, {"19", "230", "47"}};
  const char* equals[] = {"Command1", "Command5", "Command8", "Command11", "Command14", "Command19", "Command21"};
  for (const auto& sample : samples) {
    int a = QByteArray(sample[0]).toInt();
    form.Box(a)->setText(QString::fromUtf8(sample[1]));
    form.Box(a + 1)->setText(QString::fromUtf8(sample[2]));
  }
  form.show();
  for (const char* name : equals) form.findChild<QPushButton*>(name)->click();
  form.Box(1)->setFocus();
  QApplication::processEvents();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
