#include <QApplication>

#include "qt/mainwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  qs::qt::MainWindow window;
  window.show();
  return QApplication::exec();
}
