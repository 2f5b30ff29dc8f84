#include "support/codepages.h"

#include <gtest/gtest.h>

#include <set>

#include "support/unicodecase.h"

namespace qs {
namespace {

constexpr Encoding kCodePages[] = {Encoding::Windows1252, Encoding::Windows1251, Encoding::Cp866,
                                   Encoding::Koi8R};

Char CharOf(Encoding enc, unsigned char byte) {
  Char c = 0;
  ByteToChar(enc, byte, c);
  return c;
}

String Decode(std::string_view bytes, Encoding enc) {
  String out;
  DecodeAppend(bytes, enc, out);
  return out;
}

TEST(CodePages, EntriesMatchThePublishedCharts) {
  struct Case {
    Encoding enc;
    unsigned char byte;
    Char c;
  } cases[] = {
      {Encoding::Windows1252, 0x41, U'A'},   {Encoding::Windows1252, 0x80, 0x20AC},
      {Encoding::Windows1252, 0x8C, 0x0152}, {Encoding::Windows1252, 0x9F, 0x0178},
      {Encoding::Windows1252, 0xA0, 0x00A0}, {Encoding::Windows1252, 0xE9, 0x00E9},
      {Encoding::Windows1251, 0x80, 0x0402}, {Encoding::Windows1251, 0x88, 0x20AC},
      {Encoding::Windows1251, 0xA8, 0x0401}, {Encoding::Windows1251, 0xB9, 0x2116},
      {Encoding::Windows1251, 0xC0, 0x0410}, {Encoding::Windows1251, 0xFF, 0x044F},
      {Encoding::Cp866, 0x80, 0x0410},       {Encoding::Cp866, 0xAF, 0x043F},
      {Encoding::Cp866, 0xB0, 0x2591},       {Encoding::Cp866, 0xC9, 0x2554},
      {Encoding::Cp866, 0xE0, 0x0440},       {Encoding::Cp866, 0xF0, 0x0401},
      {Encoding::Cp866, 0xFC, 0x2116},       {Encoding::Cp866, 0xFF, 0x00A0},
      {Encoding::Koi8R, 0x80, 0x2500},       {Encoding::Koi8R, 0x9A, 0x00A0},
      {Encoding::Koi8R, 0xA3, 0x0451},       {Encoding::Koi8R, 0xB3, 0x0401},
      {Encoding::Koi8R, 0xBF, 0x00A9},       {Encoding::Koi8R, 0xC0, 0x044E},
      {Encoding::Koi8R, 0xC1, 0x0430},       {Encoding::Koi8R, 0xE1, 0x0410},
      {Encoding::Koi8R, 0xFF, 0x042A},
  };
  for (const Case& c : cases) {
    Char got = 0;
    EXPECT_TRUE(ByteToChar(c.enc, c.byte, got)) << EncodingName(c.enc) << " " << int{c.byte};
    EXPECT_EQ(got, c.c) << EncodingName(c.enc) << " " << int{c.byte};
  }
}

TEST(CodePages, OnlyTheUndefinedBytesReportFalseAndReadAsC1Controls) {
  struct Case {
    Encoding enc;
    std::set<int> undefined;
  } cases[] = {
      {Encoding::Windows1252, {0x81, 0x8D, 0x8F, 0x90, 0x9D}},
      {Encoding::Windows1251, {0x98}},
      {Encoding::Cp866, {}},
      {Encoding::Koi8R, {}},
  };
  for (const Case& c : cases) {
    std::set<int> undefined;
    for (int b = 0; b < 256; ++b) {
      Char ch = 0;
      if (!ByteToChar(c.enc, static_cast<unsigned char>(b), ch)) {
        undefined.insert(b);
        EXPECT_EQ(ch, static_cast<Char>(b)) << EncodingName(c.enc);
      }
    }
    EXPECT_EQ(undefined, c.undefined) << EncodingName(c.enc);
  }
}

TEST(CodePages, EveryByteMapsBackToItselfAndForeignCharactersAreRefused) {
  for (Encoding enc : kCodePages) {
    for (int b = 0; b < 256; ++b) {
      unsigned char back = 0;
      ASSERT_TRUE(CharToByte(enc, CharOf(enc, static_cast<unsigned char>(b)), back));
      EXPECT_EQ(back, b) << EncodingName(enc);
    }
    unsigned char untouched = 0x2A;
    for (Char foreign : {Char{0x0E01}, Char{0x1F600}, Char{0xFFFD}, Char{0x110000}})
      EXPECT_FALSE(CharToByte(enc, foreign, untouched)) << EncodingName(enc);
    EXPECT_EQ(untouched, 0x2A);
  }
  unsigned char byte = 0;
  EXPECT_FALSE(CharToByte(Encoding::Windows1252, 0x0416, byte));
  EXPECT_FALSE(CharToByte(Encoding::Windows1252, 0x0080, byte));  // 0x80 is the euro sign
  EXPECT_FALSE(CharToByte(Encoding::Cp866, 0x00E9, byte));
  EXPECT_FALSE(CharToByte(Encoding::Utf8, U'a', byte));
  Char c = 0;
  EXPECT_FALSE(ByteToChar(Encoding::Utf16LE, 0x41, c));
  EXPECT_FALSE(IsCodePage(Encoding::Utf8));
}

// The three Cyrillic pages hold the same Russian alphabet; KOI8-R has eight
// signs that CP866 lacks and no other.
TEST(CodePages, CyrillicPagesAgreeWithEachOther) {
  String russian = U"\u0401\u0451";
  for (Char c = 0x0410; c <= 0x044F; ++c) russian.push_back(c);
  unsigned char byte = 0;
  for (Char c : russian) {
    for (Encoding enc : {Encoding::Windows1251, Encoding::Cp866, Encoding::Koi8R})
      EXPECT_TRUE(CharToByte(enc, c, byte))
          << EncodingName(enc) << " U+" << std::hex << static_cast<unsigned>(c);
    EXPECT_FALSE(CharToByte(Encoding::Windows1252, c, byte));
  }
  String lacking;
  for (int b = 0x80; b < 256; ++b) {
    const Char c = CharOf(Encoding::Koi8R, static_cast<unsigned char>(b));
    if (!CharToByte(Encoding::Cp866, c, byte)) lacking.push_back(c);
  }
  EXPECT_EQ(lacking, U"\u2320\u2248\u2264\u2265\u2321\u00b2\u00f7\u00a9");
  for (int b = 0xC0; b < 0xE0; ++b)  // KOI8-R sets small letters 0x20 below capitals
    EXPECT_EQ(ToUpperChar(CharOf(Encoding::Koi8R, static_cast<unsigned char>(b))),
              CharOf(Encoding::Koi8R, static_cast<unsigned char>(b + 0x20)));
}

TEST(Reinterpret, DosTextReadAsWindowsIsRestoredAndBack) {
  const String russian = U"\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440!";
  struct Case {
    Encoding written, read;
    std::string bytes;
  } cases[] = {
      {Encoding::Cp866, Encoding::Windows1251, "\x8F\xE0\xA8\xA2\xA5\xE2, \xAC\xA8\xE0!"},
      {Encoding::Koi8R, Encoding::Windows1251, "\xF0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2!"},
      {Encoding::Windows1251, Encoding::Cp866, "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!"},
  };
  for (const Case& c : cases) {
    const String misread = Decode(c.bytes, c.read);
    ASSERT_NE(misread, russian);
    EXPECT_EQ(Reinterpret(misread, c.read, c.written), russian) << EncodingName(c.written);
    EXPECT_EQ(Reinterpret(russian, c.written, c.read), misread) << EncodingName(c.written);
  }
}

TEST(Reinterpret, KeepsCharactersTheSourceCannotHold) {
  EXPECT_EQ(Reinterpret(0x20AC, Encoding::Cp866, Encoding::Windows1251), Char{0x20AC});
  EXPECT_EQ(Reinterpret(0x1F600, Encoding::Windows1251, Encoding::Koi8R), Char{0x1F600});
  EXPECT_EQ(Reinterpret(0x0416, Encoding::Utf8, Encoding::Cp866), Char{0x0416});
  EXPECT_EQ(Reinterpret(0x0416, Encoding::Windows1251, Encoding::Utf16BE), Char{0x0416});
  // The euro sign is 0x88 in windows-1251, which CP866 reads as a capital letter.
  EXPECT_EQ(Reinterpret(0x20AC, Encoding::Windows1251, Encoding::Cp866), Char{0x0418});
}

}  // namespace
}  // namespace qs
