// The editor control: one view of a text source, painted line by line in
// columns (gutter, left indent, line numbers, fold column, text) through a
// platform canvas, scrolled through its window host, and repainting only what
// a change of the source touched.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "editor/canvasfontmeasure.h"
#include "editor/charmetrics.h"
#include "editor/controlbackground.h"
#include "editor/editorcontrols.h"
#include "editor/fontcache.h"
#include "editor/gutterimages.h"
#include "editor/lineattributes.h"
#include "editor/memofont.h"
#include "editor/memolayout.h"
#include "editor/memomousetypes.h"
#include "editor/memooptions.h"
#include "editor/memopositions.h"
#include "editor/memorow.h"
#include "editor/penbrush.h"
#include "editor/printoptions.h"
#include "editor/runlook.h"
#include "editor/specialsymbols.h"
#include "editor/stylehost.h"
#include "editor/textstyles.h"
#include "editor/wordwrap.h"
#include "export/exporter.h"
#include "export/importers.h"
#include "platform/canvas.h"
#include "platform/keys.h"
#include "platform/popupmenu.h"
#include "platform/timers.h"
#include "platform/windowhost.h"
#include "support/errors.h"
#include "support/guardedcall.h"
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
// Sees (and may change) each piece of converted text before it is written.
using TExportStringEvent = std::function<void(TQSExporter& sender, std::string& s)>;
class TExportWalk;
class TMemoRichMode;
class TMemoAttributes;
class TAttributeParser;

class TCustomQSMemo : public TPersistent, public IStyleHost, public IMessageTarget {
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
  void SetGutterWidth(int pixels);  // clamped to 0..TMemoEnvOptions::kMaxGutterWidth
  int GutterLineIndent() const noexcept { return m_gutterLineIndent; }
  void SetGutterLineIndent(int pixels);  // clamped as GutterWidth
  int LeftIndent() const noexcept { return m_leftIndent; }
  void SetLeftIndent(int pixels);  // clamped as GutterWidth
  int MarginPos() const noexcept { return m_marginPos; }
  void SetMarginPos(int column);  // clamped to 0..TMemoEnvOptions::kMaxMarginPos
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
  bool UseMonoFont() const override { return m_useMonoFont; }

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
  // The client pixel of the top left of p's character cell, and the screen
  // pixel of a client one: where popups over the text are placed.
  TPoint PositionToClient(TPosition p);
  [[nodiscard]] TPoint ClientToScreen(TPoint p) const;

  // ---- Window events --------------------------------------------------------
  // Paints the part of the client area inside clip. Never throws.
  void Paint(ICanvas& canvas, const TRect& clip) noexcept;
  void Resized();
  void FocusChanged(bool focused);
  // Invalidates the rows of lines first..last (to the window bottom when last
  // is past the text).
  void InvalidateLines(std::int32_t first, std::int32_t last);
  void UpdateScrollBars();
  std::int32_t HorzRange() const;
  void NoteShownWidths(const TMemoLayout& layout);
  void UpdateCaret();

  // Text rows painted since the last reset: what a repaint cost.
  std::int64_t PaintedRows() const noexcept { return m_paintedRows; }
  void ResetPaintedRows() noexcept { m_paintedRows = 0; }

  TMemoScrollEvent OnMemoScroll;

  // ---- Caret, mouse, scrolling and clipboard --------------------------------
  // Pointer input in client pixels. None of these throws: a step that fails
  // is shown (see support/guardedcall.h) and ends the pointer operation
  // where it stands.
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
  // Inserts text dragged in from another program at the client point p and
  // selects it; nothing when read-only.
  void DropText(TPoint p, StringView text);
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
  // A hidden caret is not drawn, and the caret keys scroll the view instead.
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

  // ---- Export ---------------------------------------------------------------
  // Writes the document (or only the selection) through exporter, each run of
  // characters painted alike in the font and colours it is painted with.
  void ExportDocument(TQSExporter& exporter, bool selectionOnly);
  void ExportToStream(TOutputStream& stream, TExporterClass exporterClass, bool selectionOnly);
  // The whole output is made before the file is touched, then replaces it in
  // one step: a failed export leaves the old file as it was.
  void ExportToFile(const std::string& fileName, TExporterClass exporterClass, bool selectionOnly);
  void SaveToHtml(const std::string& fileName, bool selectionOnly = false);
  void SaveToRtf(const std::string& fileName, bool selectionOnly = false);
  TExportStringEvent OnExportString;

