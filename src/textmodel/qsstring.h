// The document: a text source holding the lines, the caret and selection, the
// bookmarks and the folding state, bracketing every change in an update and
// telling its listeners once per outermost update what changed.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/bytesource.h"
#include "support/encoding.h"
#include "textmodel/bookmarks.h"
#include "textmodel/codetemplates.h"
#include "textmodel/hiddenlines.h"
#include "textmodel/internalstrings.h"
#include "textmodel/linechangelog.h"
#include "textmodel/lineparser.h"
#include "textmodel/listeners.h"
#include "textmodel/memotypes.h"
#include "textmodel/position.h"
#include "textmodel/searchtypes.h"
#include "textmodel/sourcestrings.h"
#include "textmodel/tabstops.h"
#include "textmodel/undolist.h"

namespace qs {

inline constexpr std::int32_t kRangeEmptyFirst = 2147483647;
inline constexpr std::int32_t kRangeEmptyLast = -2147483647;
inline constexpr std::int32_t kToEnd = 2147483647;

struct TMemoRect {
  std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TMemoRect&) const = default;
};

// Which way SetRegionState puts a fold region.
enum class TRegionState : std::uint8_t { rsNone, rsExpanded, rsCollapsed };
using enum TRegionState;

class TCustomMemoSource;
struct TLoadResult;

using TMoveQueryEvent =
    std::function<void(TCustomMemoSource&, std::int64_t& lineDelta, std::int64_t& columnDelta)>;
using TMeasureLineEvent = std::function<void(TCustomMemoSource&, std::int32_t line, TStringItem&)>;
// Lets the active view change the column NewLine in overwrite mode moves to.
using TNewLineIndentEvent = std::function<void(TCustomMemoSource&, std::int32_t& column)>;
using TParsedLineEvent = std::function<void(TCustomMemoSource&, std::int32_t line, StringView text,
                                            const std::string& styleBytes)>;
using TGetBackupNameEvent =
    std::function<void(TCustomMemoSource&, const std::string& fileName, std::string& backupName)>;
using TGetSelectionTypeEvent = std::function<void(TCustomMemoSource&, TSelectionType&)>;
// Sees (and may change) the lines a paste is about to insert.
using TPasteEvent = std::function<void(TCustomMemoSource&, TStrings& lines)>;

class TCustomMemoSource {
 public:
  TCustomMemoSource();
  virtual ~TCustomMemoSource();
  TCustomMemoSource(const TCustomMemoSource&) = delete;
  TCustomMemoSource& operator=(const TCustomMemoSource&) = delete;

  // ---- Lines ---------------------------------------------------------------
  // The document as tab-expanded lines; every write is an edit of its own that
  // discards the undo history.
  TExternalStrings& Lines() { return *m_lines; }
  // The stored list with its records.
  virtual TInternalStrings& GetStrings() { return m_strings; }
  const TInternalStrings& Strings() const { return m_strings; }
  std::int32_t LineCount() const noexcept { return m_strings.Count(); }
  StringView StoredLine(std::int32_t line) const { return m_strings.Stored(line); }
  String ExpandedLine(std::int32_t line) const { return m_tabStops.Expand(StoredLine(line)); }
  std::int32_t LineLength(std::int32_t line) const;  // expanded width
  // Expanded width without trailing blanks (characters up to #32).
  std::int32_t TrimmedLineLength(std::int32_t line) const;
  TStringItem* GetLineItem(std::int32_t line) { return m_strings.Item(line); }
  const TStringItem* GetLineItem(std::int32_t line) const { return m_strings.Item(line); }
  bool IsLineReadOnly(std::int32_t line) const;
  void SetLineReadOnly(std::int32_t line, bool readOnly);
  int GetLineStyle(std::int32_t line) const;
  void SetLineStyle(std::int32_t line, int style);
  bool HasGutterImage(std::int32_t line, int n) const;
  void SetGutterImage(std::int32_t line, int n, bool shown);
  // Fills target with the expanded lines of the document (or the selection),
  // leaving read-only lines out under soExcludeReadOnlyLines.
  void CopyTextTo(TStrings& target, bool selectionOnly) const;
  // Text entering the document: TABs become SpacesInTab spaces unless stored.
  String StoringConversion(StringView text) const;

