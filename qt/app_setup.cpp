#include "qt/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ohmcalc {

void SetUpApplication(QApplication& app) {
  QApplication::setApplicationName("ohmcalc");
  QApplication::setApplicationVersion(OHMCALC_VERSION);
  QGuiApplication::setDesktopFileName(OHMCALC_APP_ID);
  auto* translator = new QTranslator(&app);
  if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace ohmcalc
