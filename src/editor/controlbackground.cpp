#include "editor/controlbackground.h"

#include <algorithm>

namespace qs {

namespace {

// Each channel a share t / span of the way from one colour to the other.
std::uint32_t Blend(TColor from, TColor to, std::int64_t t, std::int64_t span) {
  const auto channel = [&](int a, int b) {
    return static_cast<int>(a + (static_cast<std::int64_t>(b) - a) * t /
                                    std::max<std::int64_t>(span, 1));
  };
  return ArgbFromColor(MakeColor(channel(RedOf(from), RedOf(to)),
                                 channel(GreenOf(from), GreenOf(to)),
                                 channel(BlueOf(from), BlueOf(to))));
}

void Gradient(Bitmap& out, TColor from, TColor to, bool horizontal) {
  const int steps = horizontal ? out.width : out.height;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.Set(x, y, Blend(from, to, horizontal ? x : y, steps - 1));
}

void Picture(Bitmap& out, const Bitmap& picture, TBkgndOption option) {
  if (!picture.IsValid()) return;
  const int left = (out.width - picture.width) / 2;
  const int top = (out.height - picture.height) / 2;
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      int px = 0, py = 0;
      if (option == boStretch) {
        px = static_cast<int>(static_cast<std::int64_t>(x) * picture.width / out.width);
        py = static_cast<int>(static_cast<std::int64_t>(y) * picture.height / out.height);
      } else if (option == boTile) {
        px = x % picture.width;
        py = y % picture.height;
      } else {
        px = x - left;
        py = y - top;
        if (px < 0 || py < 0 || px >= picture.width || py >= picture.height) continue;
      }
      const std::uint32_t argb = picture.At(px, py);
      if ((argb >> 24) != 0) out.Set(x, y, argb);
    }
}

}  // namespace

const ClassInfo& TControlBackground::StaticClassInfo() {
  using T = TControlBackground;
  static const ClassInfo info(
      "TControlBackground", &TPersistent::StaticClassInfo(),
      {Prop::Enum<T>("BkgndOption", &T::BkgndOption, &T::SetBkgndOption, boNone, kBkgndOptionNames),
       Prop::Colour<T>("GradientBeginColor", &T::GradientBeginColor, &T::SetGradientBeginColor,
                       clBlue),
       Prop::Colour<T>("GradientEndColor", &T::GradientEndColor, &T::SetGradientEndColor,
                       clBlack)});
  return info;
}

const ClassInfo& TGutterBackground::StaticClassInfo() {
  static const ClassInfo info("TGutterBackground", &TControlBackground::StaticClassInfo());
  return info;
}

void TControlBackground::Assign(const TPersistent& source) {
  TNotifyingPersistent::Assign(source);
  if (const auto* other = dynamic_cast<const TControlBackground*>(&source))
    SetBackground(other->m_picture);
}

void TControlBackground::SetBackground(Bitmap picture) {
  if (m_picture == picture) return;
  m_picture = std::move(picture);
  Changed();
}

Bitmap TControlBackground::Render(TSize size, TColor fill) const {
  const int width = std::min(size.cx, kMaxBitmapSide);
  const int height = std::min(size.cy, kMaxBitmapSide);
  if (!IsInUse() || width <= 0 || height <= 0) return {};
  Bitmap out(width, height, ArgbFromColor(fill));
  switch (m_option) {
    case boHorzGradient:
    case boVertGradient:
      Gradient(out, ColorToRGB(m_beginColor), ColorToRGB(m_endColor), m_option == boHorzGradient);
      break;
    case boStretch:
    case boCenter:
    case boTile:
      Picture(out, m_picture, m_option);
      break;
    case boNone:
      break;
  }
  return out;
}

const Bitmap& TBackgroundCache::Get(const TControlBackground& background, TSize size, TColor fill) {
  if (m_stale || m_size.cx != size.cx || m_size.cy != size.cy || m_fill != fill) {
    m_image = background.Render(size, fill);
    m_size = size;
    m_fill = fill;
    m_stale = false;
  }
  return m_image;
}

void TControlBackground::SetBkgndOption(TBkgndOption option) {
  if (m_option == option) return;
  m_option = option;
  Changed();
}

void TControlBackground::SetGradientBeginColor(TColor color) {
  if (m_beginColor == color) return;
  m_beginColor = color;
  Changed();
}

void TControlBackground::SetGradientEndColor(TColor color) {
  if (m_endColor == color) return;
  m_endColor = color;
  Changed();
}

}  // namespace qs
