// A file's bytes split into lines a chunk at a time, so a large file never
// has to sit in memory whole beside its decoded lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "support/bytesource.h"
#include "textmodel/memotypes.h"

namespace qs {

// Splits a byte source into lines at CR LF, CR and LF, in units of one byte or
// of two (UTF-16, either byte order).
class TChunkedLines {
 public:
  enum class Unit { Byte, Utf16LE, Utf16BE };
  TChunkedLines(TByteSource& source, std::size_t skip, Unit unit);
  // The next line's bytes without its break, valid until the next call; false at the end.
  bool Next(std::string_view& line);
  // The break that ended the line Next gave last; none for a last line
  // without one.
  std::optional<TOutFormatType> LastBreak() const noexcept { return m_lastBreak; }
  // With two-byte units: whether an odd byte was left at the end.
  bool OddTail() const noexcept { return m_oddTail; }

 private:
  bool Fill();
  // The first break at or after from: its offset and length, or npos.
  std::size_t FindBreak(std::size_t from, std::size_t& length) const;
  unsigned UnitAt(std::size_t offset) const;
  TOutFormatType BreakAt(std::size_t offset, std::size_t length) const;

  TByteSource& m_source;
  Unit m_unit;
  std::vector<char> m_buffer;
  std::size_t m_pos = 0;
  std::size_t m_end = 0;
  std::size_t m_scanned = 0;  // where the search for a break resumes
  bool m_eof = false;
  bool m_oddTail = false;
  bool m_endRescanned = false;
  std::optional<TOutFormatType> m_lastBreak;
};

}  // namespace qs
