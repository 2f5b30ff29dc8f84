// The backgrounds of the text area and of the gutter: how a picture or a
// gradient fills them. Rendering and the picture itself come with painting.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editor/notifyingobject.h"
#include "support/colors.h"

namespace qs {

enum class TBkgndOption : std::uint8_t {
  boNone,
  boStretch,
  boCenter,
  boTile,
  boHorzGradient,
  boVertGradient,
};
using enum TBkgndOption;
inline constexpr std::array<std::string_view, 6> kBkgndOptionNames = {
    "boNone", "boStretch", "boCenter", "boTile", "boHorzGradient", "boVertGradient"};

class TControlBackground : public TNotifyingPersistent {
 public:
  TControlBackground() = default;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TBkgndOption BkgndOption() const noexcept { return m_option; }
  void SetBkgndOption(TBkgndOption option);
  TColor GradientBeginColor() const noexcept { return m_beginColor; }
  void SetGradientBeginColor(TColor color);
  TColor GradientEndColor() const noexcept { return m_endColor; }
  void SetGradientEndColor(TColor color);

  bool IsInUse() const noexcept { return m_option != boNone; }

 private:
  TBkgndOption m_option = boNone;
  TColor m_beginColor = clBlue;
  TColor m_endColor = clBlack;
};

// The gutter's background; rendering it also draws the gutter's edge lines.
class TGutterBackground : public TControlBackground {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace qs
