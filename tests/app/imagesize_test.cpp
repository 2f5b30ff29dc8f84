#include "app/imagesize.h"

#include <gtest/gtest.h>

#include <string>

namespace qs {
namespace {

std::string Bytes(std::initializer_list<unsigned> values) {
  std::string bytes;
  for (unsigned v : values) bytes += static_cast<char>(v);
  return bytes;
}

const std::string kPngSignature = Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
const std::string kPng = kPngSignature + Bytes({0, 0, 0, 13}) + "IHDR" +
                         Bytes({0, 0, 0x01, 0x2C, 0, 0, 0, 0x20, 8, 6, 0, 0, 0});
// An APP0 segment, a DHT segment, then a progressive frame of 640 x 480.
const std::string kJpeg = Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0,  4, 'J',  'F',  0xFF, 0xC4, 0, 2,
                                 0xFF, 0xFF, 0xC2, 0,    11, 8, 0x01, 0xE0, 0x02, 0x80, 3});

TEST(ImageSizeTest, ReadsEachFormatsHeaderAndRefusesDamage) {
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<TImageSize> expected;
  };
  const Case cases[] = {
      {"png", kPng, TImageSize{300, 32}},
      {"png cut short", kPng.substr(0, 23), std::nullopt},
      {"png without IHDR first", kPngSignature + Bytes({0, 0, 0, 13}) + "IDAT" + std::string(8, 1),
       std::nullopt},
      {"gif89a", "GIF89a" + Bytes({0x10, 0x01, 0x02, 0x00}), TImageSize{272, 2}},
      {"gif87a", "GIF87a" + Bytes({1, 0, 1, 0}), TImageSize{1, 1}},
      {"gif of zero width", "GIF89a" + Bytes({0, 0, 1, 0}), std::nullopt},
      {"jpeg after other segments", kJpeg, TImageSize{640, 480}},
      {"jpeg frame cut short", kJpeg.substr(0, kJpeg.size() - 3), std::nullopt},
      {"jpeg with scan before any frame", Bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2}), std::nullopt},
      {"jpeg segment running past the end", Bytes({0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xF0}),
       std::nullopt},
      {"jpeg segment length below two", Bytes({0xFF, 0xD8, 0xFF, 0xE1, 0, 1, 0xFF, 0xC0}),
       std::nullopt},
      {"text", "hello world, not an image", std::nullopt},
      {"empty", "", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadImageSize(c.bytes), c.expected) << c.name;
}

}  // namespace
}  // namespace qs
