#include "editor/qsmemo.h"

#include <algorithm>

#include "editor/memoenvoptions.h"
#include "editor/memorichmode.h"

namespace qs {

TCustomQSMemo::TCustomQSMemo(IWindowHost& host, ICanvas& measureCanvas)
    : m_host(host),
      m_measure(measureCanvas),
      m_metrics(m_measure),
      m_styles(this),
      m_measureCanvas(measureCanvas) {
  m_font.SetOnChange([this] {
    m_styles.SyncStyleFonts();
    RecomputeMetrics();
  });
  m_gutterBrush.SetOnChange([this] { Repaint(); });
  m_marginPen.SetOnChange([this] { Repaint(); });
  m_metrics.RecomputeUniformFont(Fonts());
  InitPaintParts();
  m_rich = std::make_unique<TMemoRichMode>(*this);
  Attach(m_internal);
  ResetKeys();
}

TCustomQSMemo::~TCustomQSMemo() {
  RemoveMoveHooks(Source());
  m_link.Reset();
  m_rich.reset();
  // The measuring canvas may go with the control.
  FontManager().Forget(m_measureCanvas);
}

// ---- Source -----------------------------------------------------------------

void TCustomQSMemo::SetMemoSource(TCustomMemoSource* source) {
  if (source == &m_internal) source = nullptr;
  if (source == m_source) return;
  SaveViewPosition();
  RemoveMoveHooks(Source());
  if (m_wordWrap) MaskBlockOption(Source(), false);
  m_link.Reset();
  m_source = source;
  m_topLine = 0;
  m_leftChar = 0;
  WatchSource();
  Attach(Source());
  RestoreViewPosition();
}

void TCustomQSMemo::Attach(TCustomMemoSource& source) {
  m_numberDigits = 0;
  m_widestSeen = 0;
  if (m_wordWrap) MaskBlockOption(source, true);
  if (!source.OnMoveQuery) InstallMoveHooks();
  // The first notification builds the whole view: ranges, caret, repaint.
  m_link = source.Listen([this](TCustomMemoSource& s, std::int32_t first,
                                std::int32_t last) { SourceChanged(s, first, last); },
                         this, true);
}

// ---- Layout properties ------------------------------------------------------

void TCustomQSMemo::LayoutChanged() {
  CheckWrapCapacity();
  UpdateScrollBars();
  UpdateCaret();
  Repaint();
}

void TCustomQSMemo::SetOptions(TMemoOptions options) {
  if (options == m_options) return;
  const bool colouringChanged =
      qs::HasOption(options, moColorSyntax) != qs::HasOption(m_options, moColorSyntax);
  m_options = options;
  if (colouringChanged) m_metrics.RecomputeUniformFont(Fonts());
  LayoutChanged();
}

void TCustomQSMemo::SetGutterWidth(int pixels) {
  pixels = std::clamp(pixels, 0, TMemoEnvOptions::kMaxGutterWidth);
  if (pixels == m_gutterWidth) return;
  m_gutterWidth = pixels;
  if (HasOption(moDrawGutter)) LayoutChanged();
}

void TCustomQSMemo::SetGutterLineIndent(int pixels) {
  pixels = std::clamp(pixels, 0, TMemoEnvOptions::kMaxGutterWidth);
  if (pixels == m_gutterLineIndent) return;
  m_gutterLineIndent = pixels;
  LayoutChanged();
}

void TCustomQSMemo::SetLeftIndent(int pixels) {
  pixels = std::clamp(pixels, 0, TMemoEnvOptions::kMaxGutterWidth);
  if (pixels == m_leftIndent) return;
  m_leftIndent = pixels;
  if (HasOption(moLeftIndent)) LayoutChanged();
}

void TCustomQSMemo::SetMarginPos(int column) {
  column = std::clamp(column, 0, TMemoEnvOptions::kMaxMarginPos);
  if (column == m_marginPos) return;
  m_marginPos = column;
  CheckWrapCapacity();
  Repaint();
}

void TCustomQSMemo::SetLineNumAlign(TAlignment align) {
  if (align == m_lineNumAlign) return;
  m_lineNumAlign = align;
  if (HasOption(moLineNumbers)) Repaint();
}

void TCustomQSMemo::SetHorzMaxPos(int columns) {
  m_horzMaxPos = std::clamp(columns, 0, 32767);
  UpdateScrollBars();
}

void TCustomQSMemo::SetScrollBars(TScrollStyle bars) {
  m_scrollBars = bars;
  UpdateScrollBars();
}

void TCustomQSMemo::SetHideSelection(bool hide) {
  if (hide == m_hideSelection) return;
  m_hideSelection = hide;
  if (!m_focused && Source().HasSelection()) Repaint();
}

void TCustomQSMemo::SetEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  Repaint();
}

