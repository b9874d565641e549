// Renders the main window with sample values to a PNG:
//   ohmcalc-screenshot [--aids] OUTPUT.png
// With --aids, the designer aids of the resistance row's result are drawn
// beside its box, as its tooltip shows them. Run with QT_QPA_PLATFORM=offscreen
// to need no display.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolTip>
#include <cstdio>
#include <cstring>

#include "core/calc_rows.h"
#include "qt/app_setup.h"
#include "qt/form1.h"
#include "window/click_routes.h"
#include "window/control_names.h"
#include "window/sample_values.h"
#include "window/system_number_locale.h"

namespace {

// The tooltip of `box` as Qt draws one, painted over `shot` below the box.
void DrawToolTip(QPixmap& shot, const QLineEdit& box) {
  QLabel tip(box.toolTip());
  tip.setPalette(QToolTip::palette());
  tip.setFont(QToolTip::font());
  tip.setFrameStyle(QFrame::Box | QFrame::Plain);
  tip.setMargin(4);
  tip.setAutoFillBackground(true);
  tip.adjustSize();
  QPainter painter(&shot);
  QPoint below = box.geometry().bottomLeft() + QPoint(box.width() / 3, 6);
  below.setX(std::min(below.x(), shot.width() - tip.width() - 4));
  painter.drawPixmap(below, tip.grab());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  bool aids = argc == 3 && std::strcmp(argv[1], "--aids") == 0;
  if (argc != 2 && !aids) {
    std::fputs("usage: ohmcalc-screenshot [--aids] OUTPUT.png\n", stderr);
    return 2;
  }
  const char* output = argv[argc - 1];
  ohmcalc::SetUpApplication(app);
  ohmcalc::Form1 form(ohmcalc::SystemNumberLocale());
  for (const ohmcalc::SampleRow& sample : ohmcalc::kSampleRows) {
    const ohmcalc::CalcRow& row = ohmcalc::CalcRowNumbered(sample.row);
    form.Box(row.a)->setText(QString::fromUtf8(sample.a_text));
    form.Box(row.b)->setText(QString::fromUtf8(sample.b_text));
  }
  form.show();
  for (const ohmcalc::SampleRow& sample : ohmcalc::kSampleRows) {
    form.findChild<QPushButton*>(ohmcalc::EvaluateRouteOfRow(sample.row).button)->click();
  }
  form.Box(1)->setFocus();
  QApplication::processEvents();
  QPixmap shot = form.grab();
  if (aids) DrawToolTip(shot, *form.Box(9));
  if (!shot.save(QString::fromLocal8Bit(output))) {
    std::fprintf(stderr, "cannot write %s\n", output);
    return 1;
  }
  return 0;
}
