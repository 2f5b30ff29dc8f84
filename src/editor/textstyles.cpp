#include "editor/textstyles.h"

#include <utility>

#include "editor/defaultstyles.h"
#include "support/errors.h"
#include "support/updatebracket.h"

namespace qs {

// ---- TTextStyle ----

TTextStyle::TTextStyle() : m_font(this), m_brush(clWindow) {
  m_font.SetOnChange([this] { FontChanged(); });
}

const ClassInfo& TTextStyle::StaticClassInfo() {
  using T = TTextStyle;
  static const ClassInfo info(
      "TTextStyle", &TNamedCollectionItem::StaticClassInfo(),
      {Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindow)
           .NoDefault()
           .StoredWhen(&T::IsColorStored),
       Prop::Object<T, TMemoFont>("Font", &T::Font).StoredWhen(&T::IsFontStored),
       Prop::Enum<T>("UpdateMemoColors", &T::UpdateMemoColors, &T::SetUpdateMemoColors, mcNone,
                     kUpdateMemoColorsNames)
           .NoDefault(),
       Prop::Boolean<T>("UseMemoColor", &T::UseMemoColor, &T::SetUseMemoColor, true).NoDefault(),
       Prop::Boolean<T>("UseMemoFont", &T::UseMemoFont, &T::SetUseMemoFont, true).NoDefault(),
       Prop::Boolean<T>("UpperCase", &T::UpperCase, &T::SetUpperCase, false)});
  return info;
}

TTextStyles* TTextStyle::Styles() const noexcept {
  return dynamic_cast<TTextStyles*>(Collection());
}

IStyleHost* TTextStyle::Host() const noexcept {
  const TTextStyles* styles = Styles();
  return styles ? styles->Host() : nullptr;
}

void TTextStyle::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TTextStyle*>(&source);
  if (!other) {
    TNamedCollectionItem::Assign(source);  // refuses with the usual message
    return;
  }
  if (other == this) return;
  const bool upperCaseChanged = m_upperCase != other->m_upperCase;
  SetName(other->Name());
  StoreColor(other->m_color);
  SetFontQuietly(other->m_font);
  m_updateMemoColors = other->m_updateMemoColors;
  m_useMemoColor = other->m_useMemoColor;
  m_useMemoFont = other->m_useMemoFont;
  m_upperCase = other->m_upperCase;
  if (IStyleHost* host = Host()) {
    if (m_useMemoColor) StoreColor(host->Color());
    if (m_useMemoFont) SetFontQuietly(host->Font());
  }
  ApplyMemoColors();
  Changed();
  RequestRehighlight(upperCaseChanged);
}

void TTextStyle::StoreColor(TColor color) {
  m_color = color;
  m_brush.SetColor(color);
  m_brush.SetStyle(bsSolid);
}

void TTextStyle::SetColor(TColor color) {
  if (m_color == color && !m_useMemoColor) return;
  StoreColor(color);
  m_useMemoColor = false;
  ApplyMemoColors();
  Changed();
}

void TTextStyle::SetUpdateMemoColors(TUpdateMemoColors value) {
  if (m_updateMemoColors == value) return;
  m_updateMemoColors = value;
  ApplyMemoColors();
  Changed();
}

void TTextStyle::SetUseMemoColor(bool value) {
  if (value && m_updateMemoColors != mcNone) return;
  if (value) {
    if (IStyleHost* host = Host()) {
      StoreColor(host->Color());
    } else {
      const TTextStyles* styles = Styles();
      if (!styles || !styles->ApplyingColorScheme()) StoreColor(clWindow);
    }
  } else if (!m_useMemoColor) {
    return;
  }
  m_useMemoColor = value;
  Changed();
}

void TTextStyle::SetUseMemoFont(bool value) {
  if (value && m_updateMemoColors != mcNone) return;
  if (value == m_useMemoFont && !value) return;
  if (value) {
    if (IStyleHost* host = Host()) SetFontQuietly(host->Font());
  }
  m_useMemoFont = value;
  Changed();
}

