// The 80-bit extended floating-point numbers of the binary object stream. The
// conversions use integer arithmetic only, so they give the same bits on every
// host whether or not its compiler has such a type.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace qs {

// Little-endian: 64-bit significand with an explicit integer bit, then the
// sign bit and the 15-bit exponent.
using ExtendedBytes = std::array<std::uint8_t, 10>;

// Exact: every double, denormals, infinities and signed zeros included, has an
// extended form. A NaN stays a NaN with its payload.
ExtendedBytes DoubleToExtended(double value);

// Rounds to the nearest double (ties to even). Magnitudes beyond the double
// range become infinities and those below half its smallest denormal become
// zeros, both keeping the sign; a NaN becomes a quiet NaN.
double ExtendedToDouble(std::span<const std::uint8_t, 10> bytes);

}  // namespace qs
