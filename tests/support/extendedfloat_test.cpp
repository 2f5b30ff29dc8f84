#include "support/extendedfloat.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace qs {
namespace {

ExtendedBytes Make(std::uint16_t signAndExponent, std::uint64_t significand) {
  ExtendedBytes x{};
  for (int i = 0; i < 8; ++i) x[i] = static_cast<std::uint8_t>(significand >> (8 * i));
  x[8] = static_cast<std::uint8_t>(signAndExponent & 0xFF);
  x[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
  return x;
}

std::uint64_t Bits(double d) {
  return std::bit_cast<std::uint64_t>(d);
}

TEST(ExtendedFloat, KnownEncodings) {
  struct Case {
    double value;
    std::uint16_t exponent;
    std::uint64_t significand;
  } cases[] = {
      {1.0, 0x3FFF, 0x8000000000000000},
      {-2.0, 0xC000, 0x8000000000000000},
      {0.1, 0x3FFB, 0xCCCCCCCCCCCCD000},
      {0.0, 0x0000, 0},
      {-0.0, 0x8000, 0},
      {std::numeric_limits<double>::infinity(), 0x7FFF, 0x8000000000000000},
      {-std::numeric_limits<double>::infinity(), 0xFFFF, 0x8000000000000000},
      // The smallest double denormal, 2^-1074, is normal in the wider format.
      {std::numeric_limits<double>::denorm_min(), 0x3BCD, 0x8000000000000000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleToExtended(c.value), Make(c.exponent, c.significand)) << c.value;
    EXPECT_EQ(Bits(ExtendedToDouble(Make(c.exponent, c.significand))), Bits(c.value)) << c.value;
  }
}

TEST(ExtendedFloat, EveryKindOfDoubleRoundTripsBitForBit) {
  const double values[] = {
      1e300,
      -1e300,
      1e-300,
      123456.789,
      -0.0,
      std::numeric_limits<double>::max(),
      std::numeric_limits<double>::min(),  // smallest normal
      std::numeric_limits<double>::denorm_min(),
      -1e-310,
      2.2250738585072009e-308,  // largest denormal
      std::numeric_limits<double>::lowest(),
      std::numeric_limits<double>::epsilon(),
  };
  for (double v : values) EXPECT_EQ(Bits(ExtendedToDouble(DoubleToExtended(v))), Bits(v)) << v;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(nan))));
}

// Values a double cannot hold, and those that need rounding to 53 bits.
TEST(ExtendedFloat, NarrowingRoundsAndSaturates) {
  const double inf = std::numeric_limits<double>::infinity();
  const double tiny = std::numeric_limits<double>::denorm_min();
  struct Case {
    const char* name;
    ExtendedBytes in;
    double out;
  } cases[] = {
      {"largest extended", Make(0x7FFE, 0xFFFFFFFFFFFFFFFF), inf},
      {"negative huge", Make(0xFFFE, 0x8000000000000000), -inf},
      {"2^1024", Make(0x43FF, 0x8000000000000000), inf},
      {"all ones at 2^1023 rounds up to infinity", Make(0x43FE, 0xFFFFFFFFFFFFFFFF), inf},
      {"just below the round-up stays max", Make(0x43FE, 0xFFFFFFFFFFFFFBFF),
       std::numeric_limits<double>::max()},
      {"smallest extended normal", Make(0x0001, 0x8000000000000000), 0.0},
      {"negative tiny keeps the sign", Make(0x8001, 0x8000000000000000), -0.0},
      {"extended denormal", Make(0x0000, 1), 0.0},
      {"half the smallest denormal ties to even zero", Make(0x3BCC, 0x8000000000000000), 0.0},
      {"just over half rounds up", Make(0x3BCC, 0x8000000000000001), tiny},
      {"one and a half denormals ties to two", Make(0x3BCD, 0xC000000000000000), 2 * tiny},
      {"quarter of the smallest denormal", Make(0x3BCB, 0xFFFFFFFFFFFFFFFF), 0.0},
      {"1 + 2^-53 ties to even 1", Make(0x3FFF, 0x8000000000000400), 1.0},
      {"1 + 3*2^-53 ties up", Make(0x3FFF, 0x8000000000000C00), 1.0 + 4 * std::ldexp(1.0, -53)},
      {"unnormal is read by its value", Make(0x3FFF, 0x4000000000000000), 0.5},
      {"pseudo-zero", Make(0x1234, 0), 0.0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Bits(ExtendedToDouble(c.in)), Bits(c.out))
        << c.name << ": " << ExtendedToDouble(c.in);
}

TEST(ExtendedFloat, NaNsStayNaN) {
  EXPECT_TRUE(std::isnan(ExtendedToDouble(Make(0x7FFF, 0xC000000000000000))));
  // Only the lowest significand bits set: still not an infinity.
  EXPECT_TRUE(std::isnan(ExtendedToDouble(Make(0xFFFF, 0x8000000000000001))));
  EXPECT_TRUE(std::isinf(ExtendedToDouble(Make(0x7FFF, 0))));  // pseudo-infinity
}

}  // namespace
}  // namespace qs