  // ---- Options -------------------------------------------------------------
  TStringsOptions Options() const noexcept { return m_options; }
  void SetOptions(TStringsOptions options);
  bool HasOption(TStringsOption o) const noexcept { return m_options.Has(o); }
  int SpacesInTab() const noexcept { return m_spacesInTab; }
  void SetSpacesInTab(int n);
  const String& TabStops() const { return m_tabStops.Text(); }
  void SetTabStops(StringView text);
  const TTabStops& TabRack() const { return m_tabStops; }
  std::int32_t TabStopColumn(std::int64_t n) const { return m_tabStops.TabStopColumn(n); }
  // Expanded column -> 1-based stored position (a column inside a TAB's fill gives the TAB).
  std::int64_t ColumnToIndex(StringView stored, std::int64_t column) const {
    return m_tabStops.ColumnToIndex(stored, column);
  }
  const String& Delimeters() const { return m_delimeters; }
  void SetDelimeters(StringView text);
  bool IsDelimiterChar(Char c) const noexcept;
  // Whether the character at 1-based pos of text is a delimiter (out of range: false).
  bool IsDelimiter(StringView text, std::int64_t pos) const noexcept;
  int BlockIndent() const noexcept { return m_blockIndent; }
  void SetBlockIndent(int n) { m_blockIndent = n < 0 ? 0 : n; }
  TBlockOption BlockOption() const noexcept { return m_blockOption; }
  void SetBlockOption(TBlockOption option);
  bool ReadOnly() const noexcept { return m_readOnly; }
  void SetReadOnly(bool readOnly);
  virtual bool GetReadOnly() const { return m_readOnly; }
  // The name of the object being edited (a document name a view may show).
  const String& EditedName() const noexcept { return m_editedName; }
  virtual void SetEditedName(StringView name);
  virtual void ChangeEditedName(StringView name) { SetEditedName(name); }
  bool AllowUndo() const noexcept { return m_allowUndo; }
  void SetAllowUndo(bool allow);
  int UndoLimit() const noexcept { return m_undoLimit; }
  void SetUndoLimit(int limit) { m_undoLimit = limit < 0 ? 0 : limit; }
  bool HighlightUrls() const noexcept { return m_highlightUrls; }
  void SetHighlightUrls(bool on);  // re-highlights when it changes
  // The break new lines get; a load sets it to the file's. Setting it changes
  // no line: ConvertLineBreaks does.
  TOutFormatType OutFormat() const noexcept { return m_strings.NewLineBreak(); }
  void SetOutFormat(TOutFormatType f);
  // Whether the text ends with a line break (it does in a new document).
  bool FinalLineBreak() const noexcept { return m_finalBreak; }
  // Gives every line the break f and makes it the document's; one undo step.
  void ConvertLineBreaks(TOutFormatType f);
  // How many lines end with each break, by TOutFormatType.
  std::array<std::int32_t, 3> CountLineBreaks() const;
  const String& TemplatesType() const { return m_templatesType; }
  // A registered template type is stored and fills CodeTemplates; others are ignored.
  void SetTemplatesType(StringView t);
  TMemoCodeTemplates& CodeTemplates() noexcept { return m_codeTemplates; }
  const TMemoCodeTemplates& CodeTemplates() const noexcept { return m_codeTemplates; }
  bool KeepTrailingBlanks() const noexcept { return m_keepTrailingBlanks; }
  void SetKeepTrailingBlanks(bool keep) { m_keepTrailingBlanks = keep; }
  bool UseGlobalOptions() const noexcept { return m_useGlobalOptions; }
  virtual void SetUseGlobalOptions(bool use);
  // Copies the program-wide editing options (while UseGlobalOptions is on).
  void ApplyGlobalOptions();
  // After the published properties were streamed in: a clean, unmodified start.
  virtual void Loaded();

  // ---- Document state ------------------------------------------------------
  bool DocModified() const noexcept { return m_docModified; }
  void SetDocModified(bool modified);
  // What saving and loading use: the current text becomes the saved state.
  void ResetModified();
  Encoding FileEncoding() const noexcept { return m_encoding; }
  bool HasBom() const noexcept { return m_bom; }
  void SetEncoding(Encoding encoding, bool bom);
  // The 8-bit code page a file that is neither UTF-16 nor valid UTF-8 is read in.
  Encoding EightBitCodePage() const noexcept { return m_eightBitCodePage; }
  void SetEightBitCodePage(Encoding e) { m_eightBitCodePage = e; }

