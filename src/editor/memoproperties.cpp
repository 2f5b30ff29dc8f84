// The control's published property table, the global options it may follow,
// its paint settings objects, proportional layout, and the view positions it
// keeps per source.
#include <algorithm>
#include <array>
#include <string_view>

#include "editor/memoenvoptions.h"
#include "editor/qsmemo.h"
#include "platform/bitmapresources.h"

namespace qs {

namespace {

constexpr std::array<std::string_view, 3> kAlignmentNames = {"taLeftJustify", "taRightJustify",
                                                             "taCenter"};

}  // namespace

const ClassInfo& TCustomQSMemo::StaticClassInfo() {
  using T = TCustomQSMemo;
  static const ClassInfo info(
      "TCustomQSMemo", &TPersistent::StaticClassInfo(),
      {Prop::Set<T>("Options", &T::Options, &T::SetOptions, kDefaultMemoOptions, kMemoOptionNames),
       Prop::String<T>("KeyMapping", &T::KeyMapping, &T::SetKeyMapping, U"Default"),
       Prop::Integer<T>("MarginPos", &T::MarginPos, &T::SetMarginPos, 80),
       Prop::Integer<T>("GutterWidth", &T::GutterWidth, &T::SetGutterWidth, 32),
       Prop::Integer<T>("GutterLineIndent", &T::GutterLineIndent, &T::SetGutterLineIndent, 0),
       Prop::Integer<T>("LeftIndent", &T::LeftIndent, &T::SetLeftIndent, 0),
       Prop::Enum<T>("LineNumAlign", &T::LineNumAlign, &T::SetLineNumAlign, taRightJustify,
                     kAlignmentNames),
       Prop::Integer<T>("HorzMaxPos", &T::HorzMaxPos, &T::SetHorzMaxPos, 512),
       Prop::Boolean<T>("HideSelection", &T::HideSelection, &T::SetHideSelection, false),
       Prop::Object<T, TBrush>("GutterBrush", &T::GutterBrush),
       Prop::Object<T, TPen>("MarginPen", &T::MarginPen),
       Prop::Object<T, TLineSeparator>("LineSeparator", &T::LineSeparator),
       Prop::Object<T, TLineHighlight>("LineHighlight", &T::LineHighlight),
       Prop::Object<T, TMemoFont>("Font", &T::Font),
       Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindow),
       Prop::Collection<T, TTextStyles>("TextStyles", &T::TextStyles),
       Prop::Boolean<T>("UseMonoFont", &T::UseMonoFont, &T::SetUseMonoFont, true),
       Prop::Colour<T>("ReadOnlyColor", &T::ReadOnlyColor, &T::SetReadOnlyColor, clWindow),
       Prop::Object<T, TSpecialSymbols>("SpecialSymbols", &T::SpecialSymbols),
       Prop::Colour<T>("SelColor", &T::SelColor, &T::SetSelColor, clHighlightText),
       Prop::Colour<T>("SelBackColor", &T::SelBackColor, &T::SetSelBackColor, clHighlight),
       Prop::Colour<T>("MatchColor", &T::MatchColor, &T::SetMatchColor, clLime),
       Prop::Colour<T>("MatchBackColor", &T::MatchBackColor, &T::SetMatchBackColor, clWindowText),
       Prop::Colour<T>("LineNumColor", &T::LineNumColor, &T::SetLineNumColor, clWindowText),
       Prop::Colour<T>("LineNumBackColor", &T::LineNumBackColor, &T::SetLineNumBackColor, clWindow),
       Prop::Colour<T>("GutterBackColor", &T::GutterBackColor, &T::SetGutterBackColor, clWindow),
       Prop::Colour<T>("GutterLineColor", &T::GutterLineColor, &T::SetGutterLineColor, clGray),
       Prop::Colour<T>("LineBookmarkColor", &T::LineBookmarkColor, &T::SetLineBookmarkColor, clRed),
       Prop::Colour<T>("DisabledColor", &T::DisabledColor, &T::SetDisabledColor, clGrayText),
       Prop::Enum<T>("GutterImgsAlign", &T::GutterImgsAlign, &T::SetGutterImgsAlign, iaLeft,
                     kGutterImgsAlignNames),
       Prop::Object<T, TControlBackground>("MemoBackground", &T::MemoBackground),
       Prop::Object<T, TGutterBackground>("GutterBackground", &T::GutterBackground),
       Prop::Boolean<T>("UseGlobalOptions", &T::UseGlobalOptions, &T::SetUseGlobalOptions, false)});
  return info;
}

