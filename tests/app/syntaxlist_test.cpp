#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/syntaxlist.h"
#include "app/syntaxlistfile.h"
#include "catalogfixture.h"
#include "common/messageof.h"
#include "platform/controls.h"
#include "support/utf8.h"
#include "syntax/qsparser.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// "file|scheme name|extensions" per entry, in catalogue order.
std::vector<std::string> Describe(const TSyntaxList& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.Count(); ++i) {
    const TSyntaxListItem& item = list.Items(i);
    rows.push_back(item.FileName() + "|" + ToUtf8(item.SchemeName()) + "|" +
                   ToUtf8(item.Extensions()));
  }
  return rows;
}

std::vector<std::string> ProblemsOf(const TSyntaxList& list) {
  std::vector<std::string> problems;
  for (const String& p : list.Problems()) problems.push_back(ToUtf8(p));
  return problems;
}

class SyntaxListTest : public ::testing::Test, public CatalogueFixture {};

TEST_F(SyntaxListTest, SyncAddsChangesAndRemovesEntriesKeepingTheOnDiskSpelling) {
  Ship("HTML.sch", U"HTML", U"htm;html");
  Ship("css.sch", U"CSS", U"css");
  Ship("notes.txt", U"Not a scheme", U"txt");
  TSyntaxList list(folders);
  EXPECT_THAT(Describe(list), ElementsAre("css.sch|CSS|css", "HTML.sch|HTML|htm;html"));
  EXPECT_EQ(list.Items(1).FileDate(), files.LastWriteTime(std::string(kShipped) + "/HTML.sch"));
  EXPECT_TRUE(list.Problems().empty());

  // An unchanged time means the entry is trusted without reading the file.
  list.Items(0).SetSchemeName(U"Cached");
  Ship("HTML.sch", U"Hypertext", U"html");  // a new time stamp
  Ship("xml.sch", U"XML", U"xml");
  files.Delete(std::string(kShipped) + "/css.sch");
  list.SyncWithFolder();
  EXPECT_THAT(Describe(list), ElementsAre("HTML.sch|Hypertext|html", "xml.sch|XML|xml"));

  TSyntaxParser parser;
  list.LoadScheme(1, parser);  // the entry's name reaches its file
  EXPECT_EQ(parser.SyntaxScheme().Name(), U"Hypertext");
}

TEST_F(SyntaxListTest, AMalformedSchemeIsSkippedAndReportedWithoutStoppingTheStart) {
  Ship("good.sch", U"Good", U"g");
  files.WriteFileAtomic(std::string(kShipped) + "/broken.sch",
                        "object TPersHolder\n  P.Name = 'cut");
  std::unique_ptr<TSyntaxList> list;
  ASSERT_NO_THROW(list = std::make_unique<TSyntaxList>(folders));
  EXPECT_THAT(Describe(*list), ElementsAre("good.sch|Good|g"));
  EXPECT_THAT(ProblemsOf(*list), ElementsAre(HasSubstr("broken.sch")));

  // A known scheme damaged later keeps its entry (and is reported) until it
  // reads again.
  list->SyncWithFolder();
  EXPECT_EQ(list->Problems().size(), 1u);  // still broken, told once
  list->ClearProblems();
  files.WriteFileAtomic(std::string(kShipped) + "/good.sch", "\x01\x02");
  list->SyncWithFolder();
  EXPECT_THAT(Describe(*list), ElementsAre("good.sch|Good|g"));
  EXPECT_THAT(ProblemsOf(*list), ElementsAre(HasSubstr("broken.sch"), HasSubstr("good.sch")));
}

TEST_F(SyntaxListTest, AUserCopyShadowsTheShippedSchemeAndRemovingItBringsTheShippedOneBack) {
  Ship("php.sch", U"PHP", U"php");
  Ship("sql.sch", U"SQL", U"sql");
  UserWrites("php.sch", U"My PHP", U"php;inc");
  UserWrites("mine.sch", U"Mine", U"mine");
  TSyntaxList list(folders);
  EXPECT_THAT(Describe(list),
              ElementsAre("php.sch|My PHP|php;inc", "sql.sch|SQL|sql", "mine.sch|Mine|mine"));
  TSyntaxParser parser;
  list.LoadScheme(1, parser);
  EXPECT_EQ(parser.SyntaxScheme().Name(), U"My PHP");

  EXPECT_FALSE(list.DeleteScheme("php.sch"));
  EXPECT_FALSE(files.Exists(std::string(kUserSchemes) + "/php.sch"));
  EXPECT_TRUE(files.Exists(std::string(kShipped) + "/php.sch"));
  EXPECT_THAT(Describe(list),
              ElementsAre("php.sch|PHP|php", "sql.sch|SQL|sql", "mine.sch|Mine|mine"));

  EXPECT_TRUE(list.DeleteScheme("mine.sch"));
  EXPECT_FALSE(files.Exists(std::string(kUserSchemes) + "/mine.sch"));
  EXPECT_THAT(Describe(list), ElementsAre("php.sch|PHP|php", "sql.sch|SQL|sql"));
}

