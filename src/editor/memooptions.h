// The display and behaviour switches of an editor control (a set kept as a
// bit mask, bit n for the n-th switch) and the control messages it receives.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "support/persistent.h"

namespace qs {

enum class TMemoOption : std::uint8_t {
  moDrawMargin,
  moDrawGutter,
  moThumbTracking,
  moDblClickLine,
  moColorSyntax,
  moLineNumbers,
  moOverwriteCaret,
  moLeftIndent,
  moDisableDrag,
  moSelectOnlyText,
  moLineNumbersOnGutter,
  moNotePadCursorStyle,
  moBreakWordAtMargin,
  moDrawSpecialSymbols,
  moDisableRightClickMove,
  moColoredLineStyle,
  moDisableInvertedSel,
  moHideInvisibleLines,
  moDrawLineBookmarks,
  moShowScrollHint,
  moUseReadOnlyColor,
  moExtendedSel,
  moCenterOnBookmark,
  moTripleClick,
};
using enum TMemoOption;

// A set of TMemoOption: bit n is the n-th option.
using TMemoOptions = std::uint32_t;

inline constexpr std::array<std::string_view, 24> kMemoOptionNames = {
    "moDrawMargin",        "moDrawGutter",          "moThumbTracking",
    "moDblClickLine",      "moColorSyntax",         "moLineNumbers",
    "moOverwriteCaret",    "moLeftIndent",          "moDisableDrag",
    "moSelectOnlyText",    "moLineNumbersOnGutter", "moNotePadCursorStyle",
    "moBreakWordAtMargin", "moDrawSpecialSymbols",  "moDisableRightClickMove",
    "moColoredLineStyle",  "moDisableInvertedSel",  "moHideInvisibleLines",
    "moDrawLineBookmarks", "moShowScrollHint",      "moUseReadOnlyColor",
    "moExtendedSel",       "moCenterOnBookmark",    "moTripleClick"};

constexpr bool HasOption(TMemoOptions options, TMemoOption option) noexcept {
  return (options & SetBit(option)) != 0;
}

// What the global editor options reset to.
inline constexpr TMemoOptions kDefaultEnvMemoOptions =
    SetBit(moDrawMargin) | SetBit(moDrawGutter) | SetBit(moThumbTracking) | SetBit(moDblClickLine) |
    SetBit(moColorSyntax) | SetBit(moLeftIndent) | SetBit(moLineNumbersOnGutter);
static_assert(kDefaultEnvMemoOptions == 0x49F);

// Messages every editor control receives, with no parameters.
enum class ControlMessage : std::uint32_t {
  MemoOptionsChanged = 0x81F,
};
inline constexpr ControlMessage CM_MEMOOPTIONSCHANGED = ControlMessage::MemoOptionsChanged;

}  // namespace qs
