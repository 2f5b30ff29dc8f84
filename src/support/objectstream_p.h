// The value tags of the binary object stream, shared by its reader and writer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qs::objectstream {

inline constexpr char kSignature[4] = {'T', 'P', 'F', '0'};
inline constexpr std::size_t kShortMax = 255;

enum Tag : std::uint8_t {
  kEnd = 0x00,   // ends a property list, a child list, a list or a collection
  kList = 0x01,  // also opens each collection item
  kInt8 = 0x02,
  kInt16 = 0x03,
  kInt32 = 0x04,
  kExtended = 0x05,
  kString = 0x06,
  kIdent = 0x07,
  kFalse = 0x08,
  kTrue = 0x09,
  kBinary = 0x0A,
  kSet = 0x0B,
  kLongString = 0x0C,
  kNil = 0x0D,
  kCollection = 0x0E,
  kInt64 = 0x13,
};

inline constexpr const char* kTrueIdent = "True";
inline constexpr const char* kFalseIdent = "False";
inline constexpr const char* kNilIdent = "nil";

}  // namespace qs::objectstream
