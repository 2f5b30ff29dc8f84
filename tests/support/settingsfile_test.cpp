#include "support/settingsfile.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "support/errors.h"
#include "support/registry.h"
#include "support/settingssnapshot.h"

namespace qs {
namespace {

using testing::IsEmpty;
using testing::Snapshot;
using Bytes = std::vector<std::uint8_t>;

constexpr RootKey kUser = RootKey::CurrentUser;
const std::string kFirst = "; Quillon settings 1\n";
const std::string kUserA = "[HKEY_CURRENT_USER\\A]\n";
const std::string kEnd = "; end\n";

String AllControls() {
  String text;
  for (Char c = 0; c < 0x20; ++c) text += c;
  text += 0x7F;
  for (Char c = 0x80; c < 0xA0; ++c) text += c;
  return text;
}

Bytes AllBytes() {
  Bytes bytes;
  for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<std::uint8_t>(b));
  return bytes;
}

// Every kind, and every character the writer must escape or pass through.
void FillWithEveryKind(SettingsStore& store) {
  const String texts[] = {
      U"",
      U"say \"hi\" \\ back\\slash\\",
      U"line\nbreak\r\n\ttab",
      AllControls(),
      U"\u00e9\u20ac\U0001F600 \u2028 \uFFFD",
      String(U"nul\0inside", 10),
      String{0xD800, U'x', 0xDFFF, 0x110000, 0xFFFFFFFF},
  };
  int n = 0;
  for (const String& text : texts) {
    store.WriteValue(kUser, "Strings", "s" + std::to_string(n), RegValue::Str(text));
    store.WriteValue(kUser, "Strings", "e" + std::to_string(n++), RegValue::Expand(text));
  }
  for (std::int32_t v : {INT_MIN, -1, 0, 1, 0x50, INT_MAX})
    store.WriteValue(kUser, "Integers", std::to_string(v), RegValue::Int(v));
  store.WriteValue(kUser, "Binary", "all", RegValue::Bin(AllBytes()));
  store.WriteValue(kUser, "Binary", "empty", RegValue::Bin({}));
  store.WriteValue(kUser, "Binary", "one", RegValue::Bin({0x7F}));
  store.WriteValue(kUser, "Names", "", RegValue::Str(U"default"));
  store.WriteValue(kUser, "Names", "with \"quotes\", \\ and\nbreak\x01", RegValue::Int(1));
  store.WriteValue(kUser, "Names", "\u00e9t\u00e9 \U0001F600", RegValue::Int(2));
  store.CreateKey(kUser, "Empty\\Nested\\Deep");
  store.CreateKey(kUser, "[odd] name] \u00c9t\u00e9 ");
  store.WriteValue(RootKey::LocalMachine, "", "hive value", RegValue::Int(3));
  store.WriteValue(RootKey::ClassesRoot, ".html\\shell", "", RegValue::Str(U"open"));
}

TEST(SettingsText, GoldenTextOfASmallStore) {
  SettingsStore store;
  const std::string codeEdit = "Software\\Quillon Project\\Quillon\\CodeEdit";
  Bytes bin;
  for (int b = 0; b < 26; ++b) bin.push_back(static_cast<std::uint8_t>(b));
  store.WriteValue(kUser, codeEdit, "GutterWidth", RegValue::Int(40));
  store.WriteValue(kUser, codeEdit, "FontName", RegValue::Str(U"Courier New"));
  store.WriteValue(kUser, codeEdit, "Template", RegValue::Expand(U"$HOME\\t\u00e9"));
  store.WriteValue(kUser, codeEdit, "TextStyles", RegValue::Bin(bin));
  store.WriteValue(kUser, codeEdit + "\\Font", "Size", RegValue::Int(-1));
  store.CreateKey(RootKey::LocalMachine, "Empty");
  store.WriteValue(RootKey::ClassesRoot, "", "", RegValue::Str(U"q\"\n\x1b"));
  EXPECT_EQ(FormatSettings(store), R"(; Quillon settings 1

[HKEY_CURRENT_USER\Software]

[HKEY_CURRENT_USER\Software\Quillon Project]

[HKEY_CURRENT_USER\Software\Quillon Project\Quillon]

[HKEY_CURRENT_USER\Software\Quillon Project\Quillon\CodeEdit]
"GutterWidth"=dword:00000028
"FontName"="Courier New"
"Template"=expand:"$HOME\\té"
"TextStyles"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,\
  18,19

[HKEY_CURRENT_USER\Software\Quillon Project\Quillon\CodeEdit\Font]
"Size"=dword:ffffffff

[HKEY_LOCAL_MACHINE\Empty]

[HKEY_CLASSES_ROOT]
""="q\"\n\x1b"
; end
)");
}

TEST(SettingsText, EveryKindRoundTripsAndTheTextIsStable) {
  SettingsStore store;
  FillWithEveryKind(store);
  const std::string text = FormatSettings(store);
  SettingsStore back;
  ParseSettings(text, back);
  EXPECT_EQ(Snapshot(back), Snapshot(store));
  EXPECT_EQ(FormatSettings(back), text);
  // Nothing raw that a line-based reader or a text editor would trip over.
  for (const char c : text)
    EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)) << int(c);
}

