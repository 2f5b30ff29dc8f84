// What a print of the editor's document includes, and the hook that may
// change the header's texts before they are printed.
#pragma once

#include <cstdint>
#include <functional>

#include "support/qschar.h"
#include "textmodel/memotypes.h"

namespace qs {

class TCustomQSMemo;

enum class TQSPrintOption : std::uint8_t {
  poWrapLines,
  poInColor,
  poPrintSel,
  poPrintHeader,
  poLineNumbers,
  poPrintSyntax,
  poShowProgress,
};
using enum TQSPrintOption;
using TQSPrintOptions = TEnumSet<TQSPrintOption>;

inline constexpr TQSPrintOptions kDefaultPrintOptions{poShowProgress};
// Every bit an option set may hold; stored values are cut to these.
inline constexpr TQSPrintOptions::Bits kAllPrintOptionBits = (1u << 7) - 1;

// The left margin of a print, in pixels of the screen page. A margin wider
// than this would leave no room for text on any paper.
inline constexpr int kMaxPrintIndent = 1000;
[[nodiscard]] constexpr int ClampPrintIndent(long long pixels) noexcept {
  return pixels < 0 ? 0 : pixels > kMaxPrintIndent ? kMaxPrintIndent : static_cast<int>(pixels);
}

enum class TPrintType : std::uint8_t { ptHeader, ptFooter };
using enum TPrintType;
// Sees the title (ptHeader) and the page-number text (ptFooter) of every page
// before they are printed, and may change them.
using TBeforePrintEvent = std::function<void(TCustomQSMemo& sender, String& text, TPrintType)>;

}  // namespace qs