  // ---- Rich attribute mode and import ---------------------------------------
  // The format of the selection (of the caret without one). Reading it gives
  // a control without a highlighter the attribute highlighter.
  TMemoAttributes& SelectionAttributes();
  // The attribute highlighter while it is the control's highlighter.
  TAttributeParser* AttributeParser() const noexcept;
  // No highlighter, or the attribute one: formatted text keeps its format.
  bool RichModeAvailable() const noexcept;
  // Frees every format but the control's own.
  void ClearAttributes();
  // Whether the painter colours text by its style bytes.
  bool ShowsStyleBytes() const;
  // Inserts what the importer reads from input at the caret (formatted in
  // rich attribute mode). Returns how many runs kept the control's format
  // because the table of formats was full.
  int ImportFromStream(std::string_view input, TImporterClass importerClass);
  // Replace the document with the import; a failure leaves the document,
  // its formats and its history as they were. Return as ImportFromStream.
  int LoadFromHtmlStream(std::string_view input);
  int LoadFromRtfStream(std::string_view input);
  int LoadFromHtmlFile(const std::string& fileName);
  int LoadFromRtfFile(const std::string& fileName);
  TImporterClass RtfImporterClass() const noexcept { return m_rtfImporterClass; }
  void SetRtfImporterClass(TImporterClass c) noexcept { m_rtfImporterClass = c; }
  TImporterClass HtmlImporterClass() const noexcept { return m_htmlImporterClass; }
  void SetHtmlImporterClass(TImporterClass c) noexcept { m_htmlImporterClass = c; }

 private:
  int ImportWith(std::string_view input, TQSImporter& importer);
  int LoadFromImport(std::string_view input, TImporterClass importerClass);
  // A drop inside the control in rich attribute mode: the selection goes
  // through RTF, so its formats travel with it.
  void DropFormatted(bool copy);

 private:
  friend class TExportWalk;
  struct THit {
    TPosition pos;                // where the caret goes (rounded to the nearer cell edge)
    std::int64_t cellColumn = 0;  // the column of the cell under the pointer
    bool belowText = false;
  };
  THit HitTest(TPoint p);
  void ShapeCaret();
  void Press(TMouseButton button, TShiftState shift, TPoint p);
  void Release(TMouseButton button, TShiftState shift, TPoint p);
  void PointContextMenu(const THit& hit);
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
  // Told of an error a key's command raised (one that is no qs::Error comes
  // as "Internal error: ..." and is logged too); without a handler the
  // message is shown in the error box.
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

  // ---- Printing -------------------------------------------------------------
  TQSPrintOptions PrintOptions() const noexcept { return m_printOptions; }
  void SetPrintOptions(TQSPrintOptions options) noexcept {
    m_printOptions = TQSPrintOptions::FromBits(options.ToBits() & kAllPrintOptionBits);
  }
  TMemoFont& PrinterFont() noexcept { return m_printerFont; }
  const TMemoFont& PrinterFont() const noexcept { return m_printerFont; }
  bool UsePrinterFont() const noexcept { return m_usePrinterFont; }
  void SetUsePrinterFont(bool use) noexcept { m_usePrinterFont = use; }
  int PrintIndent() const noexcept { return m_printIndent; }
  void SetPrintIndent(int pixels) noexcept { m_printIndent = ClampPrintIndent(pixels); }
  TBeforePrintEvent OnBeforePrint;
  // Prints on the platform's current printer with PrintOptions; nothing when
  // the document has no lines. Cancelled or failed, the printer's job is
  // aborted and nothing of it is kept.
  void Print();
  // The print dialog, then Print on OK. Without a printer it fails before
  // the dialog opens.
  void PrintWithDialog();
  // The canvas the control measures its fonts on.
  ICanvas& MeasureCanvas() const noexcept { return m_measureCanvas; }
  // Paints like Paint, for a caller that reports failures itself (a printed
  // page must not come out blank because a paint failed).
  void PaintTo(ICanvas& canvas, const TRect& clip) { PaintParts(canvas, clip); }

  // ---- IStyleHost -----------------------------------------------------------
  void StylesChanged() override;
  void DiscardHighlighting() override;
  void RecomputeCaretShape() override { UpdateCaret(); }
  void RecomputeUniformFont() override;
  void RecomputeMetrics() override;

