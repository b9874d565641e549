#pragma once

class QApplication;

namespace ohmcalc {

// Names the application and makes what Qt itself draws (context menus,
// message box buttons) Chinese, when Qt's translation is installed.
void SetUpApplication(QApplication& app);

}  // namespace ohmcalc