// ---- Colours ----------------------------------------------------------------

namespace {

template <class T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TCustomQSMemo::SetColor(TColor color) {
  if (Store(m_color, color)) Repaint();
}
void TCustomQSMemo::SetSelColor(TColor color) {
  if (Store(m_selColor, color)) Repaint();
}
void TCustomQSMemo::SetSelBackColor(TColor color) {
  if (Store(m_selBackColor, color)) Repaint();
}
void TCustomQSMemo::SetMatchColor(TColor color) {
  if (Store(m_matchColor, color)) Repaint();
}
void TCustomQSMemo::SetMatchBackColor(TColor color) {
  if (Store(m_matchBackColor, color)) Repaint();
}
void TCustomQSMemo::SetLineNumColor(TColor color) {
  if (Store(m_lineNumColor, color) && HasOption(moLineNumbers)) Repaint();
}
void TCustomQSMemo::SetLineNumBackColor(TColor color) {
  if (Store(m_lineNumBackColor, color) && HasOption(moLineNumbers)) Repaint();
}
void TCustomQSMemo::SetGutterBackColor(TColor color) {
  if (Store(m_gutterBackColor, color) && HasOption(moDrawGutter)) Repaint();
}
void TCustomQSMemo::SetGutterLineColor(TColor color) {
  if (Store(m_gutterLineColor, color) && HasOption(moDrawGutter)) Repaint();
}
void TCustomQSMemo::SetReadOnlyColor(TColor color) {
  if (Store(m_readOnlyColor, color) && Source().ReadOnly()) Repaint();
}
void TCustomQSMemo::SetDisabledColor(TColor color) {
  if (Store(m_disabledColor, color) && !m_enabled) Repaint();
}

// ---- Metrics ----------------------------------------------------------------

MetricFonts TCustomQSMemo::Fonts() const {
  return {m_font, m_styles, true, nullptr};
}

int TCustomQSMemo::LineHeight() {
  return std::max(m_metrics.LineHeight(Fonts()), 1);
}
int TCustomQSMemo::CharWidth() {
  return std::max(m_metrics.CharWidth(Fonts()), 1);
}

TMemoLayout TCustomQSMemo::Layout() {
  const TRect client = m_host.ClientRect();
  TMemoLayoutInput in;
  in.options = m_options;
  in.gutterWidth = m_gutterWidth;
  in.gutterLineIndent = m_gutterLineIndent;
  in.leftIndent = m_leftIndent;
  in.lineCount = Source().LineCount();
  in.topLine = m_wordWrap ? DisplayRowAt(m_topLine).line : m_topLine;
  in.wordWrap = m_wordWrap;
  in.lineHeight = LineHeight();
  in.charWidth = CharWidth();
  in.clientWidth = client.Width();
  in.clientHeight = client.Height();
  return ComputeLayout(in);
}

void TCustomQSMemo::StylesChanged() {
  m_metrics.ResetLineHeight();
  m_metrics.ResetCharWidth();
  Repaint();
}

void TCustomQSMemo::DiscardHighlighting() {
  if (Source().SyntaxParser() != nullptr) Source().ResetHighlighting();
}

void TCustomQSMemo::RecomputeUniformFont() {
  m_metrics.RecomputeUniformFont(Fonts());
}

void TCustomQSMemo::RecomputeMetrics() {
  m_metrics.ResetLineHeight();
  m_metrics.ResetCharWidth();
  m_metrics.RecomputeUniformFont(Fonts());
  LayoutChanged();
}

}  // namespace qs
