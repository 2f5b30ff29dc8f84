// The editor control: one view of a text source, painted line by line in
// columns (gutter, left indent, line numbers, fold column, text) through a
// platform canvas, scrolled through its window host, and repainting only what
// a change of the source touched.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "editor/canvasfontmeasure.h"
#include "editor/charmetrics.h"
#include "editor/lineattributes.h"
#include "editor/memofont.h"
#include "editor/memolayout.h"
#include "editor/memooptions.h"
#include "editor/penbrush.h"
#include "editor/runlook.h"
#include "editor/stylehost.h"
#include "editor/textstyles.h"
#include "platform/canvas.h"
#include "platform/keys.h"
#include "platform/windowhost.h"
#include "support/errors.h"
#include "support/keylist.h"
#include "textmodel/qsstring.h"

namespace qs {

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;
enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

inline constexpr TMemoOptions kDefaultMemoOptions = SetBit(moThumbTracking) | SetBit(moColorSyntax);

class TCustomQSMemo;
using TMemoScrollEvent = std::function<void(TCustomQSMemo&, TScrollStyle, int delta)>;
// Sees every command a key runs before the control does; handled = true
// stops the control's own execution.
using TMemoCommandEvent = std::function<void(TCustomQSMemo&, TKeyCommand, bool& handled)>;
using TMemoErrorEvent = std::function<void(TCustomQSMemo&, const Error&)>;

class TCustomQSMemo : public IStyleHost {
 public:
  // The host is the window; the measure canvas answers font measurements
  // (the window's own canvas where the platform has one). Both outlive the
  // control.
  TCustomQSMemo(IWindowHost& host, ICanvas& measureCanvas);
  ~TCustomQSMemo() override;
  TCustomQSMemo(const TCustomQSMemo&) = delete;
  TCustomQSMemo& operator=(const TCustomQSMemo&) = delete;

  // ---- Source ---------------------------------------------------------------
  // The source shown: the assigned one, or the control's own.
  TCustomMemoSource& Source() noexcept {
    return m_source != nullptr ? *m_source : static_cast<TCustomMemoSource&>(m_internal);
  }
  const TCustomMemoSource& Source() const noexcept {
    return m_source != nullptr ? *m_source : static_cast<const TCustomMemoSource&>(m_internal);
  }
  TCustomMemoSource* MemoSource() const noexcept { return m_source; }
  // nullptr goes back to the control's own source. The source must outlive
  // its assignment.
  void SetMemoSource(TCustomMemoSource* source);
  TExternalStrings& Lines() { return Source().Lines(); }
  TSimpleParser* SyntaxParser() const noexcept { return Source().SyntaxParser(); }
  void SetSyntaxParser(TSimpleParser* parser) { Source().SetSyntaxParser(parser); }

  // ---- Layout properties ----------------------------------------------------
  TMemoOptions Options() const noexcept { return m_options; }
  void SetOptions(TMemoOptions options);
  bool HasOption(TMemoOption o) const noexcept { return qs::HasOption(m_options, o); }
  int GutterWidth() const noexcept { return m_gutterWidth; }
  void SetGutterWidth(int pixels);  // negative becomes 0
  int GutterLineIndent() const noexcept { return m_gutterLineIndent; }
  void SetGutterLineIndent(int pixels);
  int LeftIndent() const noexcept { return m_leftIndent; }
  void SetLeftIndent(int pixels);  // negative becomes 0
  int MarginPos() const noexcept { return m_marginPos; }
  void SetMarginPos(int column);
  TAlignment LineNumAlign() const noexcept { return m_lineNumAlign; }
  void SetLineNumAlign(TAlignment align);
  int HorzMaxPos() const noexcept { return m_horzMaxPos; }
  void SetHorzMaxPos(int columns);
  TScrollStyle ScrollBars() const noexcept { return m_scrollBars; }
  void SetScrollBars(TScrollStyle bars);
  bool HideSelection() const noexcept { return m_hideSelection; }
  void SetHideSelection(bool hide);
  bool Enabled() const noexcept { return m_enabled; }
  void SetEnabled(bool enabled);

  // ---- Colours and fonts ----------------------------------------------------
  TColor Color() const override { return m_color; }
  void SetColor(TColor color) override;
  TMemoFont& Font() override { return m_font; }
  TTextStyles& TextStyles() noexcept { return m_styles; }
  TColor SelColor() const noexcept { return m_selColor; }
  void SetSelColor(TColor color) override;
  TColor SelBackColor() const noexcept { return m_selBackColor; }
  void SetSelBackColor(TColor color) override;
  void SetMatchColor(TColor color) override;
  void SetMatchBackColor(TColor color) override;
  TColor LineNumColor() const noexcept { return m_lineNumColor; }
  void SetLineNumColor(TColor color);
  void SetLineNumBackColor(TColor color);
  void SetGutterBackColor(TColor color);
  void SetGutterLineColor(TColor color);
  void SetReadOnlyColor(TColor color);
  void SetDisabledColor(TColor color);
  TBrush& GutterBrush() noexcept { return m_gutterBrush; }
  TPen& MarginPen() noexcept { return m_marginPen; }
  bool UseMonoFont() const override { return true; }

