// The main window's dock panels on the Qt desktop. Every QDockWidget of the
// window that has an object name takes part: panels dock at the sides and
// the bottom, beside or tabbed onto each other, and their arrangement is the
// window's state bytes (QMainWindow::saveState), which the layouts and
// desktops keep. The arrangement the window first showed with is the
// default a damaged saved layout falls back to.
#pragma once

#include <QObject>

#include "app/desktops.h"

class QMainWindow;

namespace qs::qt {

class QtDocking : public QObject, public ILayoutHost {
  Q_OBJECT

 public:
  explicit QtDocking(QMainWindow& window);

  LayoutBytes CaptureLayout() override;
  bool ApplyLayout(const LayoutBytes& arrangement) override;
  LayoutBytes DefaultLayout() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMainWindow& m_window;
  LayoutBytes m_default;
  bool m_defaultTaken = false;
};

}  // namespace qs::qt
