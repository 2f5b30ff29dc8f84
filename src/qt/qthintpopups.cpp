#include "qt/qthintpopups.h"

#include <QAbstractScrollArea>
#include <QEvent>

#include "app/functionhints.h"
#include "qt/qthintwindow.h"
#include "qt/qtpopuplist.h"
#include "support/guardedcall.h"

namespace qs::qt {

QtHintPopups::QtHintPopups(QWidget& window, QWidget& editor, TFunctionHints& hints)
    : m_window(window),
      m_editor(editor),
      m_hints(hints),
      m_hint(new QtHintWindow(&window)),
      m_list(new QtPopupList(&window)) {
  m_hints.SetWindows(*m_hint, *m_list);
  m_window.installEventFilter(this);
  m_editor.installEventFilter(this);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(&m_editor))
    area->viewport()->installEventFilter(this);
}

bool QtHintPopups::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool closes =
      (watched == &m_window &&
       (type == QEvent::Resize || type == QEvent::WindowDeactivate || type == QEvent::Close)) ||
      (watched == &m_editor && type == QEvent::FocusOut) || type == QEvent::MouseButtonPress;
  if (closes && watched != m_hint && watched != m_list) GuardedCall([this] { m_hints.HideAll(); });
  return QObject::eventFilter(watched, event);
}

}  // namespace qs::qt