  // ---- View -----------------------------------------------------------------
  std::int32_t TopLine() const noexcept { return m_topLine; }
  void SetTopLine(std::int32_t row);
  std::int32_t LeftChar() const noexcept { return m_leftChar; }
  void SetLeftChar(std::int32_t column);
  // Moves the view by whole rows and columns, clamped as the scroll bars are.
  void ScrollBy(std::int32_t rows, std::int32_t columns);
  // The last display row index the view may start at.
  std::int32_t LastRow() const;
  int LineHeight();
  int CharWidth();
  TMemoLayout Layout();
  int VisibleRows() { return Layout().visibleRows; }
  // Scrolls so that the caret is inside the view.
  void MakeCaretVisible();

  // ---- Window events --------------------------------------------------------
  // Paints the part of the client area inside clip. Never throws.
  void Paint(ICanvas& canvas, const TRect& clip) noexcept;
  void Resized();
  void FocusChanged(bool focused);
  // Invalidates the rows of lines first..last (to the window bottom when last
  // is past the text).
  void InvalidateLines(std::int32_t first, std::int32_t last);
  void UpdateScrollBars();
  void UpdateCaret();

  // Text rows painted since the last reset: what a repaint cost.
  std::int64_t PaintedRows() const noexcept { return m_paintedRows; }
  void ResetPaintedRows() noexcept { m_paintedRows = 0; }

  TMemoScrollEvent OnMemoScroll;

  // ---- Keyboard -------------------------------------------------------------
  // The key-mapping scheme the key list is built from. An unknown name keeps
  // the name and builds the "Default" scheme.
  const String& KeyMapping() const noexcept { return m_keyMapping; }
  void SetKeyMapping(const String& name);
  // Rebuilds the key list from the scheme and ends any key sequence.
  void ResetKeys();
  TKeyList& KeyList() noexcept { return m_keyList; }
  std::uint8_t KeyState() const noexcept { return m_keyState; }
  bool WantTabs() const noexcept { return m_wantTabs; }
  void SetWantTabs(bool want) noexcept { m_wantTabs = want; }
  bool WantReturns() const noexcept { return m_wantReturns; }
  void SetWantReturns(bool want) noexcept { m_wantReturns = want; }
  bool OemConvert() const noexcept { return m_oemConvert; }
  void SetOemConvert(bool convert) noexcept { m_oemConvert = convert; }
  // With a hidden caret the caret keys scroll the view instead.
  bool HideCaret() const noexcept { return m_hideCaret; }
  void SetHideCaret(bool hide) noexcept { m_hideCaret = hide; }

  // A key went down: runs its binding and tells whether it consumed the key
  // (a consumed key types no character). Modifier keys alone change nothing.
  bool KeyDown(TKey key, TShiftState shift) noexcept;
  void KeyUp() noexcept { m_keyHandled = false; }
  // A character of a key no binding consumed: typed into the text.
  bool KeyPress(Char c) noexcept;
  // Whether the key should reach the control rather than the dialog it sits
  // in (Tab only with WantTabs, Enter only with WantReturns), and whether a
  // key sequence waits for its next stroke, which then goes before any menu
  // shortcut.
  bool WantsKey(TKey key, TShiftState shift) const noexcept;
  bool SequencePending() const noexcept { return m_keyState != 0; }
  bool HasBinding(TKey key, TShiftState shift) const;

  // Runs one command as a binding would; errors are thrown.
  void ExecuteCommand(TKeyCommand command);
  TMemoCommandEvent OnCommand;
  // Told of an error a key's command raised; without a handler the message
  // is shown in an error box.
  TMemoErrorEvent OnCommandError;

  // The control's commands. The vertical moves each go through one function,
  // with extend saying whether and how the selection follows the caret.
  void RowBegin(TSelectionType extend = stNotSelected);
  void RowEnd(TSelectionType extend = stNotSelected);
  void CaretUp(TSelectionType extend = stNotSelected);
  void CaretDown(TSelectionType extend = stNotSelected);
  void CaretLeft(TSelectionType extend = stNotSelected);
  void CaretRight();
  void PageUp(TSelectionType extend = stNotSelected);
  void PageDown(TSelectionType extend = stNotSelected);
  void CaretToWindowTop(TSelectionType extend = stNotSelected);
  void CaretToWindowBottom(TSelectionType extend = stNotSelected);
  void ScrollLineUp() { ScrollBy(-1, 0); }
  void ScrollLineDown() { ScrollBy(1, 0); }
  void GotoLine();
  void CenterCaretLine();
  void MatchBracketForward();
  void MatchBracketBackward();

