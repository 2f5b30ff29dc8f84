#include "support/lengthprefixed.h"

#include <gtest/gtest.h>

#include "support/errors.h"

namespace qs {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(LengthPrefixed, EncodesTheLengthLittleEndianFirst) {
  EXPECT_EQ(EncodeLengthPrefixed(Bytes{0xB6}), (Bytes{0x01, 0x00, 0x00, 0x00, 0xB6}));
  EXPECT_EQ(EncodeLengthPrefixed(Bytes{}), (Bytes{0, 0, 0, 0}));
  const Bytes big(0x0102, 0x5F);
  const Bytes encoded = EncodeLengthPrefixed(big);
  EXPECT_EQ(Bytes(encoded.begin(), encoded.begin() + 4), (Bytes{0x02, 0x01, 0x00, 0x00}));
  EXPECT_EQ(DecodeLengthPrefixed(encoded), big);
}

TEST(LengthPrefixed, DecodingTrustsNoLengthBeyondTheBytesThatFollow) {
  const struct {
    const char* what;
    Bytes in;
    std::optional<Bytes> out;  // nothing: must fail
  } cases[] = {
      {"one byte", {1, 0, 0, 0, 0xB6}, Bytes{0xB6}},
      {"empty block", {0, 0, 0, 0}, Bytes{}},
      {"trailing bytes ignored", {1, 0, 0, 0, 'a', 'b'}, Bytes{'a'}},
      {"no length", {}, std::nullopt},
      {"short length", {1, 0, 0}, std::nullopt},
      {"one byte missing", {2, 0, 0, 0, 'a'}, std::nullopt},
      {"huge length", {0xFF, 0xFF, 0xFF, 0xFF, 'a'}, std::nullopt},
      {"high byte set", {1, 0, 0, 0x80, 'a'}, std::nullopt},
  };
  for (const auto& c : cases) {
    if (c.out) {
      EXPECT_EQ(DecodeLengthPrefixed(c.in), *c.out) << c.what;
    } else {
      EXPECT_THROW(DecodeLengthPrefixed(c.in), ParseError) << c.what;
    }
  }
}

}  // namespace
}  // namespace qs
