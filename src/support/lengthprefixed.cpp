#include "support/lengthprefixed.h"

#include <limits>
#include <string>

#include "support/errors.h"

namespace qs {

std::vector<std::uint8_t> EncodeLengthPrefixed(std::span<const std::uint8_t> bytes) {
  if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
    throw Error("A block of " + std::to_string(bytes.size()) + " bytes is too long to store");
  const auto length = static_cast<std::uint32_t>(bytes.size());
  std::vector<std::uint8_t> out;
  out.reserve(4 + bytes.size());
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(length >> shift));
  out.insert(out.end(), bytes.begin(), bytes.end());
  return out;
}

std::vector<std::uint8_t> DecodeLengthPrefixed(std::span<const std::uint8_t> data) {
  if (data.size() < 4)
    throw ParseError("A length-prefixed block needs 4 length bytes, found " +
                     std::to_string(data.size()));
  std::uint32_t length = 0;
  for (int i = 0; i < 4; ++i) length |= std::uint32_t{data[static_cast<std::size_t>(i)]} << (8 * i);
  const std::size_t remaining = data.size() - 4;
  if (length > remaining)
    throw ParseError("A length-prefixed block claims " + std::to_string(length) +
                     " bytes but only " + std::to_string(remaining) + " follow");
  const auto begin = data.begin() + 4;
  return std::vector<std::uint8_t>(begin, begin + length);
}

}  // namespace qs