  // ---- Editing primitives --------------------------------------------------
  // Each changes the caret line at the caret, writes one undo record and keeps
  // bookmarks, folds, tracked positions and the longest line in step.
  // Inserts at the caret, which stays; a CR or LF in text breaks the line there.
  virtual bool InsertText(StringView text);
  // InsertText with the style bytes of the text (kept only when the
  // highlighter keeps style bytes); returns the inserted width.
  std::int32_t InsertTextWithStyle(StringView text, const std::string& styleBytes);
  // Columns the last InsertText added, and the column where its text ends.
  std::int32_t InsertedWidth() const noexcept { return m_insertedWidth; }
  std::int32_t InsertedEnd() const noexcept { return m_insertedEnd; }
  // Deletes count stored characters at the caret (kToEnd: to the line end).
  virtual void DeleteChars(std::int64_t count);
  virtual void InsertLineBreak();
  virtual void JoinLine();
  // The attribute text typed at (column, line) takes in attribute-keeping mode.
  int AttributeAt(std::int32_t column, std::int32_t line) const;
  // Replaces style bytes of line from 1-based position from, undoably.
  void ReplaceStyleBytes(std::int32_t line, std::int32_t from, const std::string& bytes);
  void AddStyleUndo(const std::string& oldBytes, std::int32_t line, std::int32_t from);
  bool KeepsStyleBytes() const;
  int TypingAttribute() const noexcept { return m_typingAttribute; }
  void SetTypingAttribute(int a) noexcept { m_typingAttribute = a < 0 ? -1 : a; }
  bool KeepTypingAttribute() const noexcept { return m_keepTypingAttribute; }
  void SetKeepTypingAttribute(bool keep) noexcept { m_keepTypingAttribute = keep; }

  // ---- Editing commands ----------------------------------------------------
  // The program-wide overwrite mode (false: insert mode).
  static bool OverwriteMode() noexcept;
  void ToggleInsertMode();
  // Typing one character as a key press does (printable characters only).
  void TypeChar(Char c);
  void BackSpace();
  void DeleteChar();
  void DeleteLine();
  void DeleteToLineBegin();
  void DeleteToLineEnd();
  void DeleteWordRight();
  void DeleteWordLeft();
  void DeleteWord();
  void NewLine();
  void InsertTab();
  void BackTab();
  // The column the Tab key goes to from column on line (soSmartTab's rule).
  std::int32_t SmartTabColumn(std::int32_t line, std::int32_t column) const;

  // ---- Block commands ------------------------------------------------------
  // Over the selection's lines, or the whole text without a selection; one
  // undo step each. SpacesToTabs changes only the indentation.
  void TabsToSpaces();
  void SpacesToTabs();
  void IndentBlock();
  void UnindentBlock();
  void QuoteBlock();
  void UpperCaseBlock();
  void LowerCaseBlock();
  void ToggleCaseBlock();
  void CapitalizeBlock();
  void UpperCaseWord();
  void LowerCaseWord();
  void CapitalizeWord();
  void CopyBlock();
  void MoveBlock();
  void DeleteBlock();
  void InsertGUID();
  // From the bracket at the caret (or the one selected character) to its partner.
  void MatchBracket();
  void InsertTextBlock(StringView text);
  void ClearAll();
  // Inserts lines at the caret as a stream or column block and selects them.
  void InsertBlockLines(std::vector<String> lines, TSelectionType mode);
  // The selected text as stored (TABs kept), one string per selected line; a
  // column block is padded to its width.
  std::vector<String> SelectedStoredLines() const;

  // ---- Whole-text rewrites -------------------------------------------------
  // One undo step each, under code; read-only documents and lines are left
  // alone. MapCharacters puts every character through map, one for one, and
  // leaves TABs as they are, so every column, the caret and the selection
  // stay where they were.
  void MapCharacters(int code, const std::function<Char(Char)>& map);
  // Replaces the whole text (CR, LF and CR LF in text break its lines); the
  // caret goes to the start and the selection ends. False, and nothing
  // changed, while the document or any line is read-only.
  bool ReplaceAllText(int code, StringView text);

  // ---- Clipboard (plain text, through the platform's clipboard) ----------
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  // Whether the last copy by this program was a column block.
  static bool ColumnClipboard() noexcept;
  TPasteEvent OnPasteFromClipboard;

  // ---- Undo and redo -------------------------------------------------------
  void Undo();
  void Redo();
  bool CanUndo() const noexcept { return !m_undo.Empty(); }
  bool CanRedo() const noexcept { return !m_redo.Empty(); }
  void ClearUndo();
  // Drops what could be redone, leaving the undo history.
  void DiscardRedo() { m_redo.Clear(); }
  void BeginUndoBlock() noexcept { ++m_undoBlockDepth; }
  void EndUndoBlock();
  // The new record for the caller to fill, or nullptr while AllowUndo is off.
  TUndoRecord* AddUndoRecord(TUndoKind kind);
  const TUndoList& UndoRecords() const noexcept { return m_undo; }
  const TUndoList& RedoRecords() const noexcept { return m_redo; }
  bool Replaying() const noexcept { return m_replaying; }

