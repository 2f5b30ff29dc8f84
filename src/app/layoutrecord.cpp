#include "app/layoutrecord.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "support/checksum.h"
#include "support/errors.h"

namespace qs {

namespace {

constexpr std::array<std::uint8_t, 4> kMark{'Q', 'L', 'A', 'Y'};
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderBytes = kMark.size() + 1 + 4 + 4;

void PutUint32(LayoutBytes& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t GetUint32(const LayoutBytes& in, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | in[at + static_cast<std::size_t>(i)];
  return value;
}

std::uint32_t Checksum(const std::uint8_t* data, std::size_t size) {
  return Crc32(std::string_view(reinterpret_cast<const char*>(data), size));
}

}  // namespace

LayoutBytes EncodeLayoutRecord(const LayoutBytes& arrangement) {
  if (arrangement.size() > kMaxLayoutBytes)
    throw Error("The layout cannot be saved: it takes " + std::to_string(arrangement.size()) +
                " bytes, more than the " + std::to_string(kMaxLayoutBytes) + " a layout may take.");
  LayoutBytes record(kMark.begin(), kMark.end());
  record.push_back(kVersion);
  PutUint32(record, static_cast<std::uint32_t>(arrangement.size()));
  PutUint32(record, Checksum(arrangement.data(), arrangement.size()));
  record.insert(record.end(), arrangement.begin(), arrangement.end());
  return record;
}

std::optional<LayoutBytes> DecodeLayoutRecord(const LayoutBytes& record) {
  if (record.size() < kHeaderBytes || record.size() > kHeaderBytes + kMaxLayoutBytes)
    return std::nullopt;
  if (!std::equal(kMark.begin(), kMark.end(), record.begin()) || record[kMark.size()] != kVersion)
    return std::nullopt;
  const std::size_t length = GetUint32(record, kMark.size() + 1);
  if (length != record.size() - kHeaderBytes) return std::nullopt;
  const std::uint8_t* payload = record.data() + kHeaderBytes;
  if (GetUint32(record, kMark.size() + 5) != Checksum(payload, length)) return std::nullopt;
  return LayoutBytes(payload, payload + length);
}

}  // namespace qs
