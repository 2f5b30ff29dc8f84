// The named text styles through which highlighted text gets its fonts and
// colours: a style's index in the list is the style byte the highlighter
// emits. A list owned by an editor control keeps the control informed of
// every change; a few styles drive the control's own colour pairs.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editor/memofont.h"
#include "editor/penbrush.h"
#include "editor/stylehost.h"
#include "support/collection.h"

namespace qs {

enum class TUpdateMemoColors : std::uint8_t { mcNone, mcText, mcSelection, mcSearchMatch };
using enum TUpdateMemoColors;
inline constexpr std::array<std::string_view, 4> kUpdateMemoColorsNames = {
    "mcNone", "mcText", "mcSelection", "mcSearchMatch"};

class TTextStyles;

class TTextStyle : public TNamedCollectionItem {
 public:
  TTextStyle();

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  // An exact copy of the source style (its flags are not refused), then the
  // colours this style drives or follows are brought up to date.
  void Assign(const TPersistent& source) override;

  // Background of text in this style. Setting it ends UseMemoColor.
  TColor Color() const noexcept { return m_color; }
  void SetColor(TColor color);
  // Foreground colour, style set and charset; face and size follow the control.
  TMemoFont& Font() noexcept { return m_font; }
  const TMemoFont& Font() const noexcept { return m_font; }
  TUpdateMemoColors UpdateMemoColors() const noexcept { return m_updateMemoColors; }
  void SetUpdateMemoColors(TUpdateMemoColors value);
  // Turning either on is refused (nothing changes) while the style drives a
  // colour pair of the control.
  bool UseMemoColor() const noexcept { return m_useMemoColor; }
  void SetUseMemoColor(bool value);
  bool UseMemoFont() const noexcept { return m_useMemoFont; }
  void SetUseMemoFont(bool value);
  bool UpperCase() const noexcept { return m_upperCase; }
  void SetUpperCase(bool value);

  // Solid, always of the style's Color.
  const TBrush& Brush() const noexcept { return m_brush; }

  // Passes this style's colours to the control pair it drives, if any.
  void ApplyMemoColors();

  // The list and its control; nullptr when the style is in no style list or
  // the list has no control.
  TTextStyles* Styles() const noexcept;
  IStyleHost* Host() const noexcept;

 private:
  friend class TTextStyles;
  void FontChanged();
  void StoreColor(TColor color);
  // Copies the control colour or font as the two flags ask, then the
  // control's face and height, without ending either flag.
  void FollowHost(IStyleHost& host);
  void SetFontQuietly(const TMemoFont& source);
  void RequestRehighlight(bool force);
  bool IsColorStored() const noexcept { return !m_useMemoColor; }
  bool IsFontStored() const noexcept { return !m_useMemoFont; }

  TColor m_color = clWindow;
  TMemoFont m_font;
  TBrush m_brush;
  TUpdateMemoColors m_updateMemoColors = mcNone;
  bool m_useMemoColor = true;
  bool m_useMemoFont = true;
  bool m_upperCase = false;
  // Set while the style itself changes its font, which then keeps UseMemoFont.
  bool m_fontByStyle = false;
};

class TTextStyles : public TOwnedCollection<TTextStyle> {
 public:
  // Filled with the default styles.
  explicit TTextStyles(IStyleHost* host = nullptr);

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // Replaces the styles with copies of the source's; a source shorter than
  // the default list is completed from it, so that the styles with a fixed
  // meaning (the URL, selection and search-match styles) are always there.
  void Assign(const TPersistent& source) override;

  IStyleHost* Host() const noexcept { return m_host; }

  void BeginUpdate() override;
  // The outermost close lets the control re-highlight (if asked to inside
  // the bracket) and recompute its metrics.
  void EndUpdate() override;

  // Every style takes the control's face and height; styles that follow the
  // control's colour or font copy it. One bracket.
  void SyncStyleFonts();

  // A style's request to style the text again: heard only by a control, and
  // unless forced only by one that does not lay text out in fixed cells.
  void RequestRehighlight(bool force);
  bool RehighlightPending() const noexcept { return m_rehighlightPending; }

  // While a colour scheme is applied to a list without a control, turning
  // UseMemoColor on keeps the scheme's colour instead of taking clWindow.
  void SetApplyingColorScheme(bool applying) noexcept { m_applyingColorScheme = applying; }
  bool ApplyingColorScheme() const noexcept { return m_applyingColorScheme; }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  IStyleHost* m_host;
  bool m_rehighlightPending = false;
  bool m_applyingColorScheme = false;
};

}  // namespace qs
