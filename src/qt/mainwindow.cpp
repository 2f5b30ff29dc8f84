#include "qt/mainwindow.h"

#include <QLabel>

namespace qs::qt {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Untitled - Quillon"));
  resize(800, 600);
  // The editor control takes this place once it exists.
  auto* placeholder = new QLabel(QStringLiteral("Quillon"), this);
  placeholder->setAlignment(Qt::AlignCenter);
  placeholder->setAutoFillBackground(true);
  setCentralWidget(placeholder);
}

}  // namespace qs::qt
