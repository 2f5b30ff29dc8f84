// Damaged scheme files either load with what they still hold or fail with the
// scheme's message; the scheme is never left half-read.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "support/errors.h"
#include "syntax/qsparser.h"

namespace qs {
namespace {

TEST(SchemeFileRandom, DamagedFilesFailCleanly) {
  std::ifstream in(std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes/html.sch", std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string good = ss.str();
  const std::string path = ::testing::TempDir() + "/damaged.sch";
  std::mt19937 rng(11);
  const char noise[] = "'#<>=+()[]\r\n 0123456789-ItemendobjectP.\x80\xff";
  TSyntaxParser parser;
  for (int round = 0; round < 300; ++round) {
    std::string text = good;
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = rng() % text.size();
      switch (rng() % 3) {
        case 0:
          text[at] = noise[rng() % (sizeof noise - 1)];
          break;
        case 1:
          text.erase(at, 1 + rng() % 40);
          break;
        default:
          text.resize(at + 1);
          break;
      }
    }
    std::ofstream(path, std::ios::binary) << text;
    TSyntaxScheme s;
    const std::string before = s.SaveToText();
    try {
      s.LoadFromFile(path);
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "Can't read syntax scheme from file \"" + path + "\".");
      EXPECT_EQ(s.SaveToText(), before);
      continue;
    }
    // Whatever loaded compiles and highlights.
    parser.SetSyntaxScheme(s);
    std::string bytes(good.size(), '\0');
    const String line(good.begin(), good.begin() + 200);
    bytes.resize(line.size());
    parser.ParseLine(line, 0, false, bytes);
  }
}

}  // namespace
}  // namespace qs
