// The application's top-level window on the Qt desktop.
#pragma once

#include <QMainWindow>

namespace qs::qt {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace qs::qt
