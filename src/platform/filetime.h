// Conversions between the stored file-time unit (100 ns since 1601-01-01 UTC)
// and the host's seconds and nanoseconds since 1970-01-01 UTC. Seconds are
// kept apart from nanoseconds because the whole file-time range does not fit
// a 64-bit count of nanoseconds.
#pragma once

#include <cstdint>

#include "platform/filesystem.h"

namespace qs {

// 1601-01-01 to 1970-01-01 in 100-ns units.
inline constexpr TFileTime kUnixEpochAsFileTime = 116444736000000000LL;
inline constexpr std::int64_t kFileTicksPerSecond = 10000000;

struct UnixTime {
  std::int64_t seconds = 0;
  std::int32_t nanoseconds = 0;  // 0 ..< 1e9
  constexpr bool operator==(const UnixTime&) const = default;
};

constexpr TFileTime FileTimeFromUnix(UnixTime t) {
  return t.seconds * kFileTicksPerSecond + t.nanoseconds / 100 + kUnixEpochAsFileTime;
}

constexpr UnixTime UnixFromFileTime(TFileTime time) {
  const std::int64_t ticks = time - kUnixEpochAsFileTime;
  std::int64_t seconds = ticks / kFileTicksPerSecond;
  std::int64_t rest = ticks % kFileTicksPerSecond;
  if (rest < 0) {  // floor, so times before 1970 keep a positive fraction
    rest += kFileTicksPerSecond;
    --seconds;
  }
  return {seconds, static_cast<std::int32_t>(rest * 100)};
}

}  // namespace qs
