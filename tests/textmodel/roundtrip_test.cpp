// Opening and saving a file gives back its bytes: line breaks, the final
// break or its absence, TABs, trailing blanks and NULs are the file's own,
// and an edit changes only the bytes of the edited line.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "common/scratchdir.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string RandomBytes(std::size_t size) {
  std::mt19937 random(20261211);
  std::string bytes(size, '\0');
  for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
  bytes[0] = 'r';  // not a byte order mark
  return bytes;
}

struct Case {
  const char* name;
  std::string bytes;
  bool utf16 = false;   // two bytes a character, little-endian
  std::size_t bom = 0;  // bytes of the byte order mark
};

std::vector<Case> Cases() {
  return {
      {"lf", "a\n"},
      {"no break", "a"},
      {"cr lf", "a\r\n"},
      {"two lines, no final break", "a\nb"},
      {"cr lf, final break", "a\r\nb\r\n"},
      {"cr", "a\rb\r"},
      {"mixed", "a\r\nb\nc\rd"},
      {"tab and blanks", "x\n\t x  \n"},
      {"nul", std::string("a\n\0b\0\n", 6)},
      {"lone cr at the end", "a\nb\r"},
      {"windows-1252", "caf\xE9\r\nna\xEFve\r\n"},
      {"utf-8 with bom", "\xEF\xBB\xBFz\xE2\x82\xAC\ny\n", false, 3},
      {"utf-16 le with bom",
       std::string("\xFF\xFE"
                   "a\0\r\0\n\0b\0\t\0\n\0",
                   14),
       true, 2},
      {"utf-16 le without bom", std::string("a\0\r\0\n\0b\0\t\0\n\0", 12), true},
      // 8-bit text whose first bytes happen to be a UTF-16 byte order mark.
      {"8-bit text after ff fe, odd length",
       "\xFF\xFE"
       "a\nb"},
      {"8-bit text after ff fe, a lone surrogate", std::string("\xFF\xFE\x00\xD8\nb", 6)},
      {"3 MB of random bytes", RandomBytes(3 << 20)},
  };
}

// Where the second line starts (the first when there is one line).
std::size_t SecondLineStart(const Case& c) {
  const std::size_t unit = c.utf16 ? 2 : 1;
  std::size_t at = c.bom;
  const auto code = [&](std::size_t i) { return static_cast<unsigned char>(c.bytes[i]); };
  for (; at + unit <= c.bytes.size(); at += unit) {
    if (code(at) != '\r' && code(at) != '\n') continue;
    if (code(at) == '\r' && at + unit < c.bytes.size() && code(at + unit) == '\n') at += unit;
    return at + unit < c.bytes.size() ? at + unit : c.bom;
  }
  return c.bom;
}

class RoundTrip : public ::testing::Test {
 protected:
  // Loads the file, lets edit change the document, saves it back and reads it.
  std::string OpenEditSave(const Case& c, const std::function<void(TMemoSource&)>& edit) {
    const fs::path path = m_scratch.Path() / "doc";
    WriteBytes(path, c.bytes);
    TMemoSource source;
    source.LoadFromFile(path.string());
    edit(source);
    source.SaveToFile(path.string());
    return ReadBytes(path);
  }

  qs::testing::ScratchDir m_scratch{"roundtrip"};
};

void TypeOnSecondLine(TMemoSource& source) {
  source.SetCaretPos(0, std::min(1, source.LineCount() - 1));
  source.TypeChar(U'X');
}

TEST_F(RoundTrip, OpenAndSaveGiveBackTheSameBytes) {
  for (const Case& c : Cases()) {
    EXPECT_EQ(OpenEditSave(c, [](TMemoSource&) {}), c.bytes) << c.name;
  }
}

TEST_F(RoundTrip, TypingAndUndoingGivesBackTheSameBytes) {
  for (const Case& c : Cases()) {
    const std::string saved = OpenEditSave(c, [](TMemoSource& source) {
      TypeOnSecondLine(source);
      source.Undo();
    });
    EXPECT_EQ(saved, c.bytes) << c.name;
  }
}

TEST_F(RoundTrip, TypingChangesOnlyTheTypedLine) {
  for (const Case& c : Cases()) {
    std::string expected = c.bytes;
    expected.insert(SecondLineStart(c), c.utf16 ? std::string("X\0", 2) : std::string("X"));
    EXPECT_EQ(OpenEditSave(c, TypeOnSecondLine), expected) << c.name;
  }
}

// Files that ship with the system, written by many hands and tools.
TEST_F(RoundTrip, InstalledWebFilesSaveBackUnchanged) {
  std::map<std::string, int> seen;
  for (const char* root : {"/usr/share/javascript", "/usr/share/php", "/usr/share/doc"}) {
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
      if (!it->is_regular_file(error) || it->is_symlink(error)) continue;
      const std::string ext = it->path().extension().string();
      if (ext != ".php" && ext != ".js" && ext != ".css" && ext != ".html") continue;
      const std::string original = ReadBytes(it->path());
      TMemoSource source;
      source.LoadFromFile(it->path().string());
      const std::string copy = m_scratch.File("copy");
      source.SaveToFile(copy);
      EXPECT_EQ(ReadBytes(copy), original) << it->path();
      ++seen[ext];
    }
  }
  // The packages tools/install-deps.sh installs bring each kind.
  for (const char* ext : {".php", ".js", ".css", ".html"}) EXPECT_GT(seen[ext], 0) << ext;
}

}  // namespace
}  // namespace qs