// A damaged user copy of a shipped scheme must not cost the language nor be
// reported at every start: it is kept aside once, the shipped scheme serves.
TEST_F(SyntaxListTest, ADamagedUserCopyOfAShippedSchemeIsMovedAsideOnceAndTheShippedOneServes) {
  Ship("php.sch", U"PHP", U"php");
  const std::string copy = std::string(kUserSchemes) + "/php.sch";
  files.CreateDirectories(kUserSchemes);
  files.WriteFileAtomic(copy, "object TPersHolder\n  P.Name = 'cut");
  files.WriteFileAtomic(copy + ".bad", "an older damaged copy");
  files.WriteFileAtomic(std::string(kUserSchemes) + "/mine.sch", "\x01\x02");  // no shipped one

  TSyntaxList list(folders);
  EXPECT_THAT(Describe(list), ElementsAre("php.sch|PHP|php"));
  EXPECT_THAT(ProblemsOf(list),
              ElementsAre(HasSubstr("moved to \"" + copy + ".bad.1\" and the shipped scheme"),
                          HasSubstr("mine.sch")));
  EXPECT_FALSE(files.Exists(copy));
  EXPECT_EQ(files.ReadFile(copy + ".bad.1"), "object TPersHolder\n  P.Name = 'cut");
  EXPECT_EQ(files.ReadFile(copy + ".bad"), "an older damaged copy");
  TSyntaxParser parser;
  list.LoadScheme(1, parser);
  EXPECT_EQ(parser.SyntaxScheme().Name(), U"PHP");

  // The next start finds nothing new to tell about the PHP scheme.
  TSyntaxList again(folders);
  EXPECT_THAT(ProblemsOf(again), ElementsAre(HasSubstr("mine.sch")));
}

TEST_F(SyntaxListTest, DeletingAShippedSchemeHidesItAcrossRunsWithoutTouchingTheShippedFolder) {
  Ship("php.sch", U"PHP", U"php");
  Ship("sql.sch", U"SQL", U"sql");
  const TFileTime shippedTime = files.LastWriteTime(std::string(kShipped) + "/sql.sch");
  {
    TSyntaxList list(folders);
    EXPECT_TRUE(list.DeleteScheme("sql.sch"));
    EXPECT_THAT(Describe(list), ElementsAre("php.sch|PHP|php"));
    list.SaveCatalogue();
  }
  EXPECT_EQ(files.LastWriteTime(std::string(kShipped) + "/sql.sch"), shippedTime);
  TSyntaxList again(folders);
  EXPECT_THAT(Describe(again), ElementsAre("php.sch|PHP|php"));
  EXPECT_THAT(again.HiddenSchemes(), ElementsAre("sql.sch"));

  // A user copy of a hidden name is the user's own scheme and is listed.
  UserWrites("sql.sch", U"My SQL", U"sql");
  again.SyncWithFolder();
  EXPECT_THAT(Describe(again), ElementsAre("php.sch|PHP|php", "sql.sch|My SQL|sql"));
}

TEST_F(SyntaxListTest, AUserCopyThatCannotBeDeletedStaysWithTheDialogsMessage) {
  UserWrites("mine.sch", U"Mine", U"mine");
  TSyntaxList list(folders);
  files.FailNext(FileFault::Delete);
  EXPECT_EQ(MessageOf([&] { list.DeleteScheme("mine.sch"); }), "Failed to delete file: mine.sch");
  EXPECT_THAT(Describe(list), ElementsAre("mine.sch|Mine|mine"));
}

// The catalogue file in the stream form other versions read: one entry with
// a low date half of 0x80000000, which is written as any other value.
TEST_F(SyntaxListTest, TheCatalogueFileHasTheStreamLayoutAndRoundTrips) {
  TSyntaxList list(folders);
  TSyntaxListItem& item = list.Add();
  item.SetName(U"a.sch");
  item.SetSchemeName(U"A");  // Extensions empty: not written
  item.SetFileDateLo(0x80000000u);
  item.SetFileDateHi(5);
  const std::vector<std::uint8_t> bytes = WriteCatalogue(list, {});
  std::string expected = "TPF0\x0bTPersHolder";
  expected += '\0';
  expected += "\x01P\x0e\x01";
  expected +=
      "\x04Name\x06\x05"
      "a.sch";
  expected +=
      "\x0aSchemeName\x06\x01"
      "A";
  expected += std::string(
      "\x0a"
      "FileDateLo\x04\x00\x00\x00\x80",
      16);
  expected += std::string(
      "\x0a"
      "FileDateHi\x02\x05",
      13);
  expected += std::string("\x00\x00\x00\x00", 4);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);

  TSyntaxList read(folders);
  std::vector<std::string> hidden{"stale.sch"};
  ReadCatalogue(bytes, read, hidden);
  ASSERT_EQ(read.Count(), 1);
  EXPECT_EQ(read.Items(0).FileDateLo(), 0x80000000u);
  EXPECT_EQ(read.Items(0).FileDateHi(), 5u);
  EXPECT_EQ(read.Items(0).SchemeName(), U"A");
  EXPECT_TRUE(hidden.empty());
}