void TCustomQSMemo::InitPaintParts() {
  AddDefaultGutterImages(m_gutterImages, BitmapResources());
  m_gutterImages.SetOnChange([this](TCollectionItem*) {
    if (HasOption(moDrawGutter)) Repaint();
  });
  m_lineSeparator.SetOnChange([this] {
    if (m_lineSeparator.ChangeIsVisible()) Repaint();
  });
  m_lineHighlight.SetOnChange([this] {
    const std::int32_t caretLine = Source().CaretLine();
    InvalidateLines(caretLine, caretLine);
  });
  m_specialSymbols.SetOnChange([this] {
    if (HasOption(moDrawSpecialSymbols)) Repaint();
  });
  m_memoBackground.SetOnChange([this] {
    m_memoBackgroundCache.Invalidate();
    Repaint();
  });
  m_gutterBackground.SetOnChange([this] {
    m_gutterBackgroundCache.Invalidate();
    Repaint();
  });
}

void TCustomQSMemo::SetGutterImgsAlign(TGutterImgsAlign align) {
  if (align == m_gutterImgsAlign) return;
  m_gutterImgsAlign = align;
  if (HasOption(moDrawGutter)) Repaint();
}

void TCustomQSMemo::SetLineBookmarkColor(TColor color) {
  if (color == m_lineBookmarkColor) return;
  m_lineBookmarkColor = color;
  if (HasOption(moDrawLineBookmarks)) Repaint();
}

// ---- Global options ---------------------------------------------------------

void TCustomQSMemo::SetUseGlobalOptions(bool use) {
  if (use == m_useGlobalOptions) return;
  m_useGlobalOptions = use;
  if (!use) return;
  ApplyGlobalOptions(*this, m_styles);
  Source().SetUseGlobalOptions(true);
}

void TCustomQSMemo::ControlMessageReceived(ControlMessage message) {
  if (message == CM_MEMOOPTIONSCHANGED && m_useGlobalOptions) ApplyGlobalOptions(*this, m_styles);
}

// ---- Proportional layout ----------------------------------------------------

void TCustomQSMemo::SetUseMonoFont(bool value) {
  if (value == m_useMonoFont) return;
  m_useMonoFont = value;
  TCustomMemoSource& s = Source();
  // Column blocks need fixed cells.
  if (!value) {
    m_blockOptionBeforeProportional = s.BlockOption();
    if (s.BlockOption() == bkBoth) s.SetBlockOption(bkStreamSel);
    if (s.BlockOption() == bkBlockSel) s.SetBlockOption(bkNone);
  } else if (m_blockOptionBeforeProportional) {
    s.SetBlockOption(*m_blockOptionBeforeProportional);
    m_blockOptionBeforeProportional.reset();
  }
  RecomputeMetrics();
}

// ---- Stored view positions --------------------------------------------------

void TCustomQSMemo::WatchSource() {
  m_sourceWatch.reset();
  if (m_source != nullptr)
    m_sourceWatch = std::make_unique<TSourceWatch>(*m_source, [this] { SourceDestroyed(); });
}

void TCustomQSMemo::SourceDestroyed() {
  // The source is half gone: nothing of it may be read, nothing saved.
  m_positions.Drop(m_source);
  m_source = nullptr;
  m_link.Reset();
  m_topLine = 0;
  m_leftChar = 0;
  Attach(m_internal);
  RestoreViewPosition();
  m_sourceWatch.reset();
}

void TCustomQSMemo::SaveViewPosition() {
  m_positions.Save(Source(), m_topLine, m_leftChar, Source().Caret());
}

void TCustomQSMemo::RestoreViewPosition() {
  const std::optional<TStoredPosition> stored = m_positions.Find(Source());
  if (!stored) return;
  TCustomMemoSource& s = Source();
  // The text may have shrunk since the position was saved.
  const std::int32_t line = std::clamp(stored->caret.Line, 0, std::max(s.LineCount() - 1, 0));
  s.SetCaretPos(std::max(stored->caret.Column, 0), line);
  m_topLine = std::clamp(stored->topLine, 0, LastRow());
  m_leftChar = std::clamp(stored->leftChar, 0, HorzRange());
  LayoutChanged();
}

}  // namespace qs
