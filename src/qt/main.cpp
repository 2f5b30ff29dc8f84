#include <QApplication>
#include <QMessageBox>

#include "qt/mainwindow.h"
#include "qt/qtconvert.h"
#include "support/errors.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  qs::qt::MainWindow window;
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    try {
      window.OpenFile(args.at(1));
    } catch (const qs::Error& e) {
      QMessageBox::critical(&window, QStringLiteral("Quillon"), QString::fromUtf8(e.what()));
    }
  }
  window.show();
  return QApplication::exec();
}
