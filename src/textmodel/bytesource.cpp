#include "textmodel/bytesource.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace qs {
namespace {

constexpr std::size_t kChunk = std::size_t{4} << 20;

}  // namespace

TChunkedLines::TChunkedLines(TByteSource& source, std::size_t skip, Unit unit)
    : m_source(source), m_unit(unit) {
  m_source.Rewind();
  while (skip > 0 && !m_eof) {
    if (!Fill()) break;
    const std::size_t n = std::min(skip, m_end - m_pos);
    m_pos += n;
    skip -= n;
  }
  m_scanned = m_pos;
}

bool TChunkedLines::Fill() {
  if (m_eof) return false;
  // Keep the unfinished line at the front; grow only when it fills the buffer.
  if (m_pos > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
    m_end -= m_pos;
    m_scanned -= m_pos;
    m_pos = 0;
  }
  if (m_buffer.size() - m_end < kChunk / 2) m_buffer.resize(std::max(kChunk, m_buffer.size() * 2));
  const std::size_t n = m_source.Read(m_buffer.data() + m_end, m_buffer.size() - m_end);
  if (n == 0) {
    m_eof = true;
    return false;
  }
  m_end += n;
  return true;
}

unsigned TChunkedLines::UnitAt(std::size_t offset) const {
  const auto a = static_cast<unsigned char>(m_buffer[offset]);
  const auto b = static_cast<unsigned char>(m_buffer[offset + 1]);
  return m_unit == Unit::Utf16BE ? (a << 8) | b : (b << 8) | a;
}

TOutFormatType TChunkedLines::BreakAt(std::size_t offset, std::size_t length) const {
  const std::size_t unit = m_unit == Unit::Byte ? 1 : 2;
  if (length == 2 * unit) return ofWindows;
  const unsigned c = unit == 1 ? static_cast<unsigned char>(m_buffer[offset]) : UnitAt(offset);
  return c == 0x0D ? ofMac : ofUnix;
}

std::size_t TChunkedLines::FindBreak(std::size_t from, std::size_t& length) const {
  if (from >= m_end) return std::string_view::npos;
  if (m_unit == Unit::Byte) {
    const char* base = m_buffer.data();
    const void* lf = std::memchr(base + from, '\n', m_end - from);
    const std::size_t stop = lf ? static_cast<const char*>(lf) - base : m_end;
    const void* cr = std::memchr(base + from, '\r', stop - from);
    if (!cr) {
      length = 1;
      return lf ? stop : std::string_view::npos;
    }
    const std::size_t at = static_cast<const char*>(cr) - base;
    if (at + 1 == m_end && !m_eof) return std::string_view::npos;  // a LF may follow
    length = at + 1 < m_end && base[at + 1] == '\n' ? 2 : 1;
    return at;
  }
  for (std::size_t at = from; at + 1 < m_end; at += 2) {
    const unsigned u = UnitAt(at);
    if (u != 0x0A && u != 0x0D) continue;
    if (u == 0x0D && at + 3 >= m_end && !m_eof) return std::string_view::npos;
    length = u == 0x0D && at + 3 < m_end && UnitAt(at + 2) == 0x0A ? 4 : 2;
    return at;
  }
  return std::string_view::npos;
}

bool TChunkedLines::Next(std::string_view& line) {
  for (;;) {
    std::size_t length = 0;
    const std::size_t at = FindBreak(m_scanned, length);
    if (at != std::string_view::npos) {
      line = std::string_view(m_buffer.data() + m_pos, at - m_pos);
      m_lastBreak = BreakAt(at, length);
      m_pos = m_scanned = at + length;
      return true;
    }
    // Resume the search where it stopped, one unit back for a split CR LF.
    const std::size_t unit = m_unit == Unit::Byte ? 1 : 2;
    const std::size_t units = (m_end - m_pos) / unit;
    m_scanned = units > 0 ? m_pos + (units - 1) * unit : m_pos;
    // Once the end is known, a CR that waited for a LF is a break after all.
    if (Fill() || !std::exchange(m_endRescanned, true)) continue;
    if (m_pos >= m_end) return false;
    std::size_t size = m_end - m_pos;
    if (unit == 2 && size % 2 != 0) {
      m_oddTail = true;
      --size;
    }
    line = std::string_view(m_buffer.data() + m_pos, size);
    m_lastBreak.reset();
    m_pos = m_scanned = m_end;
    return true;
  }
}

}  // namespace qs