  // ---- Painting: decorations, gutter images, fonts, view positions ---------
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  TQSGutterImages& GutterImgs() noexcept { return m_gutterImages; }
  TGutterImgsAlign GutterImgsAlign() const noexcept { return m_gutterImgsAlign; }
  void SetGutterImgsAlign(TGutterImgsAlign align);
  TLineSeparator& LineSeparator() noexcept { return m_lineSeparator; }
  TLineHighlight& LineHighlight() noexcept { return m_lineHighlight; }
  TSpecialSymbols& SpecialSymbols() noexcept { return m_specialSymbols; }
  TControlBackground& MemoBackground() noexcept { return m_memoBackground; }
  TGutterBackground& GutterBackground() noexcept { return m_gutterBackground; }
  TColor MatchColor() const noexcept { return m_matchColor; }
  TColor MatchBackColor() const noexcept { return m_matchBackColor; }
  TColor LineNumBackColor() const noexcept { return m_lineNumBackColor; }
  TColor GutterBackColor() const noexcept { return m_gutterBackColor; }
  TColor GutterLineColor() const noexcept { return m_gutterLineColor; }
  TColor ReadOnlyColor() const noexcept { return m_readOnlyColor; }
  TColor DisabledColor() const noexcept { return m_disabledColor; }
  TColor LineBookmarkColor() const noexcept { return m_lineBookmarkColor; }
  void SetLineBookmarkColor(TColor color);
  // Off: text is laid out in each character's own width (proportional fonts).
  void SetUseMonoFont(bool value);
  bool UseGlobalOptions() const noexcept { return m_useGlobalOptions; }
  // On: the control and its source mirror the global options from now on.
  void SetUseGlobalOptions(bool use);
  void ControlMessageReceived(ControlMessage message) override;
  TMemoPostionStore& PositionStore() noexcept { return m_positions; }
  // The x at which column starts on line, as painting places it.
  int ColumnToX(std::int32_t line, std::int64_t column);

  // ---- Word wrap ------------------------------------------------------------
  bool WordWrap() const noexcept { return m_wordWrap; }
  void SetWordWrap(bool on);
  // W: the characters a display row holds beyond its first (at least 1).
  int RowCapacity();
  // Display rows: with WordWrap every row of every line, else one per
  // visible line.
  std::int32_t RowCount() const;
  // The line and columns row shows; rows past the text continue with one
  // row per line.
  TRowSpan DisplayRowAt(std::int32_t row) const;
  std::vector<TRowSpan> DisplayRows(std::int32_t firstRow, int count) const;
  // The row showing p; with WordWrap a column past its line's end is on the
  // line's last row.
  std::int32_t PositionToRow(TPosition p) const;
  std::int32_t FirstRowOfLine(std::int32_t line) const;
  std::int32_t LastRowOfLine(std::int32_t line) const;
  // p's column counted from the start of its row.
  std::int32_t RowColumnOf(TPosition p) const;
  // The position at rowColumn on row; on a row that is not its line's last,
  // a column at or past the row's end gives the row's last character.
  TPosition RowColumnToPosition(std::int32_t row, std::int64_t rowColumn) const;
  std::int32_t CaretRow() const { return PositionToRow(Source().Caret()); }
  // Caret moves by display rows, keeping the caret's pixel column over a
  // series of vertical moves: line up and down, page up and down (by the
  // visible rows).
  void CaretRowUp();
  void CaretRowDown();
  void CaretPageUp();
  void CaretPageDown();
  // Where RowBegin and RowEnd take the caret: the start and the end of its
  // display row (one column before a row end that is not the line's end).
  std::int32_t RowBeginColumn() const;
  std::int32_t RowEndColumn() const;
  // The answers to the source's move hooks while this control is its active
  // view: vertical moves by display rows, and NewLine's column in overwrite
  // mode.
  void AnswerMoveQuery(TCustomMemoSource& source, std::int64_t& lineDelta,
                       std::int64_t& columnDelta);
  void AnswerNewLineIndent(TCustomMemoSource& source, std::int32_t& column);
  const TWordWrap& Wrapping() const noexcept { return m_wrap; }

 private:
  void InstallMoveHooks();
  void RemoveMoveHooks(TCustomMemoSource& source);
  void MaskBlockOption(TCustomMemoSource& source, bool masked);
  // Wraps everything again, keeping the row at the top on the same text.
  void RewrapAll();
  // Wraps again when the row capacity changed; true when it did.
  bool CheckWrapCapacity();
  void WrapResized();
  // Brings the wrap data up to date with the change just notified; true
  // when rows below the changed lines moved.
  bool FollowSourceWrap(TCustomMemoSource& source);

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
  void PaintLineNumber(ICanvas& canvas, const TMemoLayout& layout, const TRowSpan& row, int top);
  void PaintTextRow(ICanvas& canvas, const TMemoLayout& layout, const TRect& clip,
                    const TRowSpan& row, int top);
  void PaintRowRest(ICanvas& canvas, const TRect& rowClip, const TRowGeometry& geometry,
                    const TRowSpan& row, int top, std::int32_t endColumn);
  int ColumnX(const TMemoLayout& layout, std::int64_t column);

