#include "window/error_report.h"

#include <QMessageBox>
#include <QWidget>

namespace ohmcalc {

QString ErrorDescription(int number) {
  switch (number) {
    case kErrorOverflow:
      return QString::fromUtf8("溢出");
    case kErrorDivisionByZero:
      return QString::fromUtf8("除数为零");
    case kErrorTypeMismatch:
      return QString::fromUtf8("类型不匹配");
    default:
      return QString::fromUtf8("未知错误");
  }
}

void ReportRunTimeError(QWidget* window, const RunTimeError& error) {
  QMessageBox report(
      QMessageBox::Warning, window->windowTitle(),
      QString::fromUtf8("运行时错误 %1：\n\n%2").arg(error.number()).arg(ErrorDescription(error.number())),
      QMessageBox::Ok, window);
  report.setObjectName("RunTimeErrorReport");
  report.setWindowModality(Qt::ApplicationModal);
  report.exec();
}

}  // namespace ohmcalc
