#include "support/unicodecase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qs {
namespace {

TEST(UnicodeCase, SpotValues) {
  struct Case {
    const char* name;
    Char c, upper, lower;
    bool letter, isUpper, isLower;
  } cases[] = {
      {"ascii small", U'a', U'A', U'a', true, false, true},
      {"ascii capital", U'Z', U'Z', U'z', true, true, false},
      {"digit", U'7', U'7', U'7', false, false, false},
      {"underscore", U'_', U'_', U'_', false, false, false},
      {"e acute", 0x00E9, 0x00C9, 0x00E9, true, false, true},
      {"y diaeresis leaves Latin-1", 0x00FF, 0x0178, 0x00FF, true, false, true},
      {"sharp s has no simple capital", 0x00DF, 0x00DF, 0x00DF, true, false, true},
      {"capital sharp s", 0x1E9E, 0x1E9E, 0x00DF, true, true, false},
      {"micro sign", 0x00B5, 0x039C, 0x00B5, true, false, true},
      {"feminine ordinal has no case", 0x00AA, 0x00AA, 0x00AA, true, false, false},
      {"dotted capital I", 0x0130, 0x0130, U'i', true, true, false},
      {"dotless small i", 0x0131, U'I', 0x0131, true, false, true},
      {"titlecase Dz", 0x01C5, 0x01C4, 0x01C6, true, false, false},
      {"capital DZ", 0x01C4, 0x01C4, 0x01C6, true, true, false},
      {"modifier letter h", 0x02B0, 0x02B0, 0x02B0, true, false, false},
      {"combining ypogegrammeni", 0x0345, 0x0399, 0x0345, false, false, false},
      {"sigma", 0x03C3, 0x03A3, 0x03C3, true, false, true},
      {"final sigma", 0x03C2, 0x03A3, 0x03C2, true, false, true},
      {"capital sigma", 0x03A3, 0x03A3, 0x03C3, true, true, false},
      {"iota with dialytika and tonos", 0x0390, 0x0390, 0x0390, true, false, true},
      {"cyrillic zhe", 0x0416, 0x0416, 0x0436, true, true, false},
      {"cyrillic io", 0x0451, 0x0401, 0x0451, true, false, true},
      {"palochka", 0x04C0, 0x04C0, 0x04CF, true, true, false},
      {"armenian ayb", 0x0531, 0x0531, 0x0561, true, true, false},
      {"armenian ech yiwn ligature", 0x0587, 0x0587, 0x0587, true, false, true},
      {"georgian an", 0x10D0, 0x1C90, 0x10D0, true, false, true},
      {"cherokee a", 0x13A0, 0x13A0, 0xAB70, true, true, false},
      {"cherokee small a", 0xAB70, 0x13A0, 0xAB70, true, false, true},
      {"roman numeral one", 0x2160, 0x2160, 0x2170, false, false, false},
      {"circled A", 0x24B6, 0x24B6, 0x24D0, false, false, false},
      {"fullwidth A", 0xFF21, 0xFF21, 0xFF41, true, true, false},
      {"cjk ideograph", 0x4E00, 0x4E00, 0x4E00, true, false, false},
      {"hangul syllable", 0xAC00, 0xAC00, 0xAC00, true, false, false},
      {"plane 2 ideograph", 0x20000, 0x20000, 0x20000, true, false, false},
      {"deseret long i", 0x10400, 0x10400, 0x10428, true, true, false},
      {"deseret small long i", 0x10428, 0x10400, 0x10428, true, false, true},
      {"adlam small alif", 0x1E922, 0x1E900, 0x1E922, true, false, true},
      {"surrogate", 0xD800, 0xD800, 0xD800, false, false, false},
      {"unassigned", 0x0378, 0x0378, 0x0378, false, false, false},
      {"beyond Unicode", 0x110000, 0x110000, 0x110000, false, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToUpperChar(c.c), c.upper) << c.name;
    EXPECT_EQ(ToLowerChar(c.c), c.lower) << c.name;
    EXPECT_EQ(IsLetter(c.c), c.letter) << c.name;
    EXPECT_EQ(IsUpper(c.c), c.isUpper) << c.name;
    EXPECT_EQ(IsLower(c.c), c.isLower) << c.name;
  }
}

TEST(UnicodeCase, StringsMapEachCharacterAndKeepTheirLength) {
  EXPECT_EQ(ToLower(U"Stra\u00dfe \u03a3\u0391\u03a3 \u0416 \U00010400 A1z"),
            U"stra\u00dfe \u03c3\u03b1\u03c3 \u0436 \U00010428 a1z");
  EXPECT_EQ(ToUpper(U"\u01c5ungla \u03c2 \u00ff x"), U"\u01c4UNGLA \u03a3 \u0178 X");
  EXPECT_EQ(ToUpper(U""), U"");
  // The strings take an ASCII shortcut; it must agree with the table everywhere.
  String all;
  for (Char c = 0; c < 0x20000; ++c) all.push_back(c);
  const String upper = ToUpper(all), lower = ToLower(all);
  ASSERT_EQ(upper.size(), all.size());
  for (Char c = 0; c < 0x20000; ++c) {
    ASSERT_EQ(upper[c], ToUpperChar(c)) << std::hex << static_cast<unsigned>(c);
    ASSERT_EQ(lower[c], ToLowerChar(c)) << std::hex << static_cast<unsigned>(c);
  }
}

// Checks the committed table against the database it was generated from,
// where the machine has it.
TEST(UnicodeCase, AgreesWithTheCharacterDatabase) {
  std::ifstream in("/usr/share/unicode/UnicodeData.txt");
  if (!in) GTEST_SKIP() << "no UnicodeData.txt on this machine";
  std::string line;
  int checked = 0;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::stringstream fields(line);
    for (std::string field; std::getline(fields, field, ';');) f.push_back(field);
    if (f.size() < 14 || f[1].find(", Last>") != std::string::npos) continue;
    const Char c = std::stoul(f[0], nullptr, 16);
    const Char upper = f[12].empty() ? c : std::stoul(f[12], nullptr, 16);
    const Char lower = f[13].empty() ? c : std::stoul(f[13], nullptr, 16);
    ASSERT_EQ(ToUpperChar(c), upper) << f[0];
    ASSERT_EQ(ToLowerChar(c), lower) << f[0];
    ASSERT_EQ(IsLetter(c), f[2][0] == 'L') << f[0];
    ASSERT_EQ(IsUpper(c), f[2] == "Lu") << f[0];
    ASSERT_EQ(IsLower(c), f[2] == "Ll") << f[0];
    ++checked;
  }
  EXPECT_GT(checked, 30000);
}

}  // namespace
}  // namespace qs
