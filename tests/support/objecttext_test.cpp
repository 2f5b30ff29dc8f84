#include "support/objecttext.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "support/errors.h"

namespace qs {
namespace {

ObjectNode Holder(PropertyList properties) {
  ObjectNode root;
  root.className = "TPersHolder";
  root.properties = std::move(properties);
  return root;
}

// The text of a holder whose one property P has this value.
std::string WrittenAsP(const Value& v) {
  return WriteObjectText(Holder({Property("P", v)}));
}

std::string HolderText(const std::string& pLine) {
  return "object TPersHolder\r\n  P = " + pLine + "\r\nend\r\n";
}

// Accepts the outcomes a reader may have on arbitrary input; anything else
// (another exception type, a crash) fails the test.
bool ParsesOrFailsCleanly(std::string_view text, ObjectNode* out = nullptr) {
  try {
    ObjectNode node = ReadObjectText(text);
    if (out) *out = std::move(node);
    return true;
  } catch (const ParseError& e) {
    EXPECT_GE(e.Line(), 1);
    return false;
  }
}

std::vector<std::uint8_t> CountingBytes(std::size_t n) {
  std::vector<std::uint8_t> bytes(n);
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
  return bytes;
}

ObjectNode StyleSample() {
  PropertyList first{Property("Name", Value::Str(U"Default")),
                     Property("Font.Color", Value::Identifier("clGreen")),
                     Property("Font.Height", Value::Int(-13)),
                     Property("Font.Style", Value::SetOf({"fsBold", "fsItalic"}))};
  PropertyList second{Property("Name", Value::Str(U"Comment")),
                      Property("Font.Style", Value::SetOf({})),
                      Property("UseMemoColor", Value::Bool(false))};
  ObjectNode root = Holder({
      Property("P.Styles", Value::CollectionOf({first, second})),
      Property("P.Blocks", Value::CollectionOf({})),
      Property("P.Code.Strings", Value::ListOf({Value::Str(U"begin"), Value::Str(U"end;")})),
      Property("P.Data", Value::Bytes({0x01, 0x00, 0x00, 0x00, 0xB6})),
      Property("P.Ratio", Value::Real(0.25)),
  });
  ObjectNode child;
  child.objectName = "Inner";
  child.className = "TChild";
  child.properties.push_back(Property("Tag", Value::Int(7)));
  root.children.push_back(child);
  return root;
}

constexpr char kStyleSampleText[] =
    "object TPersHolder\r\n"
    "  P.Styles = <\r\n"
    "    item\r\n"
    "      Name = 'Default'\r\n"
    "      Font.Color = clGreen\r\n"
    "      Font.Height = -13\r\n"
    "      Font.Style = [fsBold, fsItalic]\r\n"
    "    end\r\n"
    "    item\r\n"
    "      Name = 'Comment'\r\n"
    "      Font.Style = []\r\n"
    "      UseMemoColor = False\r\n"
    "    end>\r\n"
    "  P.Blocks = <>\r\n"
    "  P.Code.Strings = (\r\n"
    "    'begin'\r\n"
    "    'end;')\r\n"
    "  P.Data = {\r\n"
    "    01000000B6}\r\n"
    "  P.Ratio = 0.25\r\n"
    "  object Inner: TChild\r\n"
    "    Tag = 7\r\n"
    "  end\r\n"
    "end\r\n";

TEST(ObjectTextWriter, WritesTheExactNotation) {
  EXPECT_EQ(WriteObjectText(StyleSample()), kStyleSampleText);
  EXPECT_EQ(ReadObjectText(kStyleSampleText), StyleSample());
}

TEST(ObjectTextWriter, WritesEachValueKind) {
  const struct {
    const char* name;
    Value value;
    std::string text;
  } cases[] = {
      {"zero", Value::Int(0), "0"},
      {"int64 min", Value::Int(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
      {"integral double keeps a point", Value::Real(3), "3.0"},
      {"negative double", Value::Real(-1.5), "-1.5"},
      {"shortest round trip", Value::Real(0.1), "0.1"},
      {"fixed, not exponent", Value::Real(1e20), "100000000000000000000.0"},
      {"small fixed", Value::Real(0.000125), "0.000125"},
      {"dotted ident", Value::Identifier("Form1.Button"), "Form1.Button"},
      {"empty list", Value::ListOf({}), "()"},
      {"empty binary", Value::Bytes({}), "{}"},
      {"empty item", Value::CollectionOf({PropertyList{}}), "<\r\n    item\r\n    end>"},
  };
  for (const auto& c : cases) EXPECT_EQ(WrittenAsP(c.value), HolderText(c.text)) << c.name;
}

TEST(ObjectTextWriter, SplitsBinaryEvery32Bytes) {
  const std::string text = WrittenAsP(Value::Bytes(CountingBytes(70)));
  const std::string line1 = "01080F161D242B323940474E555C636A71787F868D949BA2A9B0B7BEC5CCD3DA";
  const std::string line2 = "E1E8EFF6FD040B121920272E353C434A51585F666D747B828990979EA5ACB3BA";
  EXPECT_EQ(text, HolderText("{\r\n    " + line1 + "\r\n    " + line2 + "\r\n    C1C8CFD6DDE4}"));
  EXPECT_EQ(ReadObjectText(text).properties[0].Get().bytes, CountingBytes(70));
}

TEST(ObjectTextStrings, EscapesControlsAndQuotesAndKeepsOtherCharacters) {
  const struct {
    String value;
    std::string text;
  } cases[] = {
      {U"", "''"},
      {U"it's", "'it'#39's'"},
      {U"'", "#39"},
      {U"a\tb", "'a'#9'b'"},
      {U"\r\n", "#13#10"},
      {U"\u00fcber \u20ac",
       "'\xC3\xBC"
       "ber \xE2\x82\xAC'"},
      {U"\U0001F600", "'\xF0\x9F\x98\x80'"},
      {U"\x7f\x85", "'\x7f\xC2\x85'"},
  };
  for (const auto& c : cases) {
    const std::string text = WrittenAsP(Value::Str(c.value));
    EXPECT_EQ(text, HolderText(c.text)) << c.text;
    EXPECT_EQ(ReadObjectText(text).properties[0].Get(), Value::Str(c.value)) << c.text;
  }
}

TEST(ObjectTextStrings, LongStringsStartDeeperAndContinueEvery64Characters) {
  const String a64(64, U'a');
  EXPECT_EQ(WrittenAsP(Value::Str(a64)), HolderText("'" + std::string(64, 'a') + "'"));

  const String long130 = a64 + String(64, U'b') + U"cc";
  EXPECT_EQ(WrittenAsP(Value::Str(long130)),
            "object TPersHolder\r\n"
            "  P =\r\n"
            "    '" +
                std::string(64, 'a') +
                "' +\r\n"
                "    '" +
                std::string(64, 'b') +
                "' +\r\n"
                "    'cc'\r\n"
                "end\r\n");

  // A #n piece counts as one character of the line, and a split never
  // leaves a quoted run open.
  const String mixed = String(63, U'x') + U"'\t" + String(3, U'y');
  EXPECT_EQ(WrittenAsP(Value::Str(mixed)),
            "object TPersHolder\r\n"
            "  P =\r\n"
            "    '" +
                std::string(63, 'x') +
                "'#39 +\r\n"
                "    #9'yyy'\r\n"
                "end\r\n");

  // In a list the string starts on the item's line and continues at its level.
  const std::string listText = WrittenAsP(Value::ListOf({Value::Str(long130)}));
  EXPECT_NE(listText.find("(\r\n    '" + std::string(64, 'a') + "' +\r\n    'bbb"),
            std::string::npos)
      << listText;

  for (const String& s : {long130, mixed, String(200, U'\u00e9'), String(65, U'\'')}) {
    EXPECT_EQ(ReadObjectText(WrittenAsP(Value::Str(s))).properties[0].Get(), Value::Str(s));
    EXPECT_EQ(ReadObjectText(WrittenAsP(Value::ListOf({Value::Str(s)}))).properties[0].Get(),
              Value::ListOf({Value::Str(s)}));
  }
}

TEST(ObjectTextWriter, RefusesTreesThatWouldNotReadBack) {
  auto named = [](std::string objectName, std::string className) {
    ObjectNode node;
    node.objectName = std::move(objectName);
    node.className = std::move(className);
    return node;
  };
  ObjectNode badChild = Holder({});
  badChild.children.push_back(named("", "T Child"));
  const struct {
    const char* name;
    ObjectNode tree;
  } cases[] = {
      {"empty class name", named("", "")},
      {"dotted class name", named("", "A.B")},
      {"object name with blank", named("a b", "TX")},
      {"keyword class name", named("", "end")},
      {"bad child", badChild},
      {"empty path", Holder({Property("", Value::Int(1))})},
      {"path with empty segment", Holder({Property("Font..Name", Value::Int(1))})},
      {"path ending in a dot", Holder({Property("Font.", Value::Int(1))})},
      {"keyword path", Holder({Property("End", Value::Int(1))})},
      {"path in an item",
       Holder({Property("P", Value::CollectionOf({{Property("1x", Value::Int(1))}}))})},
      {"NaN", Holder({Property("P", Value::Real(std::nan("")))})},
      {"infinity", Holder({Property("P", Value::Real(HUGE_VAL))})},
      {"surrogate", Holder({Property("P", Value::Str(String(1, Char(0xD800))))})},
      {"beyond Unicode", Holder({Property("P", Value::Str(String(1, Char(0x110000))))})},
      {"empty ident", Holder({Property("P", Value::Identifier(""))})},
      {"set element", Holder({Property("P", Value::SetOf({"fsBold", "x,y"}))})},
      {"ident in a list", Holder({Property("P", Value::ListOf({Value::Identifier("-")}))})},
  };
  for (const auto& c : cases) EXPECT_THROW(WriteObjectText(c.tree), Error) << c.name;
}

TEST(ObjectText, RoundTripsTreesThroughText) {
  ObjectNode nested = StyleSample();
  nested.objectName = "Form1";
  nested.className = "TForm1";
  nested.children[0].children.push_back(Holder({Property("Deep", Value::Bool(true))}));

  PropertyList withCollection{
      Property("Items", Value::CollectionOf({{Property("Name", Value::Str(U"x"))}, {}}))};
  const Value everyKindInAList = Value::ListOf({
      Value::Int(-5),
      Value::Real(2.5),
      Value::Identifier("nil"),
      Value::SetOf({"a"}),
      Value::CollectionOf({withCollection}),
      Value::ListOf({Value::ListOf({})}),
      Value::Bytes(CountingBytes(33)),
      Value::Str(String(100, U'z')),
  });

  const struct {
    const char* name;
    ObjectNode tree;
  } cases[] = {
      {"empty holder", Holder({})},
      {"style sample", StyleSample()},
      {"named and nested objects", nested},
      {"integer limits",
       Holder({Property("A", Value::Int(std::numeric_limits<std::int64_t>::max())),
               Property("B", Value::Int(std::numeric_limits<std::int64_t>::min()))})},
      {"doubles",
       Holder({Property("A", Value::Real(1.0 / 3)), Property("B", Value::Real(-1e300)),
               Property("C", Value::Real(5e-324)), Property("D", Value::Real(123456789.125)),
               Property("E", Value::Real(std::numeric_limits<double>::max()))})},
      {"every kind in a list", Holder({Property("P.List", everyKindInAList)})},
      {"collections in items", Holder({Property("P", Value::CollectionOf({withCollection}))})},
      {"binary sizes", Holder({Property("A", Value::Bytes(CountingBytes(32))),
                               Property("B", Value::Bytes(CountingBytes(64))),
                               Property("C", Value::Bytes(CountingBytes(1)))})},
      {"control characters", Holder({Property("S", Value::Str(U"\x01\x1f 'x' \x7f\n"))})},
  };
  for (const auto& c : cases) {
    const std::string text = WriteObjectText(c.tree);
    EXPECT_EQ(ReadObjectText(text), c.tree) << c.name << "\n" << text;
  }
}

TEST(ObjectTextReader, IsTolerantOfLayoutAndSpelling) {
  const std::string text =
      "\xEF\xBB\xBF\n"
      "OBJECT Holder :TPersHolder\n"
      "\tP.Name='it''s'   +\n"
      "\n"
      "   'more'#33\n"
      "  Count = +12  Neg=-3 Real = -2.5e3 Small=1E-2\n"
      "  Colour = Colors.clRed\n"
      "  Style = [ fsBold ,fsItalic ]\n"
      "  Items=<item Name='a' END ITEM end>\n"
      "  Lines.Strings=('one''' 'two' + 'three')\n"
      "  Data={ 0a Ff\n 1 2 }\n"
      "  inherited Sub: TSub end\r"
      "  Inline Other: TOther\r\n"
      "  end\r"
      "End";
  ObjectNode expected;
  expected.objectName = "Holder";
  expected.className = "TPersHolder";
  expected.properties = {
      Property("P.Name", Value::Str(U"it'smore!")),
      Property("Count", Value::Int(12)),
      Property("Neg", Value::Int(-3)),
      Property("Real", Value::Real(-2500)),
      Property("Small", Value::Real(0.01)),
      Property("Colour", Value::Identifier("Colors.clRed")),
      Property("Style", Value::SetOf({"fsBold", "fsItalic"})),
      Property("Items", Value::CollectionOf({{Property("Name", Value::Str(U"a"))}, {}})),
      Property("Lines.Strings", Value::ListOf({Value::Str(U"one'"), Value::Str(U"twothree")})),
      Property("Data", Value::Bytes({0x0A, 0xFF, 0x12})),
  };
  ObjectNode sub;
  sub.objectName = "Sub";
  sub.className = "TSub";
  ObjectNode other;
  other.objectName = "Other";
  other.className = "TOther";
  expected.children = {sub, other};
  EXPECT_EQ(ReadObjectText(text), expected);
}

TEST(ObjectTextReader, LineEndsDoNotChangeTheTree) {
  std::string lf, cr;
  for (char c : std::string(kStyleSampleText)) {
    if (c != '\r') lf += c;
    if (c != '\n') cr += c;
  }
  EXPECT_EQ(ReadObjectText(lf), StyleSample());
  EXPECT_EQ(ReadObjectText(cr), StyleSample());
}

TEST(ObjectTextReader, FailsWithTheLineOfTheFault) {
  using namespace std::string_literals;
  const struct {
    const char* name;
    std::string text;
    int line;
  } cases[] = {
      {"empty text", "", 1},
      {"blank text", "\n\n", 3},
      {"not an object", "thing TX\nend", 1},
      {"missing class", "object\n\nend", 3},
      {"keyword as class", "object end", 1},
      {"dotted class", "object A.B\nend", 1},
      {"missing end", "object T\n  A = 1\n", 3},
      {"text after end", "object T\nend\nend", 3},
      {"missing equals", "object T\n  A 1\nend", 2},
      {"keyword as path", "object T\n  item = 1\nend", 2},
      {"bad path", "object T\n  A..B = 1\nend", 2},
      {"missing value", "object T\n  A =\nend", 3},
      {"not a value", "object T\n  A = ?\nend", 2},
      {"unterminated string", "object T\n  A = 'abc\nend", 2},
      {"string at end", "object T\n  A = 'abc", 2},
      {"hash alone", "object T\n  A = #\nend", 2},
      {"code above Unicode", "object T\n  A = #1114112\nend", 2},
      {"huge code", "object T\n  A = #99999999999999999999\nend", 2},
      {"surrogate code", "object T\n  A = 'x'#55296\nend", 2},
      {"plus without string", "object T\n  A = 'x' +\n  B = 1\nend", 3},
      {"integer overflow", "object T\n  A = 9223372036854775808\nend", 2},
      {"double overflow", "object T\n  A = 1e999\nend", 2},
      {"point without fraction", "object T\n  A = 1.\nend", 2},
      {"digits glued to letters", "object T\n  A = 12px\nend", 2},
      {"sign alone", "object T\n  A = -\nend", 2},
      {"double sign", "object T\n  A = +-1\nend", 2},
      {"set without bracket", "object T\n  A = [a, b\nend", 3},
      {"set trailing comma", "object T\n  A = [a,]\nend", 2},
      {"set at end", "object T\n  A = [a", 2},
      {"collection without item", "object T\n  A = <\n  Name = 1>\nend", 3},
      {"collection not closed", "object T\n  A = <\n    item\n    end\nend", 5},
      {"list not closed", "object T\n  A = (1\n  2\n", 4},
      {"odd hex", "object T\n  A = {ABC}\nend", 2},
      {"bad hex", "object T\n  A = {AG}\nend", 2},
      {"binary at end", "object T\n  A = {AB", 2},
      {"invalid UTF-8", "object T\n  A = 'caf\xE9'\nend", 2},
      {"truncated UTF-8", "object T\n  A = '\xE2\x82", 2},
      {"NUL byte", "object T\n\n  A = 1\0\nend"s, 3},
      {"control character", "object T\n  A = 1\x01\nend", 2},
      {"binary bytes", "\x07\x0bTPersHolder\x01\x00\x02"s, 1},
  };
  for (const auto& c : cases) {
    try {
      ReadObjectText(c.text);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const ParseError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.name << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find("Line " + std::to_string(c.line) + ": "),
                std::string::npos)
          << c.name << ": " << e.what();
    }
  }
}

// Builds a root whose property holds `levels` lists, one inside the other.
ObjectNode NestedLists(int levels) {
  Value v = Value::ListOf({});
  for (int i = 1; i < levels; ++i) v = Value::ListOf({v});
  return Holder({Property("P", v)});
}

TEST(ObjectText, BoundsTheNestingDepth) {
  // The root object is the first level.
  const ObjectNode deepest = NestedLists(255);
  EXPECT_EQ(ReadObjectText(WriteObjectText(deepest)), deepest);
  EXPECT_THROW(WriteObjectText(NestedLists(256)), Error);

  const std::string tooDeepLists =
      "object T\n  P = " + std::string(256, '(') + std::string(256, ')') + "\nend";
  EXPECT_THROW(ReadObjectText(tooDeepLists), ParseError);

  std::string tooDeepObjects;
  for (int i = 0; i < 100000; ++i) tooDeepObjects += "object T ";
  EXPECT_THROW(ReadObjectText(tooDeepObjects), ParseError);
  std::string tooDeepCollections = "object T P = ";
  for (int i = 0; i < 100000; ++i) tooDeepCollections += "<item P = ";
  EXPECT_THROW(ReadObjectText(tooDeepCollections), ParseError);
}

TEST(ObjectTextReader, EveryTruncationFailsCleanly) {
  const std::string full = kStyleSampleText;
  const std::size_t endOfLastWord = full.size() - 2;  // before the final CR LF
  for (std::size_t n = 0; n < full.size(); ++n) {
    ObjectNode tree;
    const bool parsed = ParsesOrFailsCleanly(std::string_view(full).substr(0, n), &tree);
    // Only a prefix that keeps the final "end" is a whole object.
    EXPECT_EQ(parsed, n >= endOfLastWord) << "prefix of " << n << " bytes";
    if (parsed) {
      EXPECT_EQ(tree, StyleSample());
    }
  }
  EXPECT_EQ(ReadObjectText(full), StyleSample());
}

TEST(ObjectTextReader, SurvivesMutatedAndRandomInput) {
  const std::vector<std::string> seeds = {kStyleSampleText,
                                          WrittenAsP(Value::Str(String(130, U'q') + U"'\u00e9")),
                                          WriteObjectText(NestedLists(20))};
  const std::string alphabet = "'#+-.,:=<>()[]{}0123456789eEitemendobjectAZ_ \r\n\t\x80\xC3\xFF";
  std::mt19937 rng(20240611);
  const auto started = std::chrono::steady_clock::now();
  int parsed = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string text;
    if (i % 4 == 3) {
      text.resize(rng() % 200);
      for (char& c : text) c = static_cast<char>(rng());
    } else {
      text = seeds[rng() % seeds.size()];
      for (int edits = 1 + static_cast<int>(rng() % 4); edits > 0 && !text.empty(); --edits) {
        const std::size_t at = rng() % text.size();
        const char c = alphabet[rng() % alphabet.size()];
        switch (rng() % 4) {
          case 0:
            text[at] = c;
            break;
          case 1:
            text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c);
            break;
          case 2:
            text.erase(at, 1 + rng() % 8);
            break;
          default:
            text.insert(at, text.substr(rng() % text.size(), rng() % 16));
            break;
        }
      }
    }
    ObjectNode tree;
    if (!ParsesOrFailsCleanly(text, &tree)) continue;
    ++parsed;
    // Whatever the reader accepts, the writer writes back to the same tree.
    EXPECT_EQ(ReadObjectText(WriteObjectText(tree)), tree) << "case " << i << ":\n" << text;
  }
  EXPECT_GT(parsed, 0);  // the mutations must not all be fatal, or the round trip goes untested
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
}

}  // namespace
}  // namespace qs
