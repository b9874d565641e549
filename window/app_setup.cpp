#include "window/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ohmcalc {

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName("ohmcalc");
  QApplication::setApplicationVersion("1.0.0");
  auto* translator = new QTranslator(&app);
  if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace ohmcalc
