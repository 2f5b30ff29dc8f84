// Damaged, truncated and hostile streams: each must fail with a ParseError,
// never crash, hang or allocate what the data cannot back.
#include <gtest/gtest.h>

#include <random>

#include "support/errors.h"
#include "support/objectstream.h"
#include "support/streambytes.h"

namespace qs {
namespace {

using namespace qs::testing;

std::vector<Bytes> ValidStreams() {
  return {CatalogueBytes(), WriteObjectStream(RichTree()), WriteObjectStream(Node("T"))};
}

TEST(ObjectStreamDamage, EveryTruncationFails) {
  for (const Bytes& stream : ValidStreams()) {
    ASSERT_NO_THROW((void)ReadObjectStream(stream));
    for (std::size_t size = 0; size < stream.size(); ++size)
      EXPECT_THROW((void)ReadObjectStream(std::span(stream).first(size)), ParseError) << size;
    Bytes longer = stream;
    longer.push_back(0);
    EXPECT_THROW((void)ReadObjectStream(longer), ParseError) << "trailing byte";
  }
}

TEST(ObjectStreamDamage, MalformedStreamsFail) {
  const Bytes tail = {0, 0};
  struct Case {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"wrong signature", Join({"TPF1", 1, "R", 0, 0, 0})},
      {"root without class", Join({"TPF0", 0, 0, 0, 0})},
      {"long string of 4 GiB", WithValue(Join({0x0C, 0xFF, 0xFF, 0xFF, 0xFF, "abc"}))},
      {"long string one byte short", WithValue(Join({0x0C, 6, 0, 0, 0, "abc", tail}))},
      {"binary of 4 GiB", WithValue(Join({0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2}))},
      {"short string past the end", WithValue(Join({0x06, 0x10, "abc"}))},
      {"name past the end", Join({"TPF0", 0xFF, "TPersHolder"})},
      {"unknown tag 0x0F", WithValue({0x0F})},
      {"unknown tag 0x12", WithValue({0x12, 0, 0, 0, 0})},
      {"unknown tag 0x14", WithValue({0x14, 0, 0, 0, 0})},
      {"unknown tag 0xFF", WithValue({0xFF})},
      {"property without value", Join({"TPF0", 1, "R", 0, 1, "V", 0, 0, 0})},
      {"ill-formed property name", Join({"TPF0", 1, "R", 0, 1, 0xC3, 2, 0, 0, 0})},
      {"ill-formed class name", Join({"TPF0", 2, "R", 0x80, 0, 0, 0})},
      {"ill-formed set element", WithValue({0x0B, 1, 0xFF, 0})},
      {"collection item without 0x01", WithValue({0x0E, 0x06, 0, 0})},
      {"order value without item", WithValue({0x0E, 0x02, 5, 0x00, 0})},
      {"double cut short", WithValue({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x3F})},
  };
  for (const Case& c : cases) EXPECT_THROW((void)ReadObjectStream(c.bytes), ParseError) << c.name;
}

Bytes NestedListStream(int lists) {
  Bytes value = Repeat(0x01, lists);
  const Bytes ends = Repeat(0x00, lists);
  value.insert(value.end(), ends.begin(), ends.end());
  return WithValue(value);
}

TEST(ObjectStreamDamage, NestingIsBounded) {
  // The root is one level, so one list fewer than the limit still fits.
  EXPECT_NO_THROW((void)ReadObjectStream(NestedListStream(kMaxObjectStreamNesting - 1)));
  EXPECT_THROW((void)ReadObjectStream(NestedListStream(kMaxObjectStreamNesting)), ParseError);
  // Far deeper than any stack would survive unbounded recursion.
  EXPECT_THROW((void)ReadObjectStream(NestedListStream(200000)), ParseError);
  Bytes objects = Join({"TPF0", 1, "R", 0, 0});
  for (int i = 0; i < 100000; ++i) objects.insert(objects.end(), {1, 'C', 0, 0});
  EXPECT_THROW((void)ReadObjectStream(objects), ParseError);
}

// Whatever the reader accepts must write back and read back to the same bytes.
void ReadAndCheck(const Bytes& bytes) {
  ObjectNode tree;
  try {
    tree = ReadObjectStream(bytes);
  } catch (const ParseError&) {
    return;
  }
  const Bytes again = WriteObjectStream(tree);
  EXPECT_EQ(WriteObjectStream(ReadObjectStream(again)), again);
}

Bytes Mutate(Bytes bytes, std::mt19937& rng) {
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(rng);
  };
  const int edits = 1 + static_cast<int>(pick(3));
  for (int e = 0; e < edits && !bytes.empty(); ++e) {
    const std::size_t at = pick(bytes.size() - 1);
    switch (pick(4)) {
      case 0:
        bytes[at] ^= static_cast<std::uint8_t>(1u << pick(7));
        break;
      case 1:
        bytes[at] = static_cast<std::uint8_t>(pick(255));
        break;
      case 2:
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     static_cast<std::uint8_t>(pick(255)));
        break;
      case 3:
        bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at));
        break;
      default:
        bytes[at] = 0xFF;  // the most damaging length byte
        break;
    }
  }
  return bytes;
}

TEST(ObjectStreamDamage, RandomDamageNeverCrashes) {
  const unsigned seed = 20240611;
  SCOPED_TRACE(seed);
  std::mt19937 rng(seed);
  const std::vector<Bytes> valid = ValidStreams();
  for (int i = 0; i < 4000; ++i) {
    SCOPED_TRACE(i);
    ReadAndCheck(Mutate(valid[static_cast<std::size_t>(i) % valid.size()], rng));
  }
  for (int i = 0; i < 1000; ++i) {
    SCOPED_TRACE(i);
    Bytes bytes = Join({"TPF0"});
    const std::size_t size = std::uniform_int_distribution<std::size_t>(0, 64)(rng);
    // Small bytes are tags and short lengths, so they get further into the reader.
    for (std::size_t k = 0; k < size; ++k)
      bytes.push_back(static_cast<std::uint8_t>(rng() % 2 != 0 ? rng() % 16 : rng()));
    ReadAndCheck(bytes);
  }
}

}  // namespace
}  // namespace qs