TEST_F(SyntaxListTest, TheUsersOrderSurvivesARestartAndTheCatalogueGoesToTheUsersDataDir) {
  Ship("a.sch", U"A", U"a");
  Ship("b.sch", U"B", U"b");
  Ship("c.sch", U"C", U"c");
  {
    TSyntaxList list(folders);
    list.Move(2, 0);
    list.SaveCatalogue();
  }
  EXPECT_TRUE(files.Exists(kCatalogue));
  Ship("d.sch", U"D", U"d");  // new files are appended to the kept order
  TSyntaxList again(folders);
  EXPECT_THAT(Describe(again), ElementsAre("c.sch|C|c", "a.sch|A|a", "b.sch|B|b", "d.sch|D|d"));
  EXPECT_TRUE(again.Problems().empty());
}

TEST_F(SyntaxListTest, ADamagedCatalogueIsRebuiltFromTheFolders) {
  Ship("a.sch", U"A", U"a");
  Ship("b.sch", U"B", U"b");
  std::string good;
  {
    TSyntaxList list(folders);
    list.Move(1, 0);
    list.SaveCatalogue();
    good = files.ReadFile(kCatalogue);
  }
  const std::string damaged[] = {
      good.substr(0, good.size() - 1),
      good.substr(0, good.size() / 2),
      good.substr(0, 3),
      "",
      "TPF0 definitely not a catalogue",
      good + "x",
  };
  for (const std::string& bytes : damaged) {
    files.WriteFileAtomic(kCatalogue, bytes);
    TSyntaxList list(folders);
    EXPECT_THAT(Describe(list), ElementsAre("a.sch|A|a", "b.sch|B|b")) << bytes.size();
    EXPECT_THAT(ProblemsOf(list), ElementsAre(HasSubstr("syntaxschemes.scl"))) << bytes.size();
  }
}

TEST_F(SyntaxListTest, CatalogueEntriesNamingFilesOutsideTheFoldersAreDropped) {
  Ship("a.sch", U"A", U"a");
  files.CreateDirectories(kUserData);
  files.WriteFileAtomic("/home/user/.local/share/secret.sch", "object TPersHolder\r\nend\r\n");
  TSyntaxList list(folders);
  for (const char32_t* name :
       {U"../../secret.sch", U"/etc/passwd.sch", U"a.sch", U"a.sch", U"x.txt"})
    list.Add().SetName(name);
  const std::vector<std::uint8_t> bytes = WriteCatalogue(list, {"../a.sch", "b.sch"});
  std::vector<std::string> hidden;
  TSyntaxList read(folders);
  ReadCatalogue(bytes, read, hidden);
  // Only the first a.sch of the written list remains (the synchronised one).
  EXPECT_THAT(Describe(read), ElementsAre("a.sch|A|a"));
  EXPECT_THAT(hidden, ElementsAre("b.sch"));
}

TEST_F(SyntaxListTest, AFailedSchemeLoadLeavesTheHighlightersSchemeAndReportsTheFile) {
  Ship("a.sch", U"A", U"a");
  Ship("b.sch", U"B", U"b");
  TSyntaxList list(folders);
  TSyntaxParser parser;
  list.LoadScheme(1, parser);
  files.WriteFileAtomic(std::string(kShipped) + "/b.sch", "garbage");
  EXPECT_EQ(MessageOf([&] { list.LoadScheme(2, parser); }),
            "Can't read syntax scheme from file \"" + std::string(kShipped) + "/b.sch\".");
  EXPECT_EQ(parser.SyntaxScheme().Name(), U"A");
  EXPECT_THAT(MessageOf([&] { list.LoadScheme(3, parser); }), HasSubstr("out of bounds"));
}