// The longest name and string the store accepts, every character escaped in its
// widest form, still fit in one line the reader takes.
TEST(SettingsText, TheLargestValuesRoundTrip) {
  SettingsStore store;
  const std::string name(kMaxValueNameBytes, '\x01');
  store.WriteValue(kUser, "K", name, RegValue::Str(String(kMaxStringChars, 0xFFFFFFFF)));
  store.WriteValue(kUser, "K", "b", RegValue::Bin(Bytes(kMaxBinaryBytes, 0xAB)));
  std::string segment;  // two-byte characters up to the longest key name
  while (segment.size() + 2 <= kMaxKeyNameBytes) segment += "\u00e9";
  std::string longPath;
  while (longPath.size() + segment.size() <= kMaxKeyPathBytes) longPath += segment + "\\";
  store.CreateKey(RootKey::ClassesRoot, longPath);
  SettingsStore back;
  ParseSettings(FormatSettings(store), back);
  EXPECT_EQ(Snapshot(back), Snapshot(store));
}

// Hand edits a person may make: line ends, a BOM, comments, letter case, blanks.
TEST(SettingsText, ReadsTheVariationsOfAHandEditedFile) {
  SettingsStore expected;
  expected.WriteValue(kUser, "A", "n", RegValue::Int(0x5A));
  expected.WriteValue(kUser, "A", "s", RegValue::Str(U"x\u00e9"));
  expected.WriteValue(kUser, "A", "b", RegValue::Bin({0xAB, 0x01}));
  const std::string body = "\"n\"=dword:0000005a\n\"s\"=\"x\u00e9\"\n\"b\"=hex:ab,01\n";
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"as written", kFirst + kUserA + body + kEnd},
      {"CR LF",
       "; Quillon settings 1\r\n[HKEY_CURRENT_USER\\A]\r\n\"n\"=dword:5a\r\n"
       "\"s\"=\"x\u00e9\"\r\n\"b\"=hex:ab,01\r\n; end\r\n"},
      {"BOM", "\xEF\xBB\xBF" + kFirst + kUserA + body + kEnd},
      {"comments and blank lines", kFirst + "; a note\n\n" + kUserA +
                                       "  \n\"n\"=dword:5a\n;\"x\"=dword:1\n\"s\"=\"x\u00e9\"\n" +
                                       "\"b\"=hex:ab,01\n" + kEnd + "\n \t\n"},
      {"letter case", kFirst + "[hkey_current_user\\A]\n\"n\"=dword:5A\n\"s\"=\"x\u00e9\"\n" +
                          "\"b\"=hex:AB,01\n" + kEnd},
      {"blanks", kFirst + "[HKEY_CURRENT_USER\\\\A\\] \t\n\"n\"=dword:5a  \n\"s\"=\"x\u00e9\" \n" +
                     "\"b\"=hex: ab , 01 \n" + kEnd},
      {"hex over two lines", kFirst + kUserA + "\"n\"=dword:5a\n\"s\"=\"x\u00e9\"\n" +
                                 "\"b\"=hex:ab, \\ \n\t01\n" + kEnd},
      {"no last line break", kFirst + kUserA + body + "; end"},
      {"key given twice", kFirst + kUserA + "\"n\"=dword:1\n\"s\"=\"x\u00e9\"\n" + kUserA +
                              "\"b\"=hex:ab,01\n\"n\"=dword:5a\n" + kEnd},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsStore store;
    ParseSettings(c.text, store);
    EXPECT_EQ(Snapshot(store), Snapshot(expected));
  }
  // Escapes the writer does not use but a person might.
  SettingsStore store;
  ParseSettings(kFirst + kUserA + "\"s\"=\"\\xe9\\u{1F600}\\u{41}\"\n" + kEnd, store);
  EXPECT_EQ(store.ReadValue(kUser, "A", "s"), RegValue::Str(U"\u00e9\U0001F600A"));
}

