#include "qt/qtcursors.h"

#include <QPixmap>

namespace qs::qt {

namespace {

#include "../../resources/cursors/memohandpt.xpm"

constexpr int kHandHotX = 6;
constexpr int kHandHotY = 1;

const QCursor& HandCursor() {
  static const QCursor hand(QPixmap(memohandpt_xpm), kHandHotX, kHandHotY);
  return hand;
}

}  // namespace

QCursor ToQCursor(Cursor cursor) {
  switch (cursor) {
    case Cursor::IBeam:
      return Qt::IBeamCursor;
    case Cursor::Wait:
      return Qt::WaitCursor;
    case Cursor::Cross:
      return Qt::CrossCursor;
    case Cursor::SizeAll:
      return Qt::SizeAllCursor;
    case Cursor::SizeNS:
      return Qt::SizeVerCursor;
    case Cursor::SizeWE:
      return Qt::SizeHorCursor;
    case Cursor::HandPoint:
      return HandCursor();
    case Cursor::Drag:
      return Qt::DragMoveCursor;
    case Cursor::NoDrop:
      return Qt::ForbiddenCursor;
    case Cursor::Default:
    case Cursor::Arrow:
      break;
  }
  return Qt::ArrowCursor;
}

}  // namespace qs::qt
