#include "qt/qtdocking.h"

#include <QByteArray>
#include <QEvent>
#include <QMainWindow>

namespace qs::qt {

namespace {

// Raised whenever the panels change in a way old layouts cannot follow.
constexpr int kStateVersion = 1;

}  // namespace

QtDocking::QtDocking(QMainWindow& window) : QObject(&window), m_window(window) {
  m_window.setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                          QMainWindow::AllowTabbedDocks);
  // The side panels run the window's full height; the bottom one lies between them.
  m_window.setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
  m_window.setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
  m_window.installEventFilter(this);
}

LayoutBytes QtDocking::CaptureLayout() {
  const QByteArray state = m_window.saveState(kStateVersion);
  return LayoutBytes(state.begin(), state.end());
}

bool QtDocking::ApplyLayout(const LayoutBytes& arrangement) {
  const QByteArray state(reinterpret_cast<const char*>(arrangement.data()),
                         static_cast<qsizetype>(arrangement.size()));
  return m_window.restoreState(state, kStateVersion);
}

LayoutBytes QtDocking::DefaultLayout() {
  if (!m_defaultTaken) {
    m_default = CaptureLayout();
    m_defaultTaken = true;
  }
  return m_default;
}

// The panels every part of the window has added by the first showing are
// where they start; that is the default.
bool QtDocking::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_window && event->type() == QEvent::Show && !m_defaultTaken) {
    m_default = CaptureLayout();
    m_defaultTaken = true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qs::qt
