// Named colour presets of the text styles ("Defaults", "Classic", "Ocean",
// "Twilight"): each changes the colours and font styles of the styles it
// names, leaving the others alone. The Colors option page offers them.
#pragma once

#include <functional>
#include <vector>

#include "support/qschar.h"

namespace qs {

class TTextStyles;

using TTextStylesPreset = std::function<void(TTextStyles&)>;

// Registers (or replaces) a preset under its name.
void RegisterTextStylesPreset(StringView name, TTextStylesPreset preset);
// The registered names in registration order; the four built-in ones first.
std::vector<String> TextStylesPresetNames();
// Applies the preset in one update of the list; false (nothing changed) when
// no preset has that name.
bool ApplyTextStylesPreset(StringView name, TTextStyles& styles);

}  // namespace qs
