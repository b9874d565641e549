// The floor ohmcalc's start-up is measured against: a bare Qt window holding
// the same seventy plain widgets at the same places, with a CJK font for the
// window and a larger one for the boxes, as any Chinese window of this kind
// needs; and nothing else (no translation, no icon, no click routing).
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "window/form_controls.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("bare window");
  QFont interface_font("Noto Sans CJK SC");
  interface_font.setPixelSize(14);
  window.setFont(interface_font);
  QFont box_font("Noto Sans CJK SC");
  box_font.setPixelSize(21);
  window.resize(ohmcalc::TwipsToPixels(ohmcalc::kClientWidthTwips),
                ohmcalc::TwipsToPixels(ohmcalc::kClientHeightTwips));
  for (const ohmcalc::ControlSpec& entry : ohmcalc::kFormControls) {
    QWidget* control = nullptr;
    QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
      case ohmcalc::ControlKind::kTextBox:
        control = new QLineEdit(&window);
        control->setFont(box_font);
        break;
      case ohmcalc::ControlKind::kButton:
        control = new QPushButton(caption, &window);
        break;
      default:
        control = new QLabel(caption, &window);
    }
    control->setGeometry(ohmcalc::TwipsToPixels(entry.rect.left), ohmcalc::TwipsToPixels(entry.rect.top),
                         ohmcalc::TwipsToPixels(entry.rect.width), ohmcalc::TwipsToPixels(entry.rect.height));
  }
  window.show();
  return QApplication::exec();
}
