// The Qt tests share one QApplication that lives exactly as long as main().
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
  // What the web engine needs before the application object exists.
  QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
