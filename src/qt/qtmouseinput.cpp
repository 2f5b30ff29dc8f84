#include "qt/qtmouseinput.h"

#include "qt/qtconvert.h"

namespace qs::qt {

std::optional<TMouseButton> ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return mbLeft;
    case Qt::RightButton:
      return mbRight;
    case Qt::MiddleButton:
      return mbMiddle;
    default:
      return std::nullopt;
  }
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState state = ShiftFromQt(modifiers);
  if (buttons & Qt::LeftButton) state |= ssLeft;
  if (buttons & Qt::RightButton) state |= ssRight;
  if (buttons & Qt::MiddleButton) state |= ssMiddle;
  return state;
}

TShiftState ToShiftState(const QMouseEvent& event) {
  TShiftState state = ToShiftState(event.modifiers(), event.buttons());
  if (event.type() == QEvent::MouseButtonDblClick) state |= ssDouble;
  return state;
}

int WheelDelta(const QWheelEvent& event) {
  return event.angleDelta().y();
}

}  // namespace qs::qt
