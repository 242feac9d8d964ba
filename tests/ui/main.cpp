// Window tests run inside one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/framework/fonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ronri::installDefaultFont();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
