// The run builder both readers share: a stack of records, one per open RTF
// group or HTML element, each holding what that group or element changed;
// the look of a run is the fold of the stack from the bottom up.
//
// Each record keeps the fold up to itself, so a run costs the same at any
// depth, and the stack stops growing at kMaxImportDepth: deeper groups and
// elements are counted (their ends still match) but share the deepest
// record, so hostile nesting costs neither quadratic time nor memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/importer.h"

namespace qs {

inline constexpr std::size_t kMaxImportDepth = 256;
// The bounds a size in points is kept in (what the RTF writer writes).
inline constexpr std::int32_t kMinImportPoints = 1;
inline constexpr std::int32_t kMaxImportPoints = 1638;
inline constexpr std::int32_t kDefaultImportPoints = 12;

enum class TImportStyle : std::uint8_t {
  isBold = 1,
  isItalic = 2,
  isUnderline = 4,
  isStrikeOut = 8
};
using TImportStyles = std::uint8_t;

// The look that the records up to one of them give.
struct TImportLook {
  String FontName;  // empty: not set
  std::int32_t Charset = kDefaultCharset;
  std::int32_t Size = -1;
  TColor Color = kImportNoColor;
  TImportStyles Styles = 0;
  TColor BackColor = kImportNoColor;
};

struct TImportRecord {
  std::int32_t Key = -1;  // -1 for RTF groups, the tag's key for HTML elements
  String FontName;
  std::int32_t Charset = kDefaultCharset;
  TImportStyles StylesOn = 0;
  TImportStyles StylesOff = 0;
  TColor Color = kImportNoColor;
  std::int32_t Size = -1;
  TColor BackColor = kImportNoColor;
  bool StyleSet = false;
  bool BackColorSet = false;
  // Plain was applied here: the outer records' styles no longer count.
  bool StylesReset = false;
  // Reader state that a group or element restores when it ends: the RTF
  // fallback count of \u, the HTML size level.
  std::int32_t UnicodeSkip = 1;
  std::int32_t SizeLevel = 3;
  TImportLook Folded;  // the look of the stack up to and including this record
};

class TInternalImporter {
 public:
  explicit TInternalImporter(TQSImporter& owner) : m_owner(owner) {}

  // The face runs get when no record names one and there is no default font.
  String DefaultFont;
  // The default font's charset and face, when the reader has one (RTF's
  // font table); DefaultFont is used when this face is empty.
  String DefaultTableFont;
  std::int32_t DefaultTableCharset = kDefaultCharset;

  void Push(std::int32_t key);
  // -1 removes the top record; any other key the record nearest the top with
  // that key, if there is one.
  void Pop(std::int32_t key);
  void PopAll();
  // The top record (one with key -1 is pushed into an empty stack first).
  TImportRecord& Top();
  [[nodiscard]] std::size_t Depth() const noexcept {
    return m_stack.size() + m_overflowKeys.size();
  }

  void SetFont(const String& name, std::int32_t charset);
  void SetSize(std::int32_t points);
  void SetColor(TColor color);
  void SetBackColor(TColor color);
  void SetStyle(TImportStyle style, bool on);
  void SetUnicodeSkip(std::int32_t count);
  void SetSizeLevel(std::int32_t level);
  // The document's default look: default font, 12 points, black, no
  // background and no styles, also none of the outer records'.
  void Plain();

  // The charset of the font text gets now.
  [[nodiscard]] std::int32_t CurrentCharset() const noexcept;

  // Text without control characters; each TAB becomes a run of its own.
  void EmitText(StringView text);
  void EmitLineBreak();
  void EmitTab();
  // Nothing was emitted since the start or the last line break.
  [[nodiscard]] bool AtLineStart() const noexcept { return m_atLineStart; }

 private:
  void Refold(std::size_t from);
  void EmitRun(StringView text);
  [[nodiscard]] TImportFont BuildFont(TColor& backColor) const;

  TQSImporter& m_owner;
  std::vector<TImportRecord> m_stack;
  std::vector<std::int32_t> m_overflowKeys;  // groups and elements past kMaxImportDepth
  String m_filtered;
  bool m_atLineStart = true;
};

}  // namespace qs
