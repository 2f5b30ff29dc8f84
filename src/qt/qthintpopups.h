// The main window's function hint and completion list on the desktop: the
// two windows, and the window events that close them (a resize, the window
// losing activation, a click into the editor, the editor losing the focus).
#pragma once

#include <QObject>

class QWidget;

namespace qs {
class TFunctionHints;
}

namespace qs::qt {

class QtHintWindow;
class QtPopupList;

class QtHintPopups final : public QObject {
  Q_OBJECT

 public:
  // window: the main window, which owns the two popup windows; editor: the
  // editor widget. Both, and hints, outlive this.
  QtHintPopups(QWidget& window, QWidget& editor, TFunctionHints& hints);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& m_window;
  QWidget& m_editor;
  TFunctionHints& m_hints;
  QtHintWindow* m_hint;
  QtPopupList* m_list;
};

}  // namespace qs::qt
