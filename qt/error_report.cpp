#include "qt/error_report.h"

#include <QMessageBox>
#include <QWidget>

#include "window/report_wording.h"

namespace ohmcalc {

void ReportRunTimeError(QWidget* window, const RunTimeError& error) {
  QMessageBox report(QMessageBox::Warning, window->windowTitle(), QString::fromStdString(ReportText(error.number())),
                     QMessageBox::Ok, window);
  report.setObjectName("RunTimeErrorReport");
  report.setWindowModality(Qt::ApplicationModal);
  report.exec();
}

}  // namespace ohmcalc
