// A stand-in for the editor control: it owns a style list as the control
// will, publishes the properties the global options copy into it, follows
// them on request, and counts every call the styles make on it.
#pragma once

#include <string>
#include <vector>

#include <cstdlib>

#include "editor/editorcontrols.h"
#include "editor/fontmeasure.h"
#include "editor/memoenvoptions.h"
#include "editor/memofont.h"
#include "editor/penbrush.h"
#include "editor/stylehost.h"
#include "editor/textstyles.h"

namespace qs::testing {

class FakeControl : public TPersistent, public IStyleHost, public IMessageTarget {
 public:
  FakeControl() : m_font(this), m_styles(this), m_registration(*this) {
    m_font.SetOnChange([this] {
      ++fontChanges;
      m_styles.SyncStyleFonts();
    });
  }

  static const ClassInfo& StaticClassInfo() {
    using T = FakeControl;
    static const ClassInfo info(
        "TFakeControl", &TPersistent::StaticClassInfo(),
        {Prop::String<T>("KeyMapping", &T::KeyMapping, &T::SetKeyMapping, U"Default"),
         Prop::Set<T>("Options", &T::Options, &T::SetOptions, 0, kMemoOptionNames),
         Prop::Integer<T>("MarginPos", &T::MarginPos, &T::SetMarginPos, 80),
         Prop::Object<T, TPen>("MarginPen", &T::MarginPen),
         Prop::Object<T, TMemoFont>("Font", &T::Font),
         Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindow),
         Prop::Collection<T, TTextStyles>("TextStyles", &T::TextStyles),
         Prop::Boolean<T>("UseMonoFont", &T::UseMonoFont, &T::SetUseMonoFont, true)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // IStyleHost
  TColor Color() const override { return m_color; }
  void SetColor(TColor color) override { m_color = color; }
  TMemoFont& Font() override { return m_font; }
  void SetSelColor(TColor color) override { selColor = color; }
  void SetSelBackColor(TColor color) override { selBackColor = color; }
  void SetMatchColor(TColor color) override { matchColor = color; }
  void SetMatchBackColor(TColor color) override { matchBackColor = color; }
  bool UseMonoFont() const override { return m_useMonoFont; }
  void StylesChanged() override { ++stylesChanged; }
  void DiscardHighlighting() override { ++discards; }
  void RecomputeCaretShape() override { ++caretShapes; }
  void RecomputeUniformFont() override { ++uniformRecomputes; }
  void RecomputeMetrics() override { ++metricRecomputes; }

  // IMessageTarget
  void ControlMessageReceived(ControlMessage message) override {
    messages.push_back(message);
    if (useGlobalOptions) ApplyGlobalOptions(*this, m_styles);
  }

  const String& KeyMapping() const { return m_keyMapping; }
  void SetKeyMapping(const String& name) { m_keyMapping = name; }
  TMemoOptions Options() const { return m_options; }
  void SetOptions(TMemoOptions options) { m_options = options; }
  int MarginPos() const { return m_marginPos; }
  void SetMarginPos(int column) { m_marginPos = column; }
  TPen& MarginPen() { return m_marginPen; }
  TTextStyles& TextStyles() { return m_styles; }
  void SetUseMonoFont(bool value) { m_useMonoFont = value; }

  TTextStyle& Style(int index) { return m_styles.Items(index); }

  TColor selColor = clNone, selBackColor = clNone, matchColor = clNone, matchBackColor = clNone;
  int stylesChanged = 0, discards = 0, caretShapes = 0, uniformRecomputes = 0, metricRecomputes = 0,
      fontChanges = 0;
  bool useGlobalOptions = false;
  std::vector<ControlMessage> messages;

 private:
  String m_keyMapping = U"Default";
  TMemoOptions m_options = 0;
  int m_marginPos = 80;
  TPen m_marginPen;
  TColor m_color = clWindow;
  bool m_useMonoFont = true;
  TMemoFont m_font;
  TTextStyles m_styles;
  ControlRegistration m_registration;
};

// Cell sizes that follow the font's height so tests can tell fonts apart:
// "Wg" is |height| + 3 tall and characters are |height| / 2 wide (one more
// when bold). Faces named "Arial" are proportional; "Script" has a short "x".
class FixedMeasure : public IFontMeasure {
 public:
  TextExtent Extent(const TMemoFont& font, StringView text) const override {
    const int height = std::abs(font.Height());
    const bool shortX = font.Name() == U"Script" && text == U"x";
    return {static_cast<int>(text.size()) * AverageCharWidth(font), height + (shortX ? 0 : 3)};
  }
  int AverageCharWidth(const TMemoFont& font) const override {
    return std::abs(font.Height()) / 2 + (font.HasStyle(fsBold) ? 1 : 0);
  }
  bool IsFixedPitch(const TMemoFont& font) const override { return font.Name() != U"Arial"; }
};

}  // namespace qs::testing