  // ---- Update protocol -----------------------------------------------------
  void BeginUpdate(int code);
  void BeginTrackedUpdate(int code);
  virtual void EndUpdate();
  void MarkChanged(std::int32_t first, std::int32_t last);
  void MarkDirty(std::int32_t first, std::int32_t last);
  void AddChanges(TMemoStates states) { m_changes |= states; }
  TMemoStates Changes() const noexcept { return m_changes; }
  int UpdateDepth() const noexcept { return m_updateDepth; }
  int UpdateCode() const noexcept { return m_updateCode; }
  // What the current (or just notified) update did to the lines, for views
  // that keep data per line.
  const TLineChangeLog& LineChanges() const noexcept { return m_lineChanges; }
  std::int32_t FirstChanged() const noexcept { return m_firstChanged; }
  std::int32_t LastChanged() const noexcept { return m_lastChanged; }
  // Asks the current update not to drop the selection at its end.
  void KeepSelection() noexcept { m_keepSelection = true; }
  // Whether the next undo record starts a new step (set by every outermost update).
  bool UndoStepPending() const noexcept { return m_undoStepPending; }
  void SetUndoStepPending(bool pending) noexcept { m_undoStepPending = pending; }
  const TMemoRect& FoundRect() const noexcept { return m_foundRect; }
  void SetFoundRect(const TMemoRect& r) { m_foundRect = r; }
  virtual void SetLineHighlight(std::int32_t line, int style);
  virtual void ClearLineHighlight();

  // ---- Listeners -----------------------------------------------------------
  TListenerId AddListener(TSourceListener listener, const void* owner, bool notifyNow);
  TListenerLink Listen(TSourceListener listener, const void* owner, bool notifyNow);
  bool RemoveListener(TListenerId id) { return m_listeners->Remove(id); }
  void RemoveListenersOf(const void* owner) { m_listeners->RemoveOwner(owner); }
  std::size_t ListenerCount() const { return m_listeners->Size(); }

  // ---- Files ---------------------------------------------------------------
  // Reads and decodes the whole file first: on failure the document, its
  // modified flag and its undo history stay as they were.
  virtual void LoadFromFile(const std::string& fileName);
  virtual void SaveToFile(const std::string& fileName);
  // Through the platform's file system, as every file access of the document.
  void SaveToFileWithBackup(const std::string& fileName);
  virtual std::string GetBackupName(const std::string& fileName);
  // The document as it would be written (stored text, each line's break, encoded).
  std::string SaveToBytes() const;
  String SavedText() const;
  // Bulk load of already decoded text: the Lines.Text assignment.
  void LoadFromText(StringView text);
  void LoadFromBytes(std::string_view bytes);
  // Reads the bytes in chunks, decoding them straight into line records.
  void LoadFromSource(TByteSource& bytes);

  // ---- Caret ---------------------------------------------------------------
  TPosition Caret() const noexcept { return m_caret; }
  std::int32_t CaretLine() const noexcept { return m_caret.Line; }
  std::int32_t CaretColumn() const noexcept { return m_caret.Column; }
  virtual void MoveCaret(std::int64_t lineDelta, std::int64_t columnDelta);
  void SetCaretPos(std::int64_t column, std::int64_t line);
  void CursorUp() { MoveCaret(-1, 0); }
  void CursorDown() { MoveCaret(1, 0); }
  void CursorLeft();
  void CursorRight();
  void WordLeft();
  void WordRight();
  void JumpToLineBegin();
  void JumpToLineEnd();
  void JumpToFileBegin();
  void JumpToFileEnd();
  void JumpToBlockBegin();
  void JumpToBlockEnd();
  // True while an absolute positioning runs (the view's move hook stays out).
  bool AbsolutePositioning() const noexcept { return m_absolute; }

  // ---- Selection -----------------------------------------------------------
  TSelectionType SelectionType() const noexcept { return m_selType; }
  bool HasSelection() const noexcept { return m_selType != stNotSelected; }
  TPosition BlockBegin() const noexcept { return m_blockBegin.Get(); }
  TPosition BlockEnd() const noexcept { return m_blockEnd.Get(); }
  void GetBlockBounds(std::int32_t& beginColumn, std::int32_t& beginLine, std::int32_t& endColumn,
                      std::int32_t& endLine) const;
  // The selected columns [from, to) of line; from == to when none.
  std::pair<std::int32_t, std::int32_t> SelectedRange(std::int32_t line) const;
  bool IsInSelection(std::int32_t column, std::int32_t line) const;
  TSelectionStrings& SelectionLines() { return *m_selectionLines; }
  // The selected text of one selection line (expanded, padded as a view shows it).
  String SelectionLine(int index) const;
  int SelectionLineCount() const;

