#include "support/objectstream.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/errors.h"
#include "support/streambytes.h"

namespace qs {
namespace {

using namespace qs::testing;

// The encoded bytes of a single value, cut out of the stream around it.
Bytes ValueBytes(const Value& v) {
  const Bytes stream = WriteObjectStream(RootWith(v));
  const Bytes head = Join({"TPF0", 1, "R", 0, 1, "V"});
  const Bytes tail = {0, 0};
  EXPECT_TRUE(stream.size() >= head.size() + tail.size() &&
              std::equal(head.begin(), head.end(), stream.begin()) &&
              std::equal(tail.begin(), tail.end(), stream.end() - 2));
  return Bytes(stream.begin() + head.size(), stream.end() - tail.size());
}

TEST(ObjectStream, CatalogueMatchesItsStoredBytes) {
  EXPECT_EQ(WriteObjectStream(CatalogueTree()), CatalogueBytes());
  EXPECT_EQ(ReadObjectStream(CatalogueBytes()), CatalogueTree());
}

TEST(ObjectStream, EachValueHasItsEncoding) {
  const std::string s255(255, 'a');
  const std::string s256(256, 'b');
  std::u32string accents;  // 128 characters, 256 bytes: the length counts bytes
  std::string accentBytes;
  for (int i = 0; i < 128; ++i) accents += U'\u00e9', accentBytes += "\xC3\xA9";
  struct Case {
    const char* name;
    Value value;
    Bytes bytes;
  } cases[] = {
      {"0", Value::Int(0), {0x02, 0x00}},
      {"0x7F", Value::Int(0x7F), {0x02, 0x7F}},
      {"0x80", Value::Int(0x80), {0x03, 0x80, 0x00}},
      {"-1", Value::Int(-1), {0x02, 0xFF}},
      {"-128", Value::Int(-128), {0x02, 0x80}},
      {"-129", Value::Int(-129), {0x03, 0x7F, 0xFF}},
      {"-32768", Value::Int(-32768), {0x03, 0x00, 0x80}},
      {"0x8000", Value::Int(0x8000), {0x04, 0x00, 0x80, 0x00, 0x00}},
      {"int32 min", Value::Int(std::numeric_limits<std::int32_t>::min()), {0x04, 0, 0, 0, 0x80}},
      {"int32 max + 1", Value::Int(std::int64_t{1} << 31), {0x13, 0, 0, 0, 0x80, 0, 0, 0, 0}},
      {"int64 min",
       Value::Int(std::numeric_limits<std::int64_t>::min()),
       {0x13, 0, 0, 0, 0, 0, 0, 0, 0x80}},
      {"1.0", Value::Real(1.0), {0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {"empty string", Value::Str(U""), {0x06, 0x00}},
      {"euro sign", Value::Str(U"\u20ac"), {0x06, 0x03, 0xE2, 0x82, 0xAC}},
      {"255 bytes", Value::Str(std::u32string(255, U'a')), Join({0x06, 0xFF, s255})},
      {"256 bytes", Value::Str(std::u32string(256, U'b')), Join({0x0C, 0x00, 0x01, 0, 0, s256})},
      {"128 two-byte characters", Value::Str(accents), Join({0x0C, 0, 1, 0, 0, accentBytes})},
      {"True", Value::Bool(true), {0x09}},
      {"False", Value::Bool(false), {0x08}},
      {"nil", Value::Identifier("nil"), {0x0D}},
      {"other ident", Value::Identifier("clRed"), Join({0x07, 5, "clRed"})},
      {"case matters", Value::Identifier("true"), Join({0x07, 4, "true"})},
      {"set", Value::SetOf({"fsBold", "fsItalic"}), Join({0x0B, 6, "fsBold", 8, "fsItalic", 0})},
      {"empty set", Value::SetOf({}), {0x0B, 0x00}},
      {"binary", Value::Bytes({1, 2, 3}), {0x0A, 3, 0, 0, 0, 1, 2, 3}},
      {"list", Value::ListOf({Value::Int(1), Value::Str(U"a")}), {0x01, 2, 1, 6, 1, 'a', 0}},
      {"collection", Value::CollectionOf({{Property("A", Value::Int(1))}, {}}),
       Join({0x0E, 1, 1, "A", 2, 1, 0, 1, 0, 0})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ValueBytes(c.value), c.bytes) << c.name;
    EXPECT_EQ(ReadObjectStream(WithValue(c.bytes)), RootWith(c.value)) << c.name;
  }
}

// What other writers may produce and the reader must still take.
TEST(ObjectStream, ReaderAcceptsOtherSpellings) {
  struct Case {
    const char* name;
    Bytes bytes;
    Value value;
  } cases[] = {
      {"wide form of a small integer", {0x04, 1, 0, 0, 0}, Value::Int(1)},
      {"int64 form of -1", Join({0x13, Repeat(0xFF, 8)}), Value::Int(-1)},
      {"ident spelled True", Join({0x07, 4, "True"}), Value::Bool(true)},
      {"long form of a short string", Join({0x0C, 2, 0, 0, 0, "ab"}), Value::Str(U"ab")},
      {"ill-formed UTF-8", {0x06, 3, 'a', 0xFF, 0xC3}, Value::Str(U"a\uFFFD\uFFFD")},
      {"collection items with order values",
       Join({0x0E, 0x02, 7, 1, 1, "A", 2, 1, 0, 0x13, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}),
       Value::CollectionOf({{Property("A", Value::Int(1))}, {}})},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadObjectStream(WithValue(c.bytes)), RootWith(c.value)) << c.name;
}

TEST(ObjectStream, TemplateFileWithLongLine) {
  const std::string longLine(300, 'x');
  PropertyList withCode{
      Property("Name", Value::Str(U"cl")),
      Property("Description", Value::Str(U"class")),
      Property("Code.Strings",
               Value::ListOf({Value::Str(U"class |"), Value::Str(std::u32string(300, U'x')),
                              Value::Str(U"")})),
  };
  PropertyList nameOnly{Property("Name", Value::Str(U"x"))};
  ObjectNode root = Node("TPersHolder");
  root.properties.emplace_back("P", Value::CollectionOf({withCode, nameOnly}));
  // clang-format off
  const Bytes expected = Join({
      "TPF0", 11, "TPersHolder", 0, 1, "P", 0x0E,
      0x01,
      4, "Name", 0x06, 2, "cl",
      11, "Description", 0x06, 5, "class",
      12, "Code.Strings", 0x01,
      0x06, 7, "class |",
      0x0C, 0x2C, 0x01, 0, 0, longLine,
      0x06, 0,
      0x00,  // end of the lines
      0x00,  // end of the first item
      0x01,
      4, "Name", 0x06, 1, "x",
      0x00,
      0x00, 0x00, 0x00,
  });
  // clang-format on
  EXPECT_EQ(WriteObjectStream(root), expected);
  EXPECT_EQ(ReadObjectStream(expected), root);
}

ObjectNode NestedObjects(int levels) {
  ObjectNode node = Node("TLeaf");
  for (int i = 1; i < levels; ++i) {
    ObjectNode parent = Node("TNode");
    parent.children.push_back(std::move(node));
    node = std::move(parent);
  }
  return node;
}

Value NestedLists(int count) {
  Value v = Value::ListOf({});
  for (int i = 1; i < count; ++i) v = Value::ListOf({v});
  return v;
}

TEST(ObjectStream, TreesRoundTrip) {
  const std::string name255(255, 'n');
  ObjectNode longNames = Node(name255, name255);
  longNames.properties.emplace_back(name255, Value::Identifier(name255));
  longNames.properties.emplace_back("S", Value::SetOf({name255}));
  const double denormal = std::numeric_limits<double>::denorm_min();
  struct Case {
    const char* name;
    ObjectNode tree;
  } cases[] = {
      {"empty root", Node("TPersHolder")},
      {"catalogue", CatalogueTree()},
      {"every value kind", RichTree()},
      {"names of 255 bytes", longNames},
      {"doubles", RootWith(Value::ListOf({Value::Real(0), Value::Real(-3.25), Value::Real(1e300),
                                          Value::Real(-1e-300), Value::Real(denormal),
                                          Value::Real(-denormal * 12345)}))},
      {"empty ident", RootWith(Value::Identifier(""))},
      {"deepest objects", NestedObjects(kMaxObjectStreamNesting)},
      {"deepest lists", RootWith(NestedLists(kMaxObjectStreamNesting - 1))},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadObjectStream(WriteObjectStream(c.tree)), c.tree) << c.name;
}

TEST(ObjectStream, TreesThatCannotBeWrittenThrow) {
  const std::string tooLong(256, 'n');
  ObjectNode unnamedChild = Node("TRoot");
  unnamedChild.children.push_back(Node(""));
  ObjectNode emptyPath = Node("TRoot");
  emptyPath.properties.emplace_back("", Value::Int(1));
  struct Case {
    const char* name;
    ObjectNode tree;
  } cases[] = {
      {"class name", Node(tooLong)},
      {"object name", Node("T", tooLong)},
      {"property name", Node("T", "", {Property(tooLong, Value::Int(0))})},
      {"identifier", RootWith(Value::Identifier(tooLong))},
      {"set element", RootWith(Value::SetOf({"a", tooLong}))},
      {"empty root class", Node("")},
      {"empty child class", unnamedChild},
      {"empty property path", emptyPath},
      {"empty set element", RootWith(Value::SetOf({"a", ""}))},
      {"objects too deep", NestedObjects(kMaxObjectStreamNesting + 1)},
      {"lists too deep", RootWith(NestedLists(kMaxObjectStreamNesting))},
      {"collections too deep",
       RootWith(Value::CollectionOf({{Property("L", NestedLists(kMaxObjectStreamNesting - 1))}}))},
  };
  for (const Case& c : cases) EXPECT_THROW((void)WriteObjectStream(c.tree), Error) << c.name;
}

}  // namespace
}  // namespace qs