TEST_F(SyntaxListTest, SelectorAndDocumentChoiceFollowTheCatalogueOrder) {
  Ship("html.sch", U"HTML", U"htm;html");
  Ship("php.sch", U"PHP", U"PHP;php3");
  Ship("php3.sch", U"Old PHP", U"php3");
  TSyntaxList list(folders);
  EXPECT_THAT(list.SelectorItems(), ElementsAre(U"None", U"HTML", U"PHP", U"Old PHP"));
  TMemoSource doc;
  doc.LoadFromText(U"<?php");
  EXPECT_EQ(list.IndexForDocument(U"page.php", doc), 2);  // case differs on both sides
  EXPECT_EQ(list.IndexForDocument(U"old.PHP3", doc), 2);  // the first listing it
  doc.LoadFromText(U"<!doctype>\n<HTML>");
  EXPECT_EQ(list.IndexForDocument(U"index", doc), 1);

  TComboBox combo("SyntaxComboBox");
  FillSchemeSelector(list, combo);
  EXPECT_EQ(combo.ItemIndex(), 0);
  combo.SetText(U"OLD PHP");
  list.Move(2, 0);
  FillSchemeSelector(list, combo);
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(combo.Text(), U"Old PHP");
  files.Delete(std::string(kShipped) + "/php3.sch");
  list.SyncWithFolder();
  FillSchemeSelector(list, combo);
  EXPECT_EQ(combo.ItemIndex(), 0);
  EXPECT_EQ(combo.Text(), U"None");
}

}  // namespace
}  // namespace qs

namespace qs {
namespace {

class EditSchemeFileTest : public SyntaxListTest {};

TEST_F(EditSchemeFileTest, TheEditedSchemeBecomesTheUsersCopyAndTheCatalogueFollows) {
  Ship("php.sch", U"PHP", U"php");
  const std::string shippedBytes = files.ReadFile(std::string(kShipped) + "/php.sch");
  TSyntaxList list(folders);
  std::vector<std::string> told;
  list.OnSchemeSaved = [&](const std::string& file) { told.push_back(file); };
  const struct {
    bool keepExtensions;
    const char* extensions;
  } cases[] = {{false, "php;phtml"}, {true, "inc"}};
  for (const auto& c : cases) {
    String name;
    String extensions = U"inc";
    const bool saved =
        list.EditSchemeFile("php.sch", name, extensions, c.keepExtensions,
                            [&](TSyntaxScheme& s, const std::function<void()>& store) {
                              EXPECT_EQ(s.Name(), U"PHP");  // the editor starts from the file
                              s.SetName(U"Edited PHP");
                              s.SetExtensions(U"php;phtml");
                              store();
                            });
    EXPECT_TRUE(saved);
    EXPECT_EQ(name, U"Edited PHP");
    EXPECT_EQ(ToUtf8(extensions), c.extensions);
    EXPECT_EQ(Describe(list)[0], std::string("php.sch|Edited PHP|") + c.extensions);
    files.Delete(std::string(kUserSchemes) + "/php.sch");  // the next case starts shipped
    list.SyncWithFolder();
  }
  EXPECT_THAT(told, ElementsAre("php.sch", "php.sch"));
  EXPECT_EQ(files.ReadFile(std::string(kShipped) + "/php.sch"), shippedBytes);
}

TEST_F(EditSchemeFileTest, AnEditorThatNeverStoresWritesNothing) {
  Ship("php.sch", U"PHP", U"php");
  TSyntaxList list(folders);
  String name, extensions;
  EXPECT_FALSE(list.EditSchemeFile(
      "php.sch", name, extensions, false,
      [](TSyntaxScheme& s, const std::function<void()>&) { s.SetName(U"Cancelled"); }));
  EXPECT_FALSE(files.Exists(std::string(kUserSchemes) + "/php.sch"));
  EXPECT_EQ(Describe(list)[0], "php.sch|PHP|php");
}

TEST_F(EditSchemeFileTest, ANewFileStartsEmptyAndADamagedOneIsNotReplaced) {
  TSyntaxList list(folders);
  String name, extensions;
  list.EditSchemeFile("new.sch", name, extensions, false,
                      [](TSyntaxScheme& s, const std::function<void()>& store) {
                        EXPECT_EQ(s.Name(), U"");
                        s.SetName(U"New");
                        store();
                      });
  EXPECT_THAT(Describe(list), ElementsAre("new.sch|New|"));

  files.WriteFileAtomic(std::string(kUserSchemes) + "/new.sch", "damaged");
  bool editorRan = false;
  EXPECT_THAT(MessageOf([&] {
                list.EditSchemeFile(
                    "new.sch", name, extensions, false,
                    [&](TSyntaxScheme&, const std::function<void()>&) { editorRan = true; });
              }),
              HasSubstr("Can't read syntax scheme"));
  EXPECT_FALSE(editorRan);
  EXPECT_EQ(files.ReadFile(std::string(kUserSchemes) + "/new.sch"), "damaged");
}

}  // namespace
}  // namespace qs