  virtual void AdjustSelectionType(TSelectionType& type);
  using MoveOperation = void (TCustomMemoSource::*)();
  void ExtendSelection(TSelectionType mode, MoveOperation move);
  void SelectLeft() { ExtendSelection(stStreamSel, &TCustomMemoSource::CursorLeft); }
  void SelectRight() { ExtendSelection(stStreamSel, &TCustomMemoSource::CursorRight); }
  void SelectUp() { ExtendSelection(stStreamSel, &TCustomMemoSource::CursorUp); }
  void SelectDown() { ExtendSelection(stStreamSel, &TCustomMemoSource::CursorDown); }
  void SelectWordLeft() { ExtendSelection(stStreamSel, &TCustomMemoSource::WordLeft); }
  void SelectWordRight() { ExtendSelection(stStreamSel, &TCustomMemoSource::WordRight); }
  void SelectLineBegin() { ExtendSelection(stStreamSel, &TCustomMemoSource::JumpToLineBegin); }
  void SelectLineEnd() { ExtendSelection(stStreamSel, &TCustomMemoSource::JumpToLineEnd); }
  void SelectFileBegin() { ExtendSelection(stStreamSel, &TCustomMemoSource::JumpToFileBegin); }
  void SelectFileEnd() { ExtendSelection(stStreamSel, &TCustomMemoSource::JumpToFileEnd); }
  void ColumnSelectLeft() { ExtendSelection(stBlockSel, &TCustomMemoSource::CursorLeft); }
  void ColumnSelectRight() { ExtendSelection(stBlockSel, &TCustomMemoSource::CursorRight); }
  void ColumnSelectUp() { ExtendSelection(stBlockSel, &TCustomMemoSource::CursorUp); }
  void ColumnSelectDown() { ExtendSelection(stBlockSel, &TCustomMemoSource::CursorDown); }
  void ColumnSelectWordLeft() { ExtendSelection(stBlockSel, &TCustomMemoSource::WordLeft); }
  void ColumnSelectWordRight() { ExtendSelection(stBlockSel, &TCustomMemoSource::WordRight); }
  void ColumnSelectLineBegin() { ExtendSelection(stBlockSel, &TCustomMemoSource::JumpToLineBegin); }
  void ColumnSelectLineEnd() { ExtendSelection(stBlockSel, &TCustomMemoSource::JumpToLineEnd); }
  void ColumnSelectFileBegin() { ExtendSelection(stBlockSel, &TCustomMemoSource::JumpToFileBegin); }
  void ColumnSelectFileEnd() { ExtendSelection(stBlockSel, &TCustomMemoSource::JumpToFileEnd); }
  void BeginStreamSelection() { ExtendSelection(stStreamSel, nullptr); }
  void BeginColumnSelection() { ExtendSelection(stBlockSel, nullptr); }
  void MarkBlockBegin();
  void MarkBlockEnd();
  void MarkLine();
  void MarkWord();
  void SelectAll();
  void ClearSelection();
  void SetSelectionType(TSelectionType type);
  void SelectRange(TSelectionType mode, std::int32_t beginColumn, std::int32_t beginLine,
                   std::int32_t endColumn, std::int32_t endLine);
  void SetBlockBounds(const TMemoRect& bounds);
  // The word at (column, line): [first, last] columns of the expanded text, or nullopt.
  std::optional<std::pair<std::int32_t, std::int32_t>> WordBounds(std::int32_t column,
                                                                  std::int32_t line,
                                                                  TWordSelectionType kind) const;
  // The word (wsWordOnly) at the caret; empty when there is none.
  [[nodiscard]] String WordAtCaret() const;

  // ---- Tracked positions ---------------------------------------------------
  TPositionList& Positions() noexcept { return m_positions; }
  void ShiftPositions(TShiftKind kind, std::int64_t count) {
    m_editAt = m_caret;
    m_positions.Shift(kind, m_caret, count);
  }

