// Byte blocks stored with their length in front: four bytes, little-endian,
// then that many bytes, so that any byte value survives a text form.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qs {

// Throws qs::Error when the block is too long for a 32-bit length.
std::vector<std::uint8_t> EncodeLengthPrefixed(std::span<const std::uint8_t> bytes);

// The block after the length. Throws qs::ParseError when fewer than four bytes
// are given or the length claims more bytes than follow it; bytes after the
// block are not part of it and are ignored.
std::vector<std::uint8_t> DecodeLengthPrefixed(std::span<const std::uint8_t> data);

}  // namespace qs