void TTextStyle::SetUpperCase(bool value) {
  if (m_upperCase == value) return;
  m_upperCase = value;
  Changed();
  RequestRehighlight(true);
}

void TTextStyle::ApplyMemoColors() {
  IStyleHost* host = Host();
  if (!host) return;
  switch (m_updateMemoColors) {
    case mcText:
      host->Font().SetColor(m_font.Color());
      host->SetColor(m_color);
      break;
    case mcSelection:
      host->SetSelColor(m_font.Color());
      host->SetSelBackColor(m_color);
      break;
    case mcSearchMatch:
      host->SetMatchColor(m_font.Color());
      host->SetMatchBackColor(m_color);
      break;
    case mcNone:
      break;
  }
}

void TTextStyle::FontChanged() {
  if (!m_fontByStyle) m_useMemoFont = false;
  ApplyMemoColors();
  Changed();
  RequestRehighlight(false);
}

void TTextStyle::SetFontQuietly(const TMemoFont& source) {
  const bool was = std::exchange(m_fontByStyle, true);
  try {
    m_font.Assign(source);
  } catch (...) {
    m_fontByStyle = was;
    throw;
  }
  m_fontByStyle = was;
}

void TTextStyle::FollowHost(IStyleHost& host) {
  if (m_useMemoColor && m_color != host.Color()) {
    StoreColor(host.Color());
    Changed();
  }
  const bool was = std::exchange(m_fontByStyle, true);
  try {
    m_font.BeginUpdate();
    if (m_useMemoFont) m_font.Assign(host.Font());
    m_font.SetName(host.Font().Name());
    m_font.SetHeight(host.Font().Height());
    m_font.EndUpdate();
  } catch (...) {
    m_font.EndUpdate();
    m_fontByStyle = was;
    throw;
  }
  m_fontByStyle = was;
}

void TTextStyle::RequestRehighlight(bool force) {
  if (TTextStyles* styles = Styles()) styles->RequestRehighlight(force);
}

// ---- TTextStyles ----

TTextStyles::TTextStyles(IStyleHost* host) : m_host(host) {
  AddMissingDefaultStyles(*this);
}

const ClassInfo& TTextStyles::StaticClassInfo() {
  static const ClassInfo info("TTextStyles", &TCollection::StaticClassInfo());
  return info;
}

void TTextStyles::Assign(const TPersistent& source) {
  UpdateBracket bracket(*this);
  TOwnedCollection<TTextStyle>::Assign(source);
  AddMissingDefaultStyles(*this);
}

void TTextStyles::BeginUpdate() {
  TOwnedCollection<TTextStyle>::BeginUpdate();
}

void TTextStyles::EndUpdate() {
  if (!IsUpdating()) return;
  TOwnedCollection<TTextStyle>::EndUpdate();
  if (IsUpdating()) return;
  const bool rehighlight = std::exchange(m_rehighlightPending, false);
  if (!m_host) return;
  if (rehighlight) {
    m_host->DiscardHighlighting();
    m_host->RecomputeCaretShape();
  }
  m_host->RecomputeMetrics();
}

void TTextStyles::SyncStyleFonts() {
  if (!m_host) return;
  UpdateBracket bracket(*this);
  for (int i = 0; i < Count(); ++i) Items(i).FollowHost(*m_host);
}

void TTextStyles::RequestRehighlight(bool force) {
  if (!m_host) return;
  if (!force && m_host->UseMonoFont()) return;
  if (IsUpdating()) {
    m_rehighlightPending = true;
    return;
  }
  m_host->DiscardHighlighting();
  m_host->RecomputeUniformFont();
}

void TTextStyles::Update(TCollectionItem* item) {
  TOwnedCollection<TTextStyle>::Update(item);
  if (m_host) m_host->StylesChanged();
}

}  // namespace qs