std::string WrappedHex(std::size_t count) {
  std::string text = "\"v\"=hex:";
  for (std::size_t i = 0; i < count; ++i)
    text += i == 0 ? "00" : (i % 24 == 0 ? ",\\\n  00" : ",00");
  return text + "\n";
}

TEST(SettingsText, MalformedTextFailsAtItsLineAndLeavesTheStoreEmpty) {
  const std::string h = kFirst;
  const std::string k = kUserA;
  const auto value = [&](const std::string& line) { return h + k + line + "\n" + kEnd; };
  const struct {
    std::string text;
    int line;
    const char* message;  // a part of it
  } cases[] = {
      {"", 0, "not a Quillon settings file"},
      {"; Quillon settings 2\n" + kEnd, 1, "not a Quillon settings file"},
      {"garbage\n", 1, "not a Quillon settings file"},
      {h + k + "\"v\"=dword:1\n", 3, "cut short"},
      {h + k + "\"v\"=dword:1\n; en", 4, "cut short"},
      {h + kEnd + k, 3, "after the end line"},
      {h + "\"v\"=dword:1\n" + kEnd, 2, "outside a key"},
      {h + "[HKEY_NOWHERE\\A]\n" + kEnd, 2, "unknown hive"},
      {h + "[HKEY_CURRENT_USER\\A\n" + kEnd, 2, "\"]\" missing"},
      {h + "[HKEY_CURRENT_USER\\A\x01]\n" + kEnd, 2, "Invalid settings key name"},
      {h + "[HKEY_CURRENT_USER\\" + std::string(256, 'k') + "]\n" + kEnd, 2,
       "Invalid settings key name"},
      {h + "  " + k + kEnd, 2, "unrecognised line"},
      {h + k + "v=dword:1\n" + kEnd, 3, "unrecognised line"},
      {value("\"v\"=\"a\\qb\""), 3, "bad escape"},
      {value("\"v\"=\"a\\"), 3, "bad escape"},
      {value("\"v\"=\"\\x4\""), 3, "bad \\x escape"},
      {value("\"v\"=\"\\xg1\""), 3, "bad \\x escape"},
      {value("\"v\"=\"\\u{}\""), 3, "bad \\u escape"},
      {value("\"v\"=\"\\u{123456789}\""), 3, "bad \\u escape"},
      {value("\"v\"=\"\\u0041\""), 3, "bad \\u escape"},
      {value("\"v\"=\"\\u{41\""), 3, "bad \\u escape"},
      {value("\"v\"=\"abc"), 3, "unterminated string"},
      {value("\"v=dword:1"), 3, "unterminated string"},
      {value("\"v\"=\"a\x01z\""), 3, "control character"},
      {value("\"v\"=\"a\x7fz\""), 3, "control character"},
      {value("\"v\""), 3, "\"=\" missing"},
      {value("\"v\" =dword:1"), 3, "\"=\" missing"},
      {value("\"v\"=qword:1"), 3, "unknown kind"},
      {value("\"v\"=\"a\" x"), 3, "text after the value"},
      {value("\"v\"=expand:\"a\"\""), 3, "text after the value"},
      {value("\"v\"=dword:"), 3, "bad dword"},
      {value("\"v\"=dword:123456789"), 3, "bad dword"},
      {value("\"v\"=dword:12g"), 3, "bad dword"},
      {value("\"v\"=dword:-1"), 3, "bad dword"},
      {value("\"v\"=hex:0g"), 3, "bad hex byte"},
      {value("\"v\"=hex:0"), 3, "bad hex byte"},
      {value("\"v\"=hex:0a,"), 3, "ends with \",\""},
      {value("\"v\"=hex:0a 0b"), 3, "bad hex byte"},
      {value("\"v\"=hex:0a,,0b"), 3, "bad hex byte"},
      {value("\"v\"=hex:0a0b"), 3, "bad hex byte"},
      {value("\"v\"=hex:0a\\\n  0b"), 3, "\",\" missing"},
      {h + k + "\"v\"=hex:0a,\\\n", 3, "cut short"},
      {h + k + "\"v\"=hex:0a,\\\n" + kEnd, 4, "bad hex byte"},
      {value("\"v\"=\"\xC3\""), 3, "not UTF-8"},
      {value("\"v\"=\"\xED\xA0\x80\""), 3, "not UTF-8"},
      {h + k + "; " + std::string(kMaxLineBytes, 'x') + "\n" + kEnd, 3, "line too long"},
      {h + k + "\"v\"=\"" + std::string(kMaxStringChars + 1, 'x') + "\"\n" + kEnd, 3,
       "string too long"},
      {h + k + WrappedHex(kMaxBinaryBytes + 1) + kEnd, 3 + static_cast<int>(kMaxBinaryBytes / 24),
       "binary value too long"},
      {h + k + "\"" + std::string(kMaxValueNameBytes + 1, 'n') + "\"=dword:1\n" + kEnd, 3,
       "Invalid settings value name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 120));
    SettingsStore store;
    store.WriteValue(kUser, "Old", "v", RegValue::Int(1));
    try {
      ParseSettings(c.text, store);
      ADD_FAILURE() << "no error";
    } catch (const ParseError& e) {
      EXPECT_EQ(e.Line(), c.line);
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(IsEmpty(store));
  }
  // The largest hex list is fine.
  SettingsStore store;
  ParseSettings(kFirst + kUserA + WrappedHex(kMaxBinaryBytes) + kEnd, store);
  EXPECT_EQ(store.ReadValue(kUser, "A", "v")->bytes.size(), kMaxBinaryBytes);
}

// Whatever the reader accepts, it accepts again after writing it back; everything
// else is a ParseError and an empty store. Any other exception or a sanitizer
// report fails the test.
TEST(SettingsText, RandomAndMutatedTextsNeverBreakTheReader) {
  SettingsStore sample;
  sample.WriteValue(kUser, "A\\B", "s", RegValue::Str(U"q\"\\\n\u00e9\U0001F600\x01"));
  sample.WriteValue(kUser, "A", "e", RegValue::Expand(U"$X"));
  sample.WriteValue(kUser, "A", "n", RegValue::Int(-7));
  sample.WriteValue(kUser, "A", "b", RegValue::Bin(AllBytes()));
  sample.WriteValue(RootKey::ClassesRoot, "", "", RegValue::Str(U"root"));
  const std::string valid = FormatSettings(sample);
  const std::string tokens[] = {"\"",   "\\",   "[",      "]",       "=",   ",",    "\n",
                                "\\\n", "hex:", "dword:", "expand:", "\\x", "\\u{", "}",
                                kEnd,   kUserA, "\xC3",   "\xFF",    "0"};

  const unsigned seed = 20261210;
  std::mt19937 random(seed);
  const auto below = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  int accepted = 0;
  for (int round = 0; round < 4000; ++round) {
    std::string text = round % 4 == 0 ? "" : valid;
    if (round % 4 == 0) {
      if (below(2)) text = kFirst;
      for (std::size_t n = below(60); n > 0; --n)
        text += below(3) ? tokens[below(std::size(tokens))]
                         : std::string(1, static_cast<char>(below(256)));
    } else {
      for (std::size_t n = 1 + below(4); n > 0; --n) {
        const std::size_t at = below(text.size() + 1);
        switch (below(4)) {
          case 0:
            text.insert(at, tokens[below(std::size(tokens))]);
            break;
          case 1:
            text.erase(at, below(12));
            break;
          case 2:
            if (at < text.size()) text[at] = static_cast<char>(below(256));
            break;
          default:
            text.insert(at, text.substr(at, below(40)));
            break;
        }
      }
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + ", round " + std::to_string(round));
    SettingsStore store;
    try {
      ParseSettings(text, store);
    } catch (const ParseError&) {
      ASSERT_TRUE(IsEmpty(store));
      continue;
    }
    ++accepted;
    const std::string again = FormatSettings(store);
    SettingsStore back;
    ASSERT_NO_THROW(ParseSettings(again, back));
    ASSERT_EQ(Snapshot(back), Snapshot(store));
  }
  EXPECT_GT(accepted, 0);  // some mutations keep the file valid, so the round trip is tried
}

}  // namespace
}  // namespace qs