  // ---- Bookmarks -----------------------------------------------------------
  void SetBookmark(int n);
  void ClearBookmark(int n);
  void ToggleBookmark(int n);
  void GotoBookmark(int n);
  bool GetBookmark(int n, TPosition& at) const;
  int BookmarkAtLine(std::int32_t line) const;
  int BookmarkInSpan(std::int32_t line, std::int32_t fromColumn, std::int32_t toColumn) const;
  std::vector<TBookmarkRecord> BookmarksInSpan(std::int32_t line, std::int32_t fromColumn,
                                               std::int32_t toColumn) const;
  TMemoBookMarkList& Bookmarks() noexcept { return m_bookmarks; }

  // ---- Folding -------------------------------------------------------------
  void SetRegionState(std::int32_t line, TRegionState state);
  void SetBodyLine(std::int32_t line, bool body);
  bool IsLineVisible(std::int32_t line) const { return !m_hidden.IsHidden(line); }
  std::int32_t LineToRow(std::int32_t line) const { return m_hidden.LineToRow(line); }
  std::int32_t RowToLine(std::int32_t row) const { return m_hidden.RowToLine(row); }
  const TVisibleLinesList& HiddenLines() const noexcept { return m_hidden; }
  // Expands the nearest collapsed region start at or above line.
  void ExpandRegionAbove(std::int32_t line);

  // ---- Longest line --------------------------------------------------------
  void SetTrackLongestLine(bool track);
  std::int32_t LongestLineWidth() const noexcept { return m_longestWidth; }
  std::int32_t LongestLineIndex() const noexcept { return m_longestIndex; }
  void RescanLongestLine();
  // After line changed: it becomes the longest if now wider; a rescan when it was the longest.
  void UpdateLongestLine(std::int32_t line);
  void BeginDeferRescan() { ++m_deferRescan; }
  void EndDeferRescan();

  // ---- Highlighting --------------------------------------------------------
  TSimpleParser* SyntaxParser() const noexcept { return m_parser; }
  void SetSyntaxParser(TSimpleParser* parser);
  virtual void ParserChanged();
  bool IsSchemeParser() const;
  // Parses lines first..last where needed; returns the highest line + 1 whose end state changed.
  std::int32_t ParseLines(std::int32_t first, std::int32_t last, bool force);
  void ResetHighlighting();
  std::int32_t FirstUnparsed() const noexcept { return m_firstUnparsed; }
  std::int32_t DefaultStartState() const noexcept { return m_defaultStartState; }
  void SetDefaultStartState(std::int32_t s) { m_defaultStartState = s; }
  // What views and exporters ask for (stylebytes.cpp). ParseAhead parses up to
  // 100 lines past a line at or beyond the first unparsed one, else up to it.
  void ParseAhead(std::int32_t line, bool force);
  // One byte per stored character, parsed first if needed; empty out of range.
  std::string GetStyleBytes(std::int32_t line);
  // One byte per column of the expanded line: a TAB's byte covers its width.
  std::string GetExpandedStyleBytes(std::int32_t line);
  // Inside an edit's update: parses the edited line now, leaving the first
  // unparsed mark; widens the changed range to the end when the end state
  // (or the view's ViewData1) changed, and tells whether the end state did.
  bool ReparseLine(std::int32_t line);

  // ---- Hooks ---------------------------------------------------------------
  TMoveQueryEvent OnMoveQuery;
  TNewLineIndentEvent OnNewLineIndent;
  TMeasureLineEvent OnMeasureLine;
  TParsedLineEvent OnParsedLine;
  TGetBackupNameEvent OnGetBackupName;
  TGetSelectionTypeEvent OnGetSelectionType;

  // Whether the caret line may be edited (not ReadOnly, line not read-only).
  virtual bool CanEdit() const { return true; }
  bool CanEditLine(std::int32_t line) const;  // not GetReadOnly, CanEdit, line not read-only

  // ---- Search and replace (search*.cpp) -----------------------------------
  // The parameters are the program-wide TSearchOptions.
  virtual bool FindText();
  virtual bool ReplaceText();
  virtual bool SearchAgain();
  virtual bool ShowFindDialog();
  virtual bool ShowReplaceDialog();
  virtual void ShowGotoLine();
  void ToggleCaseSensitive();
  void ToggleRegularExpr();
  // Offers message to OnSearchException; false when nobody handled it.
  bool SearchMessage(const String& message);
  std::int32_t ReplacedCount() const noexcept { return m_search.replacedCount; }
  TSearchExceptionEvent OnSearchException;
  TSearchStartEvent OnSearchStart;
  TCreateDialogEvent OnCreateDialog;

 private:
  friend class TSearchEngine;
  TSearchState m_search;

 protected:
  // The record class of new lines; a derived source may return a larger record.
  virtual std::unique_ptr<TStringItem> GetStringItemClass() const;

