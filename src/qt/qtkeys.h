// Qt key events in the control's vocabulary: virtual key codes and shift
// states. Keypad keys are told apart by Qt's keypad modifier, and a digit
// or bracket key pressed with Shift keeps its unshifted code, as the key
// bindings expect.
#pragma once

#include <Qt>

#include "platform/keys.h"

namespace qs::qt {

// 0 for a key that has no code of ours.
TKey KeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
TShiftState ShiftFromQt(Qt::KeyboardModifiers modifiers);

}  // namespace qs::qt
