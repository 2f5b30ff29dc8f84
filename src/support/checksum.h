// Checksums for records the program writes and must recognise when they come
// back cut short or damaged: CRC-32 over an entry's bytes, and a 64-bit digest
// built up piece by piece over a document's text.
#pragma once

#include <cstdint>
#include <string_view>

namespace qs {

// CRC-32 (the polynomial zlib and PNG use); pass the previous result to
// continue over more bytes.
[[nodiscard]] std::uint32_t Crc32(std::string_view bytes, std::uint32_t previous = 0) noexcept;

// A fast 64-bit digest of a sequence of values; equal sequences give equal
// digests. Not for security: it tells whether a text is still the one seen.
class TDigest {
 public:
  void Add(std::uint64_t value) noexcept {
    m_state = (m_state ^ value) * 0x100000001b3ULL;
    m_state ^= m_state >> 29;
  }
  [[nodiscard]] std::uint64_t Value() const noexcept { return m_state; }

 private:
  std::uint64_t m_state = 0xcbf29ce484222325ULL;
};

}  // namespace qs