 private:
  friend class TExternalStrings;
  friend class TSelectionStrings;
  friend class TSimpleParser;

  struct Snapshot {
    bool docModified = false;
    TPosition blockBegin, blockEnd, caret;
    TSelectionType selType = stNotSelected;
    std::int32_t lineCount = 0;
    TMemoRect foundRect;
  };

  void InitUpdate(int code);
  void RestoreTracked();
  void DetectSelectionChange();
  void WidenRange(std::int32_t first, std::int32_t last);
  bool SelectionIsEmpty() const;
  void DropSelection();
  void NotifyListeners(std::int32_t first, std::int32_t last);
  void TrimLineOnLeave(std::int32_t line);
  std::int64_t SnapToTabEdge(std::int32_t line, std::int64_t column) const;
  void CheckBlockShift(const TTrackedPosition&, bool& column, bool& line) const;
  void SwapInLoaded(TInternalStrings& loaded, const TLoadResult& how);
  // The encoding and breaks the document has now, as a load would report them.
  TLoadResult FileShape() const;
  void ResetPositions();
  void ClearDocumentState();
  std::int32_t MeasureLine(std::int32_t line);
  void ParserGone(TSimpleParser* parser);
  void ClampCaretTo(TPosition& p) const;

  // Raw edits at absolute places (stored indexes); each writes its record and
  // does the bookkeeping. Undo replays them; false when refused.
  bool RawInsert(std::int32_t line, std::int64_t index, StringView text, const std::string* style);
  bool RawDelete(std::int32_t line, std::int64_t index, std::int64_t count, bool emptyRule = true);
  // The first half gets firstBreak, the second keeps the line's own.
  bool RawBreak(std::int32_t line, std::int64_t index, TOutFormatType firstBreak);
  bool RawJoin(std::int32_t line);
  // breaks: one byte a line for the lines' breaks (their default when empty).
  bool RawAppendLines(std::int64_t count, std::string_view breaks = {});
  bool RawRemoveLastLines(std::int64_t count);
  // Whole lines; style holds their style bytes one after another, lineData
  // each line's LineData (both optional: what undo of a deletion restores).
  bool RawInsertLines(std::int32_t at, const std::vector<String>& lines,
                      const std::string* style = nullptr,
                      const std::vector<std::string>* lineData = nullptr,
                      std::string_view breaks = {});
  bool RawDeleteLines(std::int32_t first, std::int64_t count);
  void EmptyDocumentRule();
  // The breaks of lines first.. as one byte each, and back.
  std::string LineBreaksOf(std::int32_t first, std::int32_t count) const;
  void SetLineBreaks(std::int32_t first, std::string_view breaks);
  // In attribute-keeping mode: the line's style bytes exactly as long as its text.
  void FitStyleBytes(TStringItem& item) const;
  // In attribute-keeping mode: the style bytes of count stored characters at index.
  std::string SpanStyleBytes(std::int32_t line, std::int64_t index, std::int64_t count);
  void LineEdited(std::int32_t line, bool toEnd);
  void ShiftAt(TShiftKind kind, TPosition at, std::int64_t count);
  TUndoRecord* Record(TUndoKind kind, std::int32_t line, std::int64_t index);
  // The record of count characters inserted at (line, index).
  void RecordInsertion(std::int32_t line, std::int64_t index, std::int64_t count);
  void NoteUnrecordedChange() noexcept;
  void ApplyUndoLimit();
  bool ApplyInverse(const TUndoList& list, const TUndoRecord& r);
  void Replay(TUndoList& from, TUndoList& to);
  bool ComputeModified() const noexcept;
  // Puts the caret exactly at p (no clamps), recorded as a caret move.
  void PlaceCaret(TPosition p);
  // The overwrite-blocks rule: deletes the selection; true when it did.
  bool OverwriteBlocksRule();
  bool OverwriteBlocksApplies() const;
  // Deletes expanded columns [from, to) of line, splitting a TAB at from.
  void DeleteColumnSpan(std::int32_t line, std::int64_t from, std::int64_t to);
  // The stored index range of line covering expanded columns [from, to).
  std::pair<std::int64_t, std::int64_t> StoredSpan(std::int32_t line, std::int64_t from,
                                                   std::int64_t to) const;
  // Selected lines a line transform works on: [first, last].
  std::pair<std::int32_t, std::int32_t> TransformLines() const;
  // The selection's lines, or every line without a selection.
  std::pair<std::int32_t, std::int32_t> ConversionLines() const;
  // Replaces stored characters, keeping their attribute in attribute mode.
  void ReplaceStored(std::int32_t line, std::int64_t index, std::int64_t count, StringView with);
  bool RawSetLineBreaks(std::int32_t first, std::string_view breaks, TOutFormatType format);
  void TransformBlock(int code, const std::function<String(StringView)>& transform);
  void IndentLines(int code, StringView indent, bool quote);
  void UnindentBy(std::int64_t count);
  void TransformWord(int code, const std::function<String(StringView)>& transform);
  void DeleteSelectedWord(int code, TWordSelectionType kind, bool left);
  void InsertIndent(std::int32_t line, std::int32_t column);
  // The bracket MatchBracket starts from: the line and its stored index.
  std::optional<TPosition> BracketStart() const;

