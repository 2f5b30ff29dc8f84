// The small value types of the document model: option and state sets, the
// line-break choice, selection kinds and the update codes that name edits.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace qs {

// A set of enumeration values kept as bits; bit n is the n-th value, so the
// integer form is what the settings store and option pages read and write.
template <typename E>
class TEnumSet {
 public:
  using Bits = std::uint32_t;
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<E> values) {
    for (E v : values) m_bits |= Bit(v);
  }
  static constexpr TEnumSet FromBits(Bits bits) {
    TEnumSet s;
    s.m_bits = bits;
    return s;
  }
  constexpr Bits ToBits() const { return m_bits; }
  constexpr bool Has(E v) const { return (m_bits & Bit(v)) != 0; }
  constexpr bool Empty() const { return m_bits == 0; }
  constexpr void Include(E v) { m_bits |= Bit(v); }
  constexpr void Exclude(E v) { m_bits &= ~Bit(v); }
  constexpr void Set(E v, bool on) { on ? Include(v) : Exclude(v); }
  constexpr TEnumSet operator|(TEnumSet o) const { return FromBits(m_bits | o.m_bits); }
  constexpr TEnumSet& operator|=(TEnumSet o) {
    m_bits |= o.m_bits;
    return *this;
  }
  constexpr bool operator==(const TEnumSet&) const = default;

 private:
  static constexpr Bits Bit(E v) { return Bits{1} << static_cast<unsigned>(v); }
  Bits m_bits = 0;
};

enum class TStringsOption : std::uint8_t {
  soBackUnindents,
  soGroupUndo,
  soBeyondFileEnd,
  soForceCutCopy,
  soAutoIndent,
  soSmartTab,
  soFindTextAtCursor,
  soCreateBackups,
  soPersistentBlocks,
  soOverwriteBlocks,
  soLimitEOL,
  soUseTabCharacter,
  soCursorOnTabs,
  soOptimalFill,
  soSelectFoundText,
  soExcludeReadOnlyLines,
  soCursorAlwaysOnTabs,
  soUsePrevIndent,
  soRetainColumn,
};
using TStringsOptions = TEnumSet<TStringsOption>;
using enum TStringsOption;

inline constexpr TStringsOptions kDefaultStringsOptions{
    soBackUnindents, soGroupUndo, soForceCutCopy, soAutoIndent, soSmartTab, soOverwriteBlocks};

enum class TMemoState : std::uint8_t {
  msPositionChanged,
  msEdited,
  msUndo,
  msBlockChanged,
  msInsState,
  msCountChanged,
  msModifiedChanged,
  msFoundRectChanged,
  msObjNameChanged,
  msNeedInvalidate,
  msParserChanged,
  msReadOnlyChanged,
};
using TMemoStates = TEnumSet<TMemoState>;
using enum TMemoState;

// What a new view needs to build itself, and what a fresh load reports.
inline constexpr TMemoStates kAllViewStates{msPositionChanged, msUndo,         msBlockChanged,
                                            msInsState,        msCountChanged, msModifiedChanged,
                                            msObjNameChanged,  msParserChanged};

// A line break: CR LF, CR or LF. As the document's setting, the break that
// new lines get and that a conversion gives every line.
enum class TOutFormatType : std::uint8_t { ofWindows, ofMac, ofUnix };
using enum TOutFormatType;

// A break kept as a byte (undo payloads); anything unknown reads as LF.
constexpr TOutFormatType ToLineBreak(char byte) noexcept {
  return byte == 0 ? ofWindows : byte == 1 ? ofMac : ofUnix;
}

constexpr const char32_t* LineBreakChars(TOutFormatType f) noexcept {
  return f == ofWindows ? U"\r\n" : f == ofMac ? U"\r" : U"\n";
}

enum class TSelectionType : std::uint8_t { stNotSelected, stStreamSel, stBlockSel };
using enum TSelectionType;

enum class TBlockOption : std::uint8_t { bkStreamSel, bkBlockSel, bkNone, bkBoth };
using enum TBlockOption;

enum class TWordSelectionType : std::uint8_t { wsWordOnly, wsWordWithSpace, wsUntilNextWord };
using enum TWordSelectionType;

// Update codes: the kind of edit an outermost update performs. Undo records
// carry them, so one undo step is one run of records with the same code.
namespace upd {
inline constexpr int kNone = 0;
inline constexpr int kCaretMove = 2;
inline constexpr int kJoin = 3;
inline constexpr int kLineBreak = 4;
inline constexpr int kInsertText = 5;
inline constexpr int kDeleteChars = 6;
inline constexpr int kBackSpace = 8;
inline constexpr int kDeleteLine = 9;
inline constexpr int kDeleteToLineBegin = 10;
inline constexpr int kMarkBlockBegin = 11;
inline constexpr int kMarkBlockEnd = 12;
inline constexpr int kSetSelectionType = 13;
inline constexpr int kExtendSelection = 16;
inline constexpr int kSetBlockBounds = 17;
inline constexpr int kSelectAll = 18;
inline constexpr int kMarkLine = 19;
inline constexpr int kCut = 20;
inline constexpr int kInsertLines = 21;
inline constexpr int kDeleteBlock = 22;
inline constexpr int kMoveBlock = 23;
inline constexpr int kUpperCase = 25;
inline constexpr int kLowerCase = 26;
inline constexpr int kToggleCase = 27;
inline constexpr int kMarkWord = 30;
inline constexpr int kSelectRange = 31;
inline constexpr int kDeleteWordRight = 33;
inline constexpr int kDeleteWordLeft = 34;
inline constexpr int kLowerCaseWord = 35;
inline constexpr int kUpperCaseWord = 36;
inline constexpr int kInsertTextBlock = 39;
inline constexpr int kNewLine = 40;
inline constexpr int kInsState = 41;
inline constexpr int kSetBookmark = 45;
inline constexpr int kClearBookmark = 46;
inline constexpr int kLoad = 48;
inline constexpr int kSetModified = 49;
inline constexpr int kTemplate = 51;
inline constexpr int kTab = 52;
inline constexpr int kRepaintLine = 53;
inline constexpr int kClearAll = 58;
inline constexpr int kLoaded = 61;
inline constexpr int kCapitalizeWord = 62;
inline constexpr int kCapitalizeBlock = 64;
inline constexpr int kIndentBlock = 65;
inline constexpr int kUnindentBlock = 66;
inline constexpr int kQuoteBlock = 67;
inline constexpr int kCopyBlock = 69;
inline constexpr int kReadOnly = 70;
inline constexpr int kImport = 72;
inline constexpr int kFolding = 73;
// A format applied in rich attribute mode: its own step, apart from typing.
inline constexpr int kApplyFormat = 74;
// Edits made through the Lines facade; each discards the undo history.
inline constexpr int kLinesPut = 80;
inline constexpr int kLinesInsert = 81;
inline constexpr int kLinesDelete = 82;
inline constexpr int kLinesClear = 83;
inline constexpr int kLinesText = 84;
inline constexpr int kLinesAssign = 85;
inline constexpr int kOptions = 86;
inline constexpr int kLineHighlight = 87;
// Whole-text conversions on the user's request.
inline constexpr int kLineBreaks = 88;
inline constexpr int kTabsToSpaces = 89;
inline constexpr int kSpacesToTabs = 90;
inline constexpr int kMapCharacters = 91;
inline constexpr int kReplaceAllText = 92;
}  // namespace upd

}  // namespace qs
