#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/schemematch.h"
#include "platform/localfilesystem.h"
#include "support/utf8.h"

#include <unistd.h>
#include "textmodel/qsstring.h"

namespace qs {
namespace {

const std::vector<TSchemeEntry> kEntries = {
    {"html.sch", U"HTML", U"htm;html;shtml"},
    {"php3.sch", U"Old PHP", U"php3"},
    {"php.sch", U"PHP", U"PHP;php3"},
    {"text.sch", U"Text", U"txt"},
};

TEST(SchemeIndexForFile, TheFirstSchemeListingTheExtensionWins) {
  const struct {
    const char32_t* name;
    int index;
  } cases[] = {
      {U"page.PHP", 3},                 // any case, on either side
      {U"old.php3", 2},                 // the first of two that list it
      {U"  notes.txt  ", 4},            // trimmed
      {U"/home/a.b/readme", 0},         // a dot in a folder is no extension
      {U"c:\\web.site\\index.htm", 1},  // nor one in a folder written with backslashes
      {U"archive.", 0},                 // just a dot
      {U"noext", 0},
      {U"file.ph", 0},  // part of an extension does not match
      {U"file.p", 0},
      {U".html", 1},
      {U"", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SchemeIndexForFile(kEntries, c.name), c.index) << ToUtf8(c.name);
}

TEST(AutoSchemeIndex, AnHtmlTagInTheFirstTenLinesChoosesTheHtmlScheme) {
  TMemoSource doc;
  doc.LoadFromText(U"<!DOCTYPE something>\n<HTML>\n<body>");
  EXPECT_EQ(AutoSchemeIndex(kEntries, U"index", doc), 1);
  // The extension, when it names a scheme, is asked first.
  EXPECT_EQ(AutoSchemeIndex(kEntries, U"index.txt", doc), 4);

  String late;
  for (int i = 0; i < 10; ++i) late += U"text\n";
  doc.LoadFromText(late + U"<html>");
  EXPECT_EQ(AutoSchemeIndex(kEntries, U"index", doc), 0);
}

TEST(AutoSchemeIndex, ABrowserCacheFileWithoutExtensionIsHtml) {
  TMemoSource doc;
  doc.LoadFromText(U"plain");
  EXPECT_EQ(AutoSchemeIndex(kEntries, U"C:\\Temporary Internet Files\\page", doc), 1);
  EXPECT_EQ(AutoSchemeIndex(kEntries, U"/tmp/page", doc), 0);
}

TEST(ReadSchemeFolder, ListsReadableSchemesAsSpeltOnDiskAndSkipsBrokenOnes) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quillon-schemes-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes/php.sch",
                             dir / "PHP.sch", std::filesystem::copy_options::overwrite_existing);
  std::ofstream(dir / "broken.sch") << "object TPersHolder\n  P.Name = 'cut";
  std::ofstream(dir / "notes.txt") << "not a scheme";
  LocalFileSystem files;
  const std::vector<TSchemeEntry> entries = ReadSchemeFolder(files, dir.string());
  ASSERT_EQ(entries.size(), 1u);
  // The name must reach the file again on a file system that tells case apart.
  EXPECT_EQ(entries[0].name, "PHP.sch");
  EXPECT_TRUE(files.Exists((dir / entries[0].name).string()));
  std::filesystem::remove_all(dir);
  EXPECT_EQ(entries[0].schemeName, U"PHP");
  EXPECT_EQ(SchemeIndexForFile(entries, U"x.phtml"), 1);

  EXPECT_TRUE(ReadSchemeFolder(files, dir.string()).empty());
}

TEST(ReadSchemeFolder, EveryShippedSchemeIsFoundForItsOwnExtension) {
  LocalFileSystem files;
  const std::vector<TSchemeEntry> entries =
      ReadSchemeFolder(files, std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes");
  ASSERT_GE(entries.size(), 5u);
  for (const char32_t* name : {U"a.php", U"a.html", U"a.css", U"a.js", U"a.sql"}) {
    const int index = SchemeIndexForFile(entries, name);
    EXPECT_GT(index, 0) << ToUtf8(name);
  }
  EXPECT_EQ(entries[static_cast<std::size_t>(SchemeIndexForFile(entries, U"a.php") - 1)].name,
            "php.sch");
}

}  // namespace
}  // namespace qs
