// Qt's pointer input in the platform's terms: buttons, held keys and buttons,
// and the wheel's turn.
#pragma once

#include <QMouseEvent>
#include <QWheelEvent>
#include <optional>

#include "editor/memomousetypes.h"
#include "platform/keys.h"

namespace qs::qt {

[[nodiscard]] std::optional<TMouseButton> ToMouseButton(Qt::MouseButton button);
[[nodiscard]] TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
[[nodiscard]] TShiftState ToShiftState(const QMouseEvent& event);
// In the 120-units-a-notch measure; a horizontal-only turn gives 0.
[[nodiscard]] int WheelDelta(const QWheelEvent& event);

}  // namespace qs::qt