  // Lines
  TInternalStrings m_strings;
  std::unique_ptr<TExternalStrings> m_lines;
  std::unique_ptr<TSelectionStrings> m_selectionLines;

  // Options
  TStringsOptions m_options = kDefaultStringsOptions;
  int m_spacesInTab = 8;
  TTabStops m_tabStops;
  String m_delimeters;
  std::bitset<256> m_delimiterSet;
  int m_blockIndent = 1;
  TBlockOption m_blockOption = bkBoth;
  bool m_readOnly = false;
  String m_editedName;
  bool m_allowUndo = true;
  int m_undoLimit = 0;
  bool m_highlightUrls = false;
  String m_templatesType = U"None";
  bool m_useGlobalOptions = false;
  bool m_keepTrailingBlanks = false;
  TMemoCodeTemplates m_codeTemplates;

  // Document state
  bool m_docModified = false;
  bool m_finalBreak = true;
  Encoding m_encoding = Encoding::Utf8;
  bool m_bom = false;
  Encoding m_eightBitCodePage = Encoding::Windows1252;

  // Positions
  TPositionList m_positions;
  TPosition m_caret;
  TTrackedPosition m_blockBegin{m_positions};
  TTrackedPosition m_blockEnd{m_positions};
  TSelectionType m_selType = stNotSelected;
  bool m_absolute = false;
  bool m_columnSelecting = false;
  bool m_bookmarkJump = false;

  // Update bookkeeping
  int m_updateDepth = 0;
  int m_updateCode = 0;
  TMemoStates m_changes;
  std::int32_t m_firstChanged = kRangeEmptyFirst;
  std::int32_t m_lastChanged = kRangeEmptyLast;
  TLineChangeLog m_lineChanges;
  Snapshot m_snap;
  bool m_keepSelection = false;
  bool m_undoStepPending = false;
  TMemoRect m_foundRect;
  struct Tracked {
    TSelectionType selType;
    TTrackedPosition begin, end, caret;
    explicit Tracked(TPositionList& list, TSelectionType t, TPosition b, TPosition e, TPosition c)
        : selType(t), begin(list, b), end(list, e), caret(list, c) {}
  };
  std::unique_ptr<Tracked> m_tracked;
  std::int32_t m_highlightLine = -1;
  int m_highlightSavedStyle = 0;

  std::shared_ptr<TListenerList> m_listeners = std::make_shared<TListenerList>();

  TMemoBookMarkList m_bookmarks;
  TVisibleLinesList m_hidden;

  // Longest line
  bool m_trackLongest = false;
  int m_deferRescan = 0;
  bool m_rescanPending = false;
  std::int32_t m_longestWidth = 0;
  std::int32_t m_longestIndex = -1;

  // Highlighting
  TSimpleParser* m_parser = nullptr;
  std::int32_t m_firstUnparsed = 0;
  std::int32_t m_defaultStartState = 0;
  std::int32_t m_lowestEndStateChange = -1;
  std::int32_t m_parsedChangedTo = 0;

  // Editing
  std::int32_t m_insertedWidth = 0;
  std::int32_t m_insertedEnd = 0;
  TPosition m_editAt;
  // The line the user edited last, whose trailing blanks may be cut when the
  // caret leaves it; -1 when none. Lines merely passed over keep theirs.
  std::int32_t m_trimCandidate = -1;
  String m_tabText;  // set by InsertTab for the IndentBlock it runs
  int m_typingAttribute = -1;
  bool m_keepTypingAttribute = false;

  // Undo
  TUndoList m_undo;
  TUndoList m_redo;
  TUndoList* m_active = &m_undo;
  bool m_replaying = false;
  int m_undoBlockDepth = 0;
  std::int32_t m_savedMarker = -1;
  bool m_savedLost = false;
};

// Publishes the behaviour of TCustomMemoSource; adds none of its own.
class TMemoSource : public TCustomMemoSource {};

}  // namespace qs
