// The text form of a command's shortcut: the modifiers in the order "Shift+",
// "Ctrl+", "Alt+", then the key's name ("Ctrl+J", "Shift+Ctrl+Space", "F11");
// the empty text for none. It is what the settings store keeps and what the
// menus and the shortcut list show, so every text written reads back as the
// same shortcut.
#pragma once

#include <optional>

#include "platform/keys.h"
#include "support/qschar.h"

namespace qs {

struct TShortCut {
  TKey key = 0;
  TShiftState shift = 0;  // only ssShift, ssCtrl and ssAlt count
  [[nodiscard]] bool IsEmpty() const noexcept { return key == 0; }
  bool operator==(const TShortCut&) const = default;
};

String ShortCutToText(TShortCut shortCut);

// The shortcut a text names; letter case and the order of the modifiers do
// not matter. The empty text is no shortcut; nullopt for a text that names
// no key.
std::optional<TShortCut> TextToShortCut(StringView text);

// The name of a key alone ("A", "F5", "BkSp"), and the key a name stands for.
String KeyToText(TKey key);
std::optional<TKey> KeyFromText(StringView name);

}  // namespace qs
