// Runs the window tests inside one QApplication, headless unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt/app_setup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  ohmcalc::SetUpApplication(app);
  return RUN_ALL_TESTS();
}