  // Painting: decorations, gutter images, fonts, view positions.
  void InitPaintParts();
  void SourceDestroyed();
  void WatchSource();
  void SaveViewPosition();
  void RestoreViewPosition();
  bool CaretLineHighlighted(std::int32_t line) const;
  void PaintCaretLineFrameLines(ICanvas& canvas, const TRect& rowClip, int top);
  void PaintGutterImages(ICanvas& canvas, const TMemoLayout& layout, std::int32_t line, int top);
  void PaintGlyph(ICanvas& canvas, const TGutterImage& image, int& x, int top, int limitLeft,
                  int limitRight);
  void PaintRowDecorations(ICanvas& canvas, const TMemoLayout& layout, const TRect& rowClip,
                           const TRowGeometry& geometry, const TRowSpan& row, int top);
  // Whether a fill of colour lets the text background picture show instead.
  bool ShowsTextBackground(TColor fill) const;
  void PaintTextBackground(ICanvas& canvas, const TMemoLayout& layout, const TRect& draw);
  void PaintGutterBackground(ICanvas& canvas, const TMemoLayout& layout, const TRect& draw);
  void PaintFoldButton(ICanvas& canvas, const TMemoLayout& layout, const TRect& draw,
                       std::int32_t line, int top);
  void PaintLineBookmarks(ICanvas& canvas, const TRowGeometry& geometry, const TRowSpan& row,
                          int top);
  // The caret-line brush where the row's background is the control colour.
  std::optional<TColor> CaretLineFill(std::int32_t line) const;
  TDisplayRow DisplayRow(std::int32_t line);
  TRunOptions RunOptionsFor(std::int32_t line) const;
  TRowGeometry RowGeometry(const TMemoLayout& layout, const TDisplayRow& row,
                           const std::vector<TTextRun>& runs, const TLookContext& context);

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
  std::int32_t m_widestSeen = 0;  // the widest line the view has shown
  TScrollStyle m_scrollBars = ssNone;
  bool m_hideSelection = false;
  bool m_enabled = true;
  bool m_focused = false;

  // ---- Word wrap ----
  // Before the styles: building them calls back into the layout.
  bool m_wordWrap = false;
  TWordWrap m_wrap;
  TBlockOption m_blockBeforeWrap = bkBoth;
  TBlockOption m_blockMaskedTo = bkBoth;
  // The pixel column a series of vertical moves keeps, valid while the caret
  // is where the last of them left it.
  std::optional<int> m_keptX;
  TPosition m_keptAt;
  bool m_verticalMovePending = false;

  TColor m_color = clWindow;
  TMemoFont m_font;
  TTextStyles m_styles;
  TColor m_selColor = clHighlightText;
  TColor m_selBackColor = clHighlight;
  TColor m_matchColor = clLime;
  TColor m_matchBackColor = clWindowText;
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

  // Painting: decorations, gutter images, fonts, view positions.
  TQSGutterImages m_gutterImages;
  TGutterImgsAlign m_gutterImgsAlign = iaLeft;
  TLineSeparator m_lineSeparator;
  TLineHighlight m_lineHighlight;
  TSpecialSymbols m_specialSymbols;
  TControlBackground m_memoBackground;
  TGutterBackground m_gutterBackground;
  TBackgroundCache m_memoBackgroundCache;
  TBackgroundCache m_gutterBackgroundCache;
  TColor m_lineBookmarkColor = clRed;
  bool m_useMonoFont = true;
  bool m_useGlobalOptions = false;
  // The block option to give back when fixed cells come back on.
  std::optional<TBlockOption> m_blockOptionBeforeProportional;
  TMemoPostionStore m_positions;
  std::unique_ptr<TSourceWatch> m_sourceWatch;
  ICanvas& m_measureCanvas;
  ControlRegistration m_registration{*this};
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
  // Printing
  TQSPrintOptions m_printOptions = kDefaultPrintOptions;
  TMemoFont m_printerFont;
  bool m_usePrinterFont = false;
  int m_printIndent = 0;
  // Keyboard
  // Tab without WantTabs, Enter without WantReturns: the dialog's keys.
  bool IsDialogKey(TKey key) const noexcept;
  // Where a key's failing command is shown: OnCommandError, else the
  // boundaries' error box.
  FailureShower CommandFailureShower();
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
  // Counts key-list rebuilds, so a command that rebuilt the list is noticed.
  std::uint32_t m_keyListBuilds = 0;
  // Rich attribute mode
  std::unique_ptr<TMemoRichMode> m_rich;
  TImporterClass m_rtfImporterClass = &MakeRtfImporter;
  TImporterClass m_htmlImporterClass = &MakeHtmlImporter;
};

// Publishes the behaviour of TCustomQSMemo.
class TQSMemo : public TCustomQSMemo {
 public:
  using TCustomQSMemo::TCustomQSMemo;
};

}  // namespace qs
