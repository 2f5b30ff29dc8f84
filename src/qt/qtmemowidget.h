// The editor control as a Qt widget: a scroll area whose viewport the
// control paints with QPainter, whose scroll bars move its view, and whose
// key events reach the control's key and character handlers.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPainter>
#include <memory>

#include "editor/qsmemo.h"
#include "qt/qtcanvas.h"
#include "qt/qtpopupmenu.h"
#include "qt/qtwindowhost.h"

class QKeyEvent;

namespace qs::qt {

class QtMemoWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit QtMemoWidget(QWidget* parent = nullptr);
  ~QtMemoWidget() override;

  TQSMemo& Memo() noexcept { return *m_memo; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // Runs the key's binding or types its text; true when the control took it.
  bool TakeKey(const QKeyEvent& event);

  QtWindowHost m_host;
  QtPopupMenuHost m_menuHost{this};
  // Fonts are measured on an image of our own, so measuring never needs a
  // paint event.
  QImage m_measureImage{1, 1, QImage::Format_RGB32};
  QPainter m_measurePainter;
  std::unique_ptr<QtCanvas> m_measureCanvas;
  std::unique_ptr<TQSMemo> m_memo;
};

}  // namespace qs::qt