  // ---- IStyleHost -----------------------------------------------------------
  void StylesChanged() override;
  void DiscardHighlighting() override;
  void RecomputeCaretShape() override { UpdateCaret(); }
  void RecomputeUniformFont() override;
  void RecomputeMetrics() override;

 private:
  void Attach(TCustomMemoSource& source);
  void SourceChanged(TCustomMemoSource& source, std::int32_t first, std::int32_t last);
  void LayoutChanged();
  void Repaint() { m_host.InvalidateAll(); }
  MetricFonts Fonts() const;
  TLookContext LookContext(std::int32_t line) const;
  void ApplyView(std::int32_t topLine, std::int32_t leftChar);
  void EnsureParsed(std::int32_t firstLine, std::int32_t lastLine);

  // Painting, one part of the window each.
  void PaintParts(ICanvas& canvas, const TRect& clip);
  void PaintGutter(ICanvas& canvas, const TMemoLayout& layout, const TRect& clip);
  void PaintLineNumber(ICanvas& canvas, const TMemoLayout& layout, std::int32_t line, int top);
  void PaintTextRow(ICanvas& canvas, const TMemoLayout& layout, const TRect& clip,
                    std::int32_t line, int top);
  void PaintRowRest(ICanvas& canvas, const TMemoLayout& layout, const TRect& clip,
                    std::int32_t line, int top, std::int32_t endColumn);
  int ColumnX(const TMemoLayout& layout, std::int64_t column);

  IWindowHost& m_host;
  CanvasFontMeasure m_measure;
  TCharMetrics m_metrics;
  TMemoSource m_internal;
  TCustomMemoSource* m_source = nullptr;
  TListenerLink m_link;

  TMemoOptions m_options = kDefaultMemoOptions;
  int m_gutterWidth = 32;
  int m_gutterLineIndent = 0;
  int m_leftIndent = 0;
  int m_marginPos = 80;
  TAlignment m_lineNumAlign = taRightJustify;
  int m_horzMaxPos = 512;
  TScrollStyle m_scrollBars = ssNone;
  bool m_hideSelection = false;
  bool m_enabled = true;
  bool m_focused = false;

  TColor m_color = clWindow;
  TMemoFont m_font;
  TTextStyles m_styles;
  TColor m_selColor = clHighlightText;
  TColor m_selBackColor = clHighlight;
  TColor m_matchColor = clHighlightText;
  TColor m_matchBackColor = clHighlight;
  TColor m_lineNumColor = clWindowText;
  TColor m_lineNumBackColor = clWindow;
  TColor m_gutterBackColor = clWindow;
  TColor m_gutterLineColor = clGray;
  TColor m_readOnlyColor = clWindow;
  TColor m_disabledColor = clGrayText;
  TBrush m_gutterBrush{clBtnFace};
  TPen m_marginPen{clGrayText, kMaxLinePenWidth};

  std::int32_t m_topLine = 0;
  std::int32_t m_leftChar = 0;
  int m_numberDigits = 0;
  std::int64_t m_paintedRows = 0;

  // Keyboard
  // Tab without WantTabs, Enter without WantReturns: the dialog's keys.
  bool IsDialogKey(TKey key) const noexcept;
  bool RunControlCommand(TKeyCommand command);
  bool RunSelectingCommand(TKeyCommand command);
  void ReportCommandError(const Error& e) noexcept;
  // Moves the caret by lines and columns; with extend the selection follows.
  void MoveOrExtend(TSelectionType extend, std::int64_t lines, std::int64_t columns);
  void MoveLines(TSelectionType extend, std::int64_t lines);
  // Rows a page key moves the view and the caret.
  std::int32_t PageRows();
  void MatchBracketFrom(bool opening);
  TKeyList m_keyList;
  String m_keyMapping = U"Default";
  std::uint8_t m_keyState = 0;
  bool m_keyHandled = false;
  bool m_wantTabs = false;
  bool m_wantReturns = true;
  bool m_oemConvert = false;
  bool m_hideCaret = false;
  // Counts key-list rebuilds, so a command that rebuilt the list is noticed.
  std::uint32_t m_keyListBuilds = 0;
};

// Publishes the behaviour of TCustomQSMemo.
class TQSMemo : public TCustomQSMemo {
 public:
  using TCustomQSMemo::TCustomQSMemo;
};

}  // namespace qs
