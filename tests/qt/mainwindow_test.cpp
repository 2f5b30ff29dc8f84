#include "qt/mainwindow.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QPixmap>

namespace {

TEST(MainWindow, ShowsUntitledTitleAndPaintsMoreThanOneColour) {
  qs::qt::MainWindow window;
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(window.windowTitle().toStdString(), "Untitled - Quillon");

  QImage shot = window.grab().toImage();
  ASSERT_FALSE(shot.isNull());
  shot.save(QStringLiteral("mainwindow.png"));
  EXPECT_EQ(shot.size() / shot.devicePixelRatio(), window.size());
  const QRgb first = shot.pixel(0, 0);
  bool varied = false;
  for (int y = 0; y < shot.height() && !varied; y += 3)
    for (int x = 0; x < shot.width() && !varied; x += 3) varied = shot.pixel(x, y) != first;
  EXPECT_TRUE(varied) << "the window painted one flat colour";
}

}  // namespace
