#include "editor/memoenvoptions.h"

#include <algorithm>

#include "editor/editorcontrols.h"
#include "support/updatebracket.h"

namespace qs {

namespace {

constexpr std::string_view kGlobalPropertyOrder =
    "KeyMapping,Options,MarginPos,GutterWidth,GutterBrush,MarginPen,LineSeparator,"
    "LineHighlight,Font,Color,TextStyles,UseMonoFont,UseReadOnlyColor,ReadOnlyColor,"
    "SpecialSymbols";

}  // namespace

TMemoEnvOptions::TMemoEnvOptions() {
  WatchSubObjects();
  ResetDefaults();
  // Only the registered instance sends anything: TOptionExt stays silent for
  // every other one.
  m_broadcast = OnChanged([] { BroadcastControlMessage(CM_MEMOOPTIONSCHANGED); });
  if (const TMemoEnvOptions* registered = FindRegisteredOptions<TMemoEnvOptions>())
    Assign(*registered);
}

const ClassInfo& TMemoEnvOptions::StaticClassInfo() {
  using T = TMemoEnvOptions;
  static const ClassInfo info(
      "TMemoEnvOptions", &TOptionExt::StaticClassInfo(),
      {Prop::Set<T>("Options", &T::Options, &T::SetOptions, kDefaultEnvMemoOptions,
                    kMemoOptionNames),
       Prop::String<T>("KeyMapping", &T::KeyMapping, &T::SetKeyMapping, U"Default"),
       Prop::Integer<T>("MarginPos", &T::MarginPos, &T::SetMarginPos, 80),
       Prop::Integer<T>("GutterWidth", &T::GutterWidth, &T::SetGutterWidth, 32),
       Prop::Object<T, TBrush>("GutterBrush", &T::GutterBrush),
       Prop::Object<T, TPen>("MarginPen", &T::MarginPen),
       Prop::Object<T, TLineSeparator>("LineSeparator", &T::LineSeparator),
       Prop::Object<T, TLineHighlight>("LineHighlight", &T::LineHighlight),
       Prop::Object<T, TMemoFont>("Font", &T::Font),
       Prop::Collection<T, TTextStyles>("TextStyles", &T::TextStyles),
       Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindow),
       Prop::Boolean<T>("UseMonoFont", &T::UseMonoFont, &T::SetUseMonoFont, true),
       Prop::Colour<T>("ReadOnlyColor", &T::ReadOnlyColor, &T::SetReadOnlyColor, clWindow),
       Prop::Object<T, TSpecialSymbols>("SpecialSymbols", &T::SpecialSymbols),
       Prop::String<T>("ColorSchema", &T::ColorSchema, &T::SetColorSchema)});
  return info;
}

void TMemoEnvOptions::WatchSubObjects() {
  const auto changed = [this] { Changed(); };
  m_gutterBrush.SetOnChange(changed);
  m_marginPen.SetOnChange(changed);
  m_lineSeparator.SetOnChange(changed);
  m_lineHighlight.SetOnChange(changed);
  m_font.SetOnChange(changed);
  m_textStyles.SetOnChange([this](TCollectionItem*) { Changed(); });
  m_specialSymbols.SetOnChange(changed);
}

void TMemoEnvOptions::ResetExtras() {
  // The sub-objects' own tables know only their class defaults; these are
  // the values the options start from.
  m_gutterBrush.Assign(TBrush(clBtnFace));
  m_marginPen.Assign(TPen(clGrayText, kMaxLinePenWidth));
  m_lineSeparator.Assign(TLineSeparator());
  m_lineHighlight.Assign(TLineHighlight());
  m_font.Assign(TMemoFont());
  m_textStyles.Assign(TTextStyles());
  m_specialSymbols.Assign(TSpecialSymbols());
}

template <class T, class V>
void TMemoEnvOptions::Store(T& field, const V& value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TMemoEnvOptions::SetOptions(TMemoOptions options) {
  Store(m_options, options);
}

void TMemoEnvOptions::SetKeyMapping(const String& name) {
  Store(m_keyMapping, name);
}

void TMemoEnvOptions::SetMarginPos(int column) {
  Store(m_marginPos, std::clamp(column, 0, kMaxMarginPos));
}

void TMemoEnvOptions::SetGutterWidth(int pixels) {
  Store(m_gutterWidth, std::clamp(pixels, 0, kMaxGutterWidth));
}

void TMemoEnvOptions::SetColor(TColor color) {
  Store(m_color, color);
}

void TMemoEnvOptions::SetUseMonoFont(bool value) {
  Store(m_useMonoFont, value);
}

void TMemoEnvOptions::SetReadOnlyColor(TColor color) {
  Store(m_readOnlyColor, color);
}

void TMemoEnvOptions::SetColorSchema(const String& name) {
  Store(m_colorSchema, name);
}

TMemoEnvOptions& MemoEnvOptions() {
  return RegisteredOptions<TMemoEnvOptions>();
}

void ApplyGlobalOptions(TPersistent& control, TTextStyles& controlStyles,
                        const TMemoEnvOptions& options) {
  UpdateBracket bracket(controlStyles);
  AssignByName(control, options, kGlobalPropertyOrder);
  AssignByName(control, options, "Color");
  controlStyles.SyncStyleFonts();
}

}  // namespace qs
