#include <QApplication>

#include "qt/app_setup.h"
#include "qt/form1.h"
#include "window/system_number_locale.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ohmcalc::SetUpApplication(app);
  ohmcalc::Form1 form(ohmcalc::SystemNumberLocale());
  form.show();
  return QApplication::exec();
}
