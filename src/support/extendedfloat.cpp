#include "support/extendedfloat.h"

#include <bit>
#include <limits>

namespace qs {
namespace {

static_assert(std::numeric_limits<double>::is_iec559, "double must be IEEE 754 binary64");

constexpr int kDoubleBias = 1023;
constexpr int kExtendedBias = 16383;
constexpr int kDoubleFractionBits = 52;
constexpr std::uint64_t kDoubleFractionMask = (std::uint64_t{1} << kDoubleFractionBits) - 1;
constexpr std::uint64_t kDoubleHidden = std::uint64_t{1} << kDoubleFractionBits;
constexpr std::uint64_t kDoubleInfinity = std::uint64_t{0x7FF} << kDoubleFractionBits;
constexpr std::uint64_t kDoubleQuiet = std::uint64_t{1} << (kDoubleFractionBits - 1);
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kDoubleSign = std::uint64_t{1} << 63;
constexpr int kExtendedMaxExponent = 0x7FFF;
constexpr int kSignificandShift = 63 - kDoubleFractionBits;  // 11

// The significand keeps its top bits from the double's position onwards, so the
// value is m * 2^(e - 63 - bias) with e the exponent field.
struct Extended {
  bool negative = false;
  int exponent = 0;
  std::uint64_t significand = 0;
};

Extended FromDouble(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  Extended x;
  x.negative = (bits >> 63) != 0;
  const int exponent = static_cast<int>((bits >> kDoubleFractionBits) & 0x7FF);
  const std::uint64_t fraction = bits & kDoubleFractionMask;
  if (exponent == 0x7FF) {
    x.exponent = kExtendedMaxExponent;
    x.significand = kIntegerBit | (fraction << kSignificandShift);
  } else if (exponent != 0) {
    x.exponent = exponent - kDoubleBias + kExtendedBias;
    x.significand = kIntegerBit | (fraction << kSignificandShift);
  } else if (fraction != 0) {
    // A double denormal is a normal number in the wider exponent range.
    const int top = 63 - std::countl_zero(fraction);
    x.exponent = top - (kDoubleBias - 1 + kDoubleFractionBits) + kExtendedBias;
    x.significand = fraction << (63 - top);
  }
  return x;
}

std::uint64_t SpecialToDouble(const Extended& x) {
  const std::uint64_t fraction = x.significand & ~kIntegerBit;
  if (fraction == 0) return kDoubleInfinity;
  return kDoubleInfinity | kDoubleQuiet | (fraction >> kSignificandShift);
}

// Bits of the magnitude, rounded to nearest with ties to even.
std::uint64_t FiniteToDouble(const Extended& x) {
  std::uint64_t m = x.significand;
  if (m == 0) return 0;
  // Denormals and unnormals alike: the field 0 stands for the smallest exponent.
  int exponent = x.exponent == 0 ? 1 : x.exponent;
  const int leading = std::countl_zero(m);
  m <<= leading;
  exponent -= leading;
  int biased = exponent - kExtendedBias + kDoubleBias;
  if (biased >= 0x7FF) return kDoubleInfinity;
  int drop = kSignificandShift;
  if (biased <= 0) {
    drop += 1 - biased;
    biased = 0;
  }
  if (drop > 64) return 0;  // below half the smallest denormal
  const std::uint64_t kept = drop == 64 ? 0 : m >> drop;
  const std::uint64_t rest = drop == 64 ? m : m & ((std::uint64_t{1} << drop) - 1);
  const std::uint64_t half = std::uint64_t{1} << (drop - 1);
  std::uint64_t rounded = kept;
  if (rest > half || (rest == half && (kept & 1) != 0)) ++rounded;
  // A normal result carries its hidden bit into the exponent field, so a carry
  // out of the significand moves the exponent up (to infinity at the top).
  if (biased == 0) return rounded;
  return (static_cast<std::uint64_t>(biased - 1) << kDoubleFractionBits) + rounded;
}

}  // namespace

ExtendedBytes DoubleToExtended(double value) {
  const Extended x = FromDouble(value);
  ExtendedBytes out{};
  for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(x.significand >> (8 * i));
  const unsigned top = static_cast<unsigned>(x.exponent) | (x.negative ? 0x8000u : 0u);
  out[8] = static_cast<std::uint8_t>(top & 0xFF);
  out[9] = static_cast<std::uint8_t>(top >> 8);
  return out;
}

double ExtendedToDouble(std::span<const std::uint8_t, 10> bytes) {
  Extended x;
  for (int i = 0; i < 8; ++i) x.significand |= std::uint64_t{bytes[i]} << (8 * i);
  const unsigned top = bytes[8] | (unsigned{bytes[9]} << 8);
  x.negative = (top & 0x8000) != 0;
  x.exponent = static_cast<int>(top & 0x7FFF);
  std::uint64_t bits = x.exponent == kExtendedMaxExponent ? SpecialToDouble(x) : FiniteToDouble(x);
  if (x.negative) bits |= kDoubleSign;
  return std::bit_cast<double>(bits);
}

}  // namespace qs
