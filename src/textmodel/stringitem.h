// One line record of the document: the stored text and everything that travels
// with a line (highlighter states, style bytes, gutter and fold data).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "support/qschar.h"
#include "textmodel/memotypes.h"

namespace qs {

// The stored text of a line. Lines read from a file point into large blocks
// owned by the line list, so a load does not allocate one string per line;
// the first change copies the text into a buffer of the line's own.
class LineText {
 public:
  LineText() = default;
  ~LineText() { Release(); }
  LineText(const LineText&) = delete;
  LineText& operator=(const LineText&) = delete;

  StringView View() const noexcept { return {m_data, m_size}; }
  std::size_t Size() const noexcept { return m_size; }
  bool Empty() const noexcept { return m_size == 0; }

  // Copies text into the line's own buffer.
  void Assign(StringView text);
  // Points at text that outlives the line (a block of the line list).
  void Borrow(const Char* data, std::uint32_t size) noexcept;

 private:
  void Release() noexcept;

  Char* m_data = nullptr;
  std::uint32_t m_size = 0;
  std::uint32_t m_capacity = 0;  // 0: borrowed or empty, nothing to free
};

// Bits of TStringItem::Flags.
inline constexpr std::uint8_t kLineParsed = 0x01;
inline constexpr std::uint8_t kLineReadOnly = 0x02;
inline constexpr std::uint8_t kLineFoldBody = 0x04;
inline constexpr std::uint8_t kLineFoldExpanded = 0x08;
inline constexpr std::uint8_t kLineFoldCollapsed = 0x10;
inline constexpr std::uint8_t kLineFoldStart = kLineFoldExpanded | kLineFoldCollapsed;

class TStringItem {
 public:
  TStringItem() = default;
  virtual ~TStringItem() = default;
  TStringItem(const TStringItem&) = delete;
  TStringItem& operator=(const TStringItem&) = delete;

  StringView Text() const noexcept { return m_text.View(); }
  void SetText(StringView text) { m_text.Assign(text); }
  LineText& TextStore() noexcept { return m_text; }

  bool IsParsed() const noexcept { return (Flags & kLineParsed) != 0; }
  bool IsReadOnly() const noexcept { return (Flags & kLineReadOnly) != 0; }
  void SetFlag(std::uint8_t bit, bool on) noexcept {
    Flags = static_cast<std::uint8_t>(on ? (Flags | bit) : (Flags & ~bit));
  }

  // Opaque data that travels with the line's text; most lines have none, so
  // it costs a pointer until set.
  const std::string& LineData() const noexcept;
  void SetLineData(std::string data);

  void* Obj = nullptr;
  std::string StyleBytes;
  std::int32_t EndState = 0;
  std::int32_t StartState = 0;
  std::uint32_t GutterImages = 0;
  std::uint8_t Flags = 0;
  std::uint8_t LineStyle = 0;
  // The break that ends the line in its file. Each line keeps its own, so a
  // file with mixed breaks saves back as it was; after the last line it is
  // written only when the document ends with a break.
  TOutFormatType LineBreak = ofUnix;
  std::int32_t ViewData1 = 0;
  std::int32_t DisplayLen = 0;
  std::int32_t ViewData2 = 0;

 private:
  LineText m_text;
  std::unique_ptr<std::string> m_lineData;
};

}  // namespace qs
