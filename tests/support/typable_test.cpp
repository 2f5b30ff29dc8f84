#include "support/typable.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(Typable, OnlyPrintableCodePointsAreTyped) {
  struct Case {
    Char c;
    bool typable;
  };
  constexpr Case cases[] = {
      {0x00, false},   {0x09, false},   {0x1F, false},    {0x20, true},      {0x7E, true},
      {0x7F, false},   {0x80, false},   {0x9F, false},    {0xA0, true},      {0xD7FF, true},
      {0xD800, false}, {0xDBFF, false}, {0xDC00, false},  {0xDFFF, false},   {0xE000, true},
      {0xFFFD, true},  {0x1F600, true}, {0x10FFFF, true}, {0x110000, false}, {0xFFFFFFFF, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsTypable(c.c), c.typable) << "U+" << std::hex << static_cast<unsigned>(c.c);
}

}  // namespace
}  // namespace qs
