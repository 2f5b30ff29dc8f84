// The editor control: one view of a text source, painted line by line in
// columns (gutter, left indent, line numbers, fold column, text) through a
// platform canvas, scrolled through its window host, and repainting only what
// a change of the source touched.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "editor/canvasfontmeasure.h"
#include "editor/charmetrics.h"
#include "editor/lineattributes.h"
#include "editor/memofont.h"
#include "editor/memolayout.h"
#include "editor/memomousetypes.h"
#include "editor/memooptions.h"
#include "editor/penbrush.h"
#include "editor/runlook.h"
#include "editor/stylehost.h"
#include "editor/textstyles.h"
#include "platform/canvas.h"
#include "platform/popupmenu.h"
#include "platform/timers.h"
#include "platform/windowhost.h"
#include "textmodel/qsstring.h"

namespace qs {

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;
enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

inline constexpr TMemoOptions kDefaultMemoOptions = SetBit(moThumbTracking) | SetBit(moColorSyntax);

class TCustomQSMemo;
using TMemoScrollEvent = std::function<void(TCustomQSMemo&, TScrollStyle, int delta)>;

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

  // ---- Caret, mouse, scrolling and clipboard --------------------------------
  // Pointer input in client pixels. None of these throws: a step that fails
  // ends the pointer operation where it stands.
  void MouseDown(TMouseButton button, TShiftState shift, TPoint p) noexcept;
  void MouseMove(TShiftState shift, TPoint p) noexcept;
  void MouseUp(TMouseButton button, TShiftState shift, TPoint p) noexcept;
  // One wheel event: 120 units a notch, positive scrolls up. False when it
  // could not be handled.
  bool MouseWheel(int delta) noexcept;
  void MouseLeave() noexcept;
  // The popup menu: by keyboard at the caret, else at client point p.
  void ContextMenu(bool byKeyboard, TPoint p) noexcept;
  // Ends a mouse selection or drag where it stands.
  void CancelMouseAction() noexcept;
  TMouseState MouseState() const noexcept { return m_mouse.state; }
  // The (line, column) a press at client point p puts the caret on: never a
  // negative column, never below the last line unless soBeyondFileEnd.
  TPosition PointToPosition(TPoint p);

  // The clipboard; the keyboard and the menus call these.
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();  // nothing when read-only
  // The clear request: deletes the selection (not the document).
  void Clear();
  bool CanPaste() const;
  // The standard edit-control queries. Character indexes count each line
  // break as two characters (CR LF), as the text's Text form has them.
  std::int32_t GetLineCount() const { return Source().LineCount(); }
  // The index of line's first character in the whole text; -1 out of range.
  std::int64_t LineIndex(std::int32_t line) const;
  std::int64_t GetTextLength() const;
  // Copies as much of line as fits into buffer (no terminating zero) and
  // returns the number of characters copied.
  std::size_t GetLine(std::int32_t line, std::span<Char> buffer) const;

  TClipboardType ClipboardType() const noexcept { return m_clipboardType; }
  void SetClipboardType(TClipboardType type) noexcept { m_clipboardType = type; }
  bool PlainText() const noexcept { return m_clipboardType == cbNormal; }
  void SetPlainText(bool plain) noexcept { m_clipboardType = plain ? cbNormal : cbRtf; }
  bool UseDefaultMenu() const noexcept { return m_useDefaultMenu; }
  void SetUseDefaultMenu(bool use) noexcept { m_useDefaultMenu = use; }
  TWordSelectionType WordSelectionType() const noexcept { return m_wordSelectionType; }
  void SetWordSelectionType(TWordSelectionType type) noexcept { m_wordSelectionType = type; }
  qs::Cursor DragCursor() const noexcept { return m_dragCursor; }
  void SetDragCursor(qs::Cursor cursor) noexcept { m_dragCursor = cursor; }
  bool HideCaret() const noexcept { return m_hideCaret; }
  void SetHideCaret(bool hide);
  TPopupMenu* PopupMenu() const noexcept { return m_popupMenu; }
  void SetPopupMenu(TPopupMenu* menu) noexcept { m_popupMenu = menu; }
  // Where menus are shown; without one the control shows none.
  void SetMenuHost(IPopupMenuHost* host) noexcept { m_menuHost = host; }
  // The gutter image collection reports its glyph sizes here, so a click can
  // tell which image it hit.
  void SetGutterImageSizes(std::vector<TSize> sizes) { m_gutterImageSizes = std::move(sizes); }
  TClickGutterEvent OnClickGutter;
  TJumpToUrlEvent OnJumpToUrl;

 private:
  struct THit {
    TPosition pos;              // where the caret goes (rounded to the nearer cell edge)
    std::int64_t cellColumn = 0;  // the column of the cell under the pointer
    bool belowText = false;
  };
  THit HitTest(TPoint p);
  void ShapeCaret();
  void Press(TMouseButton button, TShiftState shift, TPoint p);
  void Release(TMouseButton button, TShiftState shift, TPoint p);
  void DoubleClick(TPoint p, const TMemoLayout& layout);
  bool IsTripleClick(TPoint p, const TMemoLayout& layout) const;
  void BeginSelectOrDrag(TShiftState shift, const THit& hit, TPosition before);
  void StartMouseTimer();
  void StopMouseTimer();
  void MouseTimerTick() noexcept;
  void TrackPointer(TPoint p, TShiftState keys);
  void SelectFromAnchor(TPosition to, TSelectionType mode);
  TPosition WordEdge(TPosition pos, bool movingRight) const;
  void Drop(bool copy);
  bool OverUrl(const THit& hit);
  void JumpToUrl(const THit& hit);
  void ClickGutter(TMouseButton button, TShiftState shift, TPoint p);
  void UpdatePointerCursor(TPoint p);
  void ShowContextMenu(bool byKeyboard, TPoint p);
  TPopupMenu& DefaultMenu();

 public:

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

  // ---- Caret, mouse, scrolling and clipboard --------------------------------
  TMouseData m_mouse;
  std::unique_ptr<ScopedTimer> m_mouseTimer;  // made on the first press
  TClipboardType m_clipboardType = cbNormal;
  bool m_useDefaultMenu = true;
  TWordSelectionType m_wordSelectionType = wsWordOnly;
  qs::Cursor m_dragCursor = qs::Cursor::Drag;
  qs::Cursor m_pointerCursor = qs::Cursor::Default;
  bool m_hideCaret = false;
  TSize m_caretSize;  // of the caret last created
  TPopupMenu* m_popupMenu = nullptr;
  std::unique_ptr<TPopupMenu> m_defaultMenu;
  IPopupMenuHost* m_menuHost = nullptr;
  std::vector<TSize> m_gutterImageSizes;
};

// Publishes the behaviour of TCustomQSMemo.
class TQSMemo : public TCustomQSMemo {
 public:
  using TCustomQSMemo::TCustomQSMemo;
};

}  // namespace qs
