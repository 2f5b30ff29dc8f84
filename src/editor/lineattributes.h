// How line separators and the caret line are drawn: small settings objects
// owned by the control and by the global options. Their pens never grow
// wider than two pixels.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editor/notifyingobject.h"
#include "editor/penbrush.h"

namespace qs {

// The widest pen a separator, the caret-line frame or the margin is drawn with.
inline constexpr int kMaxLinePenWidth = 2;

enum class TLineSeparatorOption : std::uint8_t { moDrawLineSeparator, moWrappedLineSeparator };
using enum TLineSeparatorOption;
using TLineSeparatorOptions = std::uint32_t;
inline constexpr std::array<std::string_view, 2> kLineSeparatorOptionNames = {
    "moDrawLineSeparator", "moWrappedLineSeparator"};

class TLineSeparator : public TNotifyingPersistent {
 public:
  TLineSeparator();

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TLineSeparatorOptions Options() const noexcept { return m_options; }
  void SetOptions(TLineSeparatorOptions options);
  TPen& Pen() noexcept { return m_pen; }
  const TPen& Pen() const noexcept { return m_pen; }

  // Read inside the change handler: false when only the pen changed while
  // separators are not drawn, so nothing on screen changed.
  bool ChangeIsVisible() const noexcept { return m_changeIsVisible; }

 private:
  void PenChanged();

  TLineSeparatorOptions m_options = 0;
  TPen m_pen{clGrayText, kMaxLinePenWidth};
  bool m_changeIsVisible = true;
};

enum class THighlightShape : std::uint8_t { shDoubleLine, shSingleLine };
using enum THighlightShape;
inline constexpr std::array<std::string_view, 2> kHighlightShapeNames = {"shDoubleLine",
                                                                         "shSingleLine"};

// The frame and fill of the caret line; any change repaints that line only.
class TLineHighlight : public TNotifyingPersistent {
 public:
  TLineHighlight();

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TPen& Pen() noexcept { return m_pen; }
  const TPen& Pen() const noexcept { return m_pen; }
  TBrush& Brush() noexcept { return m_brush; }
  const TBrush& Brush() const noexcept { return m_brush; }
  bool Visible() const noexcept { return m_visible; }
  void SetVisible(bool visible);
  THighlightShape Shape() const noexcept { return m_shape; }
  void SetShape(THighlightShape shape);

 private:
  TPen m_pen{clGrayText, kMaxLinePenWidth};
  TBrush m_brush{clBtnFace};
  bool m_visible = false;
  THighlightShape m_shape = shDoubleLine;
};

}  // namespace qs
