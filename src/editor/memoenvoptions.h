// The editor environment options: the one process-wide set of editor display
// settings, kept in the settings store under "CodeEdit\", that every editor
// control following the global options mirrors after each change.
#pragma once

#include <string>

#include "editor/lineattributes.h"
#include "editor/memofont.h"
#include "editor/memooptions.h"
#include "editor/penbrush.h"
#include "editor/specialsymbols.h"
#include "editor/textstyles.h"
#include "support/notifier.h"
#include "support/optionobject.h"

namespace qs {

class TMemoEnvOptions : public TOptionExt {
 public:
  // Stored numbers beyond these are taken as the nearest bound.
  static constexpr int kMaxMarginPos = 1024;
  static constexpr int kMaxGutterWidth = 1000;

  // Reset to the defaults; a copy of the registered instance when there is one.
  TMemoEnvOptions();

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "CodeEdit\\"; }

  TMemoOptions Options() const noexcept { return m_options; }
  void SetOptions(TMemoOptions options);
  const String& KeyMapping() const noexcept { return m_keyMapping; }
  void SetKeyMapping(const String& name);
  int MarginPos() const noexcept { return m_marginPos; }
  void SetMarginPos(int column);  // clamped to 0..kMaxMarginPos
  int GutterWidth() const noexcept { return m_gutterWidth; }
  void SetGutterWidth(int pixels);  // clamped to 0..kMaxGutterWidth
  TBrush& GutterBrush() noexcept { return m_gutterBrush; }
  TPen& MarginPen() noexcept { return m_marginPen; }
  TLineSeparator& LineSeparator() noexcept { return m_lineSeparator; }
  TLineHighlight& LineHighlight() noexcept { return m_lineHighlight; }
  TMemoFont& Font() noexcept { return m_font; }
  const TMemoFont& Font() const noexcept { return m_font; }
  TTextStyles& TextStyles() noexcept { return m_textStyles; }
  const TTextStyles& TextStyles() const noexcept { return m_textStyles; }
  TColor Color() const noexcept { return m_color; }
  void SetColor(TColor color);
  bool UseMonoFont() const noexcept { return m_useMonoFont; }
  void SetUseMonoFont(bool value);
  TColor ReadOnlyColor() const noexcept { return m_readOnlyColor; }
  void SetReadOnlyColor(TColor color);
  TSpecialSymbols& SpecialSymbols() noexcept { return m_specialSymbols; }
  // The colour scheme last chosen on the option pages.
  const String& ColorSchema() const noexcept { return m_colorSchema; }
  void SetColorSchema(const String& name);

 protected:
  void ResetExtras() override;

 private:
  template <class T, class V>
  void Store(T& field, const V& value);
  void WatchSubObjects();

  TMemoOptions m_options = kDefaultEnvMemoOptions;
  String m_keyMapping = U"Default";
  int m_marginPos = 80;
  int m_gutterWidth = 32;
  TBrush m_gutterBrush{clBtnFace};
  TPen m_marginPen{clGrayText, kMaxLinePenWidth};
  TLineSeparator m_lineSeparator;
  TLineHighlight m_lineHighlight;
  TMemoFont m_font{this};
  TTextStyles m_textStyles;
  TColor m_color = clWindow;
  bool m_useMonoFont = true;
  TColor m_readOnlyColor = clWindow;
  TSpecialSymbols m_specialSymbols;
  String m_colorSchema;
  // Passes this instance's changes to every editor control.
  Subscription m_broadcast;
};

// The registered instance: made on first use, reset, given to the creation
// hooks and loaded from the settings store.
TMemoEnvOptions& MemoEnvOptions();

// Copies the global options into a control, by published property name, in
// the order the control needs them, inside one bracket of its style list;
// then its colour again and its style fonts follow its font.
void ApplyGlobalOptions(TPersistent& control, TTextStyles& controlStyles,
                        const TMemoEnvOptions& options = MemoEnvOptions());

}  // namespace qs
