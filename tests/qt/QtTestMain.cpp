// The GUI tests run inside one QApplication set up as the program's, on the offscreen
// platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt/ApplicationSetup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  aloftra::qt::SetUpApplication(application);
  return RUN_ALL_TESTS();
}
