// The backgrounds of the text area and of the gutter: how a picture or a
// gradient fills them, and the rendering of one at a given size.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editor/notifyingobject.h"
#include "platform/bitmap.h"
#include "platform/geometry.h"
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
  // The published properties and the picture.
  void Assign(const TPersistent& source) override;

  // The picture of the stretch, centre and tile options.
  const Bitmap& Background() const noexcept { return m_picture; }
  void SetBackground(Bitmap picture);
  TBkgndOption BkgndOption() const noexcept { return m_option; }
  void SetBkgndOption(TBkgndOption option);
  TColor GradientBeginColor() const noexcept { return m_beginColor; }
  void SetGradientBeginColor(TColor color);
  TColor GradientEndColor() const noexcept { return m_endColor; }
  void SetGradientEndColor(TColor color);

  bool IsInUse() const noexcept { return m_option != boNone; }

  // The background of an area of size: the picture stretched, centred or
  // tiled on fill, or the gradient from the begin colour (left or top) to the
  // end colour. Sides are capped at kMaxBitmapSide; empty when not in use or
  // for an empty size.
  [[nodiscard]] Bitmap Render(TSize size, TColor fill) const;

 private:
  Bitmap m_picture;
  TBkgndOption m_option = boNone;
  TColor m_beginColor = clBlue;
  TColor m_endColor = clBlack;
};

// The last rendering of a background, made again only when the background,
// the size or the fill colour changed.
class TBackgroundCache {
 public:
  const Bitmap& Get(const TControlBackground& background, TSize size, TColor fill);
  void Invalidate() noexcept { m_stale = true; }

 private:
  Bitmap m_image;
  TSize m_size;
  TColor m_fill = 0;
  bool m_stale = true;
};

// The gutter's background; the control draws the gutter's edge lines on it.
class TGutterBackground : public TControlBackground {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

}  // namespace qs
