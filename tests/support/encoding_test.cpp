#include "support/encoding.h"

#include <gtest/gtest.h>

#include <random>

#include "support/codepages.h"
#include "support/utf8.h"

namespace qs {
namespace {

constexpr Encoding kAllEncodings[] = {
    Encoding::Utf8,        Encoding::Utf16LE, Encoding::Utf16BE, Encoding::Windows1252,
    Encoding::Windows1251, Encoding::Cp866,   Encoding::Koi8R};
constexpr Encoding kCodePages[] = {Encoding::Windows1252, Encoding::Windows1251, Encoding::Cp866,
                                   Encoding::Koi8R};

String Decode(std::string_view bytes, Encoding enc) {
  String out;
  DecodeAppend(bytes, enc, out);
  return out;
}

TEST(DetectEncoding, ByteOrderMarkThenUtf8ThenCodePage) {
  const std::string ascii17 = "abcdefghijklmnopq";  // longer than one scanned word
  struct Case {
    const char* name;
    std::string bytes;
    Encoding page;
    Encoding encoding;
    std::size_t bomLength;
  } cases[] = {
      {"empty", "", Encoding::Windows1252, Encoding::Utf8, 0},
      {"ascii", "plain <b>text</b>\r\n", Encoding::Koi8R, Encoding::Utf8, 0},
      {"utf-8 bom only", "\xEF\xBB\xBF", Encoding::Windows1252, Encoding::Utf8, 3},
      {"utf-8 bom", "\xEF\xBB\xBFx\xE9", Encoding::Windows1252, Encoding::Utf8, 3},
      {"utf-16le bom", "\xFF\xFEx\0", Encoding::Windows1252, Encoding::Utf16LE, 2},
      {"utf-16be bom", "\xFE\xFF\0x", Encoding::Windows1252, Encoding::Utf16BE, 2},
      {"utf-8 two to four bytes", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", Encoding::Cp866,
       Encoding::Utf8, 0},
      {"utf-8 after a long ascii run", ascii17 + "\xD0\x96", Encoding::Cp866, Encoding::Utf8, 0},
      {"latin-1 byte", "caf\xE9", Encoding::Windows1252, Encoding::Windows1252, 0},
      {"chosen page", "\xF0\xD2\xC9\xD7\xC5\xD4", Encoding::Koi8R, Encoding::Koi8R, 0},
      {"bad byte after a long ascii run", ascii17 + "\x80", Encoding::Windows1251,
       Encoding::Windows1251, 0},
      {"bad byte ending a scanned word", "abcdefg\x80" + ascii17, Encoding::Windows1251,
       Encoding::Windows1251, 0},
      {"truncated at the end", "ab\xE2\x82", Encoding::Windows1252, Encoding::Windows1252, 0},
      {"overlong two bytes", "\xC0\x80", Encoding::Windows1252, Encoding::Windows1252, 0},
      {"overlong three bytes", "\xE0\x9F\xBF", Encoding::Windows1252, Encoding::Windows1252, 0},
      {"overlong four bytes", "\xF0\x8F\xBF\xBF", Encoding::Windows1252, Encoding::Windows1252, 0},
      {"surrogate", "\xED\xA0\x80", Encoding::Windows1252, Encoding::Windows1252, 0},
      {"above U+10FFFF", "\xF4\x90\x80\x80", Encoding::Windows1252, Encoding::Windows1252, 0},
      {"not a code page falls back", "\xE9", Encoding::Utf16LE, Encoding::Windows1252, 0},
      {"utf-16le without bom", std::string("a\0b\0\n\0", 6), Encoding::Windows1252,
       Encoding::Utf16LE, 0},
      {"utf-16be without bom", std::string("\0a\0b", 4), Encoding::Windows1252, Encoding::Utf16BE,
       0},
      {"one unit is too little to tell", std::string("a\0", 2), Encoding::Windows1252,
       Encoding::Utf8, 0},
      {"a nul where a letter should be", std::string("a\0\0\0", 4), Encoding::Windows1252,
       Encoding::Utf8, 0},
      {"nuls only every other byte of the head",
       std::string("a\0b\0", 4) + "cd" + std::string(10, '\0'), Encoding::Windows1252,
       Encoding::Utf8, 0},
  };
  for (const Case& c : cases) {
    const DetectedEncoding found = DetectEncoding(c.bytes, c.page);
    EXPECT_EQ(found.encoding, c.encoding) << c.name;
    EXPECT_EQ(found.bom, c.bomLength != 0) << c.name;
    EXPECT_EQ(found.bomLength, c.bomLength) << c.name;
  }
}

TEST(DecodeDocument, UnicodeTextsRoundTripByteForByteWithAndWithoutBom) {
  const String text = String(U"a\0\u00e9\r\n\u20ac\U0001F600\U0010FFFF\uFFFF", 9);
  for (Encoding enc : {Encoding::Utf8, Encoding::Utf16LE, Encoding::Utf16BE}) {
    for (bool bom : {false, true}) {
      const std::string bytes = EncodeText(text, enc, bom);
      const DetectedEncoding found = DetectEncoding(bytes);
      EXPECT_EQ(found.bom, bom) << EncodingName(enc);
      EXPECT_EQ(Decode(std::string_view(bytes).substr(found.bomLength), enc), text)
          << EncodingName(enc) << " bom " << bom;
      if (bom || enc == Encoding::Utf8) {
        const DecodedText doc = DecodeDocument(bytes);
        EXPECT_EQ(doc.text, text);
        EXPECT_EQ(doc.encoding, enc);
        EXPECT_FALSE(doc.lossy);
        EXPECT_EQ(EncodeText(doc.text, doc.encoding, doc.bom), bytes);
      }
    }
  }
}

TEST(EncodeText, Utf16WritesSurrogatePairsInEitherByteOrder) {
  const String text = U"A\U0001F600\u20ac";
  EXPECT_EQ(EncodeText(text, Encoding::Utf16LE, true),
            std::string("\xFF\xFE\x41\x00\x3D\xD8\x00\xDE\xAC\x20", 10));
  EXPECT_EQ(EncodeText(text, Encoding::Utf16BE, false),
            std::string("\x00\x41\xD8\x3D\xDE\x00\x20\xAC", 8));
  EXPECT_EQ(EncodeText(text, Encoding::Utf8, true),
            "\xEF\xBB\xBF"
            "A\xF0\x9F\x98\x80\xE2\x82\xAC");
  EXPECT_EQ(EncodeText(U"\u00e9", Encoding::Windows1252, true), "\xE9");  // code pages have no BOM
}

TEST(DecodeAppend, IllFormedUtf16BecomesReplacementCharacters) {
  struct Case {
    const char* name;
    std::string bytesLE;
    String text;
  } cases[] = {
      {"odd trailing byte", std::string("a\0b", 3), U"a\uFFFD"},
      {"lone high surrogate at the end", std::string("a\0\x3D\xD8", 4), U"a\uFFFD"},
      {"lone low surrogate",
       std::string("\x00\xDE"
                   "b\0",
                   4),
       U"\uFFFDb"},
      {"high surrogate before a letter",
       std::string("\x3D\xD8"
                   "b\0",
                   4),
       U"\uFFFDb"},
      {"two high surrogates then a low", std::string("\x3D\xD8\x3D\xD8\x00\xDE", 6),
       U"\uFFFD\U0001F600"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decode(c.bytesLE, Encoding::Utf16LE), c.text) << c.name;
    std::string swapped = c.bytesLE;
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
    EXPECT_EQ(Decode(swapped, Encoding::Utf16BE), c.text) << c.name;
    EXPECT_TRUE(DecodeDocument("\xFF\xFE" + c.bytesLE).lossy) << c.name;
  }
}

TEST(DecodeDocument, IllFormedTextAfterAUtf8BomIsFlaggedLossy) {
  const DecodedText doc = DecodeDocument(
      "\xEF\xBB\xBF"
      "a\xE9z");
  EXPECT_EQ(doc.encoding, Encoding::Utf8);
  EXPECT_TRUE(doc.bom);
  EXPECT_EQ(doc.text, U"a\uFFFDz");
  EXPECT_TRUE(doc.lossy);
}

TEST(DecodeDocument, EveryByteOfACodePageFileRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (Encoding page : kCodePages) {
    const DecodedText doc = DecodeDocument(all, page);
    ASSERT_EQ(doc.encoding, page);
    EXPECT_FALSE(doc.bom);
    EXPECT_FALSE(doc.lossy);
    ASSERT_EQ(doc.text.size(), 256u);
    for (int b = 0; b < 256; ++b) {
      Char expected = 0;
      ByteToChar(page, static_cast<unsigned char>(b), expected);
      EXPECT_EQ(doc.text[b], expected) << EncodingName(page) << " byte " << b;
    }
    EXPECT_EQ(EncodeText(doc.text, page, false), all) << EncodingName(page);
  }
}

TEST(EncodeText, RefusesACharacterTheEncodingCannotHold) {
  struct Case {
    const char* name;
    String text;
    Encoding enc;
    std::size_t offset;
    const char* fragments[3];
  } cases[] = {
      {"cyrillic in windows-1252",
       U"ab\r\ncd\u0416",
       Encoding::Windows1252,
       6,
       {"U+0416", "windows-1252", "line 2, column 3"}},
      {"after CR and CR LF breaks",
       U"a\rb\r\n\u0436\u00e9",
       Encoding::Cp866,
       6,
       {"U+00E9", "IBM866", "line 3, column 2"}},
      {"U+0080 where windows-1252 has the euro",
       U"\u0080",
       Encoding::Windows1252,
       0,
       {"U+0080", "windows-1252", "line 1, column 1"}},
      {"emoji in KOI8-R", U"x\U0001F600", Encoding::Koi8R, 1, {"U+1F600", "KOI8-R", "column 2"}},
      {"lone surrogate in UTF-8", String(1, 0xD800), Encoding::Utf8, 0, {"U+D800", "UTF-8", ""}},
      {"lone surrogate in UTF-16",
       U"ok" + String(1, 0xDFFF),
       Encoding::Utf16BE,
       2,
       {"U+DFFF", "UTF-16BE", "column 3"}},
      {"beyond Unicode", String(1, 0x110000), Encoding::Utf16LE, 0, {"U+110000", "UTF-16LE", ""}},
  };
  for (const Case& c : cases) {
    try {
      const std::string bytes = EncodeText(c.text, c.enc, true);
      ADD_FAILURE() << c.name << ": encoded to " << bytes.size() << " bytes";
    } catch (const EncodingError& e) {
      EXPECT_EQ(e.Offset(), c.offset) << c.name;
      for (const char* fragment : c.fragments)
        EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos)
            << c.name << ": \"" << e.what() << "\" lacks " << fragment;
    }
  }
}

TEST(EncodeText, KeepsTheC1ControlsThatStandForUndefinedBytes) {
  EXPECT_EQ(EncodeText(U"\u0081\u008D\u008F\u0090\u009D", Encoding::Windows1252, false),
            "\x81\x8D\x8F\x90\x9D");
  EXPECT_EQ(EncodeText(U"\u0098", Encoding::Windows1251, false), "\x98");
  EXPECT_THROW(EncodeText(U"\u0098", Encoding::Windows1252, false), EncodingError);
}

TEST(EncodingName, NamesRoundTripAndAliasesIgnoreCase) {
  for (Encoding enc : kAllEncodings) EXPECT_EQ(EncodingFromName(EncodingName(enc)), enc);
  EXPECT_EQ(EncodingName(Encoding::Utf8), "UTF-8");
  EXPECT_EQ(EncodingName(Encoding::Utf16LE), "UTF-16LE");
  EXPECT_EQ(EncodingName(Encoding::Windows1252), "windows-1252");
  EXPECT_EQ(EncodingName(Encoding::Koi8R), "KOI8-R");
  struct Alias {
    const char* name;
    std::optional<Encoding> enc;
  } aliases[] = {
      {"utf-8", Encoding::Utf8},
      {"UTF8", Encoding::Utf8},
      {"utf-16be", Encoding::Utf16BE},
      {"WINDOWS-1251", Encoding::Windows1251},
      {"CP1252", Encoding::Windows1252},
      {"ibm866", Encoding::Cp866},
      {"Cp866", Encoding::Cp866},
      {"koi8-r", Encoding::Koi8R},
      {"", std::nullopt},
      {"UTF-8 ", std::nullopt},
      {"iso-8859-5", std::nullopt},
  };
  for (const Alias& a : aliases) EXPECT_EQ(EncodingFromName(a.name), a.enc) << a.name;
}

// Random documents, some mostly well-formed, some noise: decoding never fails,
// a decode without replacements saves back to the same bytes, and UTF-8
// validation agrees with the decoder's own judgement.
TEST(DecodeDocument, RandomBytesDecodeAndCleanOnesSaveBack) {
  const unsigned seed = 20240611;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const std::string prefixes[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = prefixes[rng() % 4];
    const int pieces = static_cast<int>(rng() % 40);
    for (int p = 0; p < pieces; ++p) {
      if (rng() % 4 == 0)
        bytes.push_back(static_cast<char>(rng()));
      else
        AppendUtf8(bytes, static_cast<Char>(rng() % (rng() % 2 ? 0x80 : 0x110000)));
    }
    for (Encoding enc : kAllEncodings) {
      const String text = Decode(bytes, enc);
      if (IsCodePage(enc)) {
        EXPECT_EQ(text.size(), bytes.size());
      }
    }
    // The fast paths against the one-sequence-at-a-time decoder.
    String reference;
    bool allValid = true;
    for (std::size_t pos = 0; pos < bytes.size();) {
      bool valid = true;
      reference.push_back(DecodeUtf8At(bytes, pos, valid));
      allValid = allValid && valid;
    }
    String utf8;
    EXPECT_EQ(AppendFromUtf8(bytes, utf8) == 0, allValid) << round;
    EXPECT_EQ(utf8, reference) << round;
    EXPECT_EQ(IsValidUtf8(bytes), allValid) << round;
    const Encoding page = kCodePages[rng() % 4];
    const DecodedText doc = DecodeDocument(bytes, page);
    if (!doc.lossy) {
      EXPECT_EQ(EncodeText(doc.text, doc.encoding, doc.bom), bytes) << round;
    } else {
      EXPECT_NE(doc.text.find(kReplacementChar), String::npos) << round;
    }
  }
}

}  // namespace
}  // namespace qs
