#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/headlessplatform.h"
#include "sourcefixture.h"
#include "support/documentfile.h"
#include "support/errors.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

using test::StoredLines;
using test::U;
namespace fs = std::filesystem;

class DocumentFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("qs_docfiles_" + std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    fs::permissions(m_dir, fs::perms::owner_all);
    fs::remove_all(m_dir);
  }
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }
  std::string Write(const std::string& name, std::string_view bytes) const {
    std::ofstream(Path(name), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return Path(name);
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(m_dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path m_dir;
};

TEST(LoadText, LinesAreStoredAsTheyStand) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  } rows[] = {
      {"cr lf", "a\r\nb", {"a", "b"}},
      {"final break", "a\r\nb\r\n", {"a", "b"}},
      {"mixed", "a\rb\nc", {"a", "b", "c"}},
      {"lf cr is two breaks", "a\n\rb", {"a", "", "b"}},
      {"empty", "", {}},
      {"only a break", "\n", {""}},
      {"a cr at the very end is a break", "a\r", {"a"}},
      {"blanks and tabs kept", "\t x  \t \n", {"\t x  \t "}},
      {"nul kept", std::string("a\0\0b\0", 5), {std::string("a\0\0b\0", 5)}},
      // A NUL after every letter is UTF-16 without a byte order mark.
      {"utf-16 without bom", std::string("a\0b\0", 4), {"ab"}},
  };
  for (const Row& row : rows) {
    TMemoSource source;
    source.LoadFromBytes(row.bytes);
    EXPECT_EQ(StoredLines(source), row.lines) << row.name;
  }
}

TEST(LoadText, TabOptionsDoNotChangeWhatIsLoaded) {
  for (bool storeTabs : {false, true}) {
    TMemoSource source;
    source.SetSpacesInTab(4);
    source.SetKeepTrailingBlanks(false);
    if (storeTabs) source.SetOptions(TStringsOptions{soUseTabCharacter});
    source.LoadFromBytes("\tx  \t \n");
    EXPECT_EQ(StoredLines(source), std::vector<std::string>{"\tx  \t "}) << storeTabs;
  }
}

TEST(LoadText, TheDocumentTakesTheBreakMostLinesEndWith) {
  struct Row {
    const char* bytes;
    TOutFormatType format;
    bool finalBreak;
  } rows[] = {
      {"a\nb\r\nc\n", ofUnix, true}, {"a\r\nb\nc\r\nd", ofWindows, false},
      {"a\rb\r", ofMac, true},       {"a\r\nb\n", ofWindows, true},  // a tie: the first
      {"one line", ofUnix, false},   {"", ofUnix, true},
  };
  for (const Row& row : rows) {
    TMemoSource source;
    source.SetOutFormat(ofMac);
    source.LoadFromBytes(row.bytes);
    EXPECT_EQ(source.OutFormat(), row.format) << row.bytes;
    EXPECT_EQ(source.FinalLineBreak(), row.finalBreak) << row.bytes;
  }
}

TEST(LoadText, EncodingsAreDetectedAndSavedBackByteForByte) {
  struct Row {
    const char* name;
    std::string bytes;
    Encoding encoding;
    bool bom;
    std::string firstLine;  // UTF-8 of the stored line
  } rows[] = {
      {"utf-8", "gr\xC3\xBC\xC3\x9F\r\nx", Encoding::Utf8, false, "grüß"},
      {"utf-8 bom", "\xEF\xBB\xBFz\xE2\x82\xAC\r\ny", Encoding::Utf8, true, "z€"},
      {"utf-16le",
       std::string("\xFF\xFE"
                   "a\0\r\0\n\0\x3D\xD8\x00\xDE",
                   12),
       Encoding::Utf16LE, true, "a"},
      {"a lone utf-16 surrogate is read byte for byte", std::string("\xFE\xFF\xD8\x00\0b", 6),
       Encoding::Windows1252, false, ""},
      {"invalid utf-8 is 8-bit", "caf\xE9\r\n\x80", Encoding::Windows1252, false, "café"},
      {"damaged bom", "\xEF\xBB\xBF\xFF", Encoding::Windows1252, false, "ï»¿ÿ"},
      {"odd utf-16 is not utf-16", "\xFF\xFEz", Encoding::Windows1252, false, "ÿþz"},
  };
  for (const Row& row : rows) {
    TMemoSource source;
    source.LoadFromBytes(row.bytes);
    EXPECT_EQ(source.FileEncoding(), row.encoding) << row.name;
    EXPECT_EQ(source.HasBom(), row.bom) << row.name;
    if (!row.firstLine.empty()) {
      EXPECT_EQ(test::S(source.StoredLine(0)), row.firstLine) << row.name;
    }
    EXPECT_EQ(source.SaveToBytes(), row.bytes) << row.name;
  }
}

TEST(LoadText, TheEightBitCodePageIsASetting) {
  const std::string bytes = "\xF0\xD2\xC9\xD7\xC5\xD4\r\n\x80";  // KOI8-R, not UTF-8
  for (Encoding cp : {Encoding::Koi8R, Encoding::Windows1251, Encoding::Cp866}) {
    TMemoSource source;
    source.SetEightBitCodePage(cp);
    source.LoadFromBytes(bytes);
    EXPECT_EQ(source.FileEncoding(), cp);
    EXPECT_EQ(source.SaveToBytes(), bytes);
  }
  TMemoSource source;
  source.SetEightBitCodePage(Encoding::Koi8R);
  source.LoadFromBytes(bytes);
  EXPECT_EQ(test::S(source.StoredLine(0)), "Привет");
}

TEST(SaveText, EachLineKeepsItsBreakAndReadOnlyLinesCanBeLeftOut) {
  TMemoSource source;
  source.LoadFromBytes("a\r\nro\rb\nc");
  source.SetLineReadOnly(1, true);
  EXPECT_EQ(source.SaveToBytes(), "a\r\nro\rb\nc");
  source.SetOptions(source.Options() | TStringsOptions{soExcludeReadOnlyLines});
  EXPECT_EQ(source.SaveToBytes(), "a\r\nb\nc");
}

TEST(SaveText, NewLinesTakeTheDocumentsBreak) {
  TMemoSource source;
  EXPECT_EQ(source.OutFormat(), ofUnix);  // a new document is LF with a final break
  source.InsertText(U"a\r\nb");
  EXPECT_EQ(source.SaveToBytes(), "a\nb\n");
  source.LoadFromBytes("x\r\ny");  // CR LF, no final break
  source.SetCaretPos(1, 1);
  source.NewLine();
  source.InsertText(U"z");
  EXPECT_EQ(source.SaveToBytes(), "x\r\ny\r\nz");
  source.SetCaretPos(1, 0);
  source.JoinLine();  // x takes the break y had
  EXPECT_EQ(source.SaveToBytes(), "xy\r\nz");
}

TEST(SaveText, ConvertingLineBreaksIsOneUndoStep) {
  TMemoSource source;
  source.LoadFromBytes("a\r\nb\nc\rd");
  source.ConvertLineBreaks(ofUnix);
  EXPECT_EQ(source.SaveToBytes(), "a\nb\nc\nd");
  EXPECT_EQ(source.OutFormat(), ofUnix);
  EXPECT_TRUE(source.DocModified());
  source.Undo();
  EXPECT_EQ(source.SaveToBytes(), "a\r\nb\nc\rd");
  EXPECT_EQ(source.OutFormat(), ofWindows);
  EXPECT_FALSE(source.DocModified());
  source.Redo();
  EXPECT_EQ(source.SaveToBytes(), "a\nb\nc\nd");
  source.SetCaretPos(1, 3);
  source.NewLine();  // the new break follows the conversion
  EXPECT_EQ(source.SaveToBytes(), "a\nb\nc\nd\n");
  source.ConvertLineBreaks(ofWindows);
  EXPECT_EQ(source.SaveToBytes(), "a\r\nb\r\nc\r\nd\r\n");
  source.ConvertLineBreaks(ofWindows);  // nothing left to convert: no second step
  source.Undo();
  EXPECT_EQ(source.SaveToBytes(), "a\nb\nc\nd\n");
}

TEST(SaveText, DeletedLinesComeBackWithTheirBreaks) {
  TMemoSource source;
  source.LoadFromBytes("a\r\nb\rc\nd\r\n");
  source.SetCaretPos(0, 1);
  source.DeleteLine();
  source.DeleteLine();
  EXPECT_EQ(source.SaveToBytes(), "a\r\nd\r\n");
  source.Undo();
  source.Undo();
  EXPECT_EQ(source.SaveToBytes(), "a\r\nb\rc\nd\r\n");
  source.SetCaretPos(0, 0);
  source.SelectAll();
  source.DeleteBlock();
  source.Undo();
  EXPECT_EQ(source.SaveToBytes(), "a\r\nb\rc\nd\r\n");
}

TEST(SaveText, TabsAndSpacesConvertOnRequestOnly) {
  TMemoSource source;
  source.SetTabStops(U"4");
  source.LoadFromBytes("\tif (a)\n\t\tx = \"\t\";\n      y;\n");
  source.TabsToSpaces();
  EXPECT_EQ(source.SaveToBytes(), "    if (a)\n        x = \"   \";\n      y;\n");
  source.Undo();
  EXPECT_EQ(source.SaveToBytes(), "\tif (a)\n\t\tx = \"\t\";\n      y;\n");
  source.SpacesToTabs();  // only indentation: the TAB in the string stays
  EXPECT_EQ(source.SaveToBytes(), "\tif (a)\n\t\tx = \"\t\";\n\t  y;\n");
  source.Undo();
  EXPECT_FALSE(source.DocModified());
}

TEST(SaveText, ACharacterTheEncodingCannotHoldFailsTheSave) {
  TMemoSource source;
  source.LoadFromBytes("caf\xE9");  // windows-1252
  source.Lines().Put(0, U"\u4E2D");
  EXPECT_THROW(source.SaveToBytes(), Error);
}

TEST_F(DocumentFiles, LoadAndSaveAFile) {
  const std::string path = Write("doc.txt", "one\r\ntwo");
  TMemoSource source;
  source.LoadFromFile(path);
  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"one", "two"}));
  EXPECT_FALSE(source.DocModified());
  source.Lines().Put(1, U"three");
  EXPECT_TRUE(source.DocModified());
  source.SaveToFile(path);
  EXPECT_EQ(Read(path), "one\r\nthree");
  EXPECT_TRUE(source.DocModified());  // saving leaves the flag to the caller
}

TEST_F(DocumentFiles, AFailedLoadKeepsTheDocumentAndItsModifiedFlag) {
  const std::string unreadable = Write("secret.txt", "x");
  ::chmod(unreadable.c_str(), 0);
  fs::create_directory(Path("folder"));
  const std::string vanished = Write("gone.txt", "x");
  fs::remove(vanished);
  const std::string fifo = Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // opening it for reading must not block
  for (const std::string& path :
       {Path("missing.txt"), Path("folder"), vanished, fifo, unreadable}) {
    if (path == unreadable && ::geteuid() == 0) continue;  // root reads anything
    TMemoSource source;
    test::Fill(source, {"kept"});
    source.SetCaretPos(2, 0);
    ASSERT_TRUE(source.DocModified());
    try {
      source.LoadFromFile(path);
      ADD_FAILURE() << "loaded " << path;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(StoredLines(source), std::vector<std::string>{"kept"});
    EXPECT_TRUE(source.DocModified());
    EXPECT_EQ(source.CaretColumn(), 2);
  }
}

TEST_F(DocumentFiles, BinaryAndHugeLinesLoad) {
  std::string binary;
  for (int i = 0; i < 256; ++i) binary.push_back(static_cast<char>(i));
  binary += "z";  // keeps the last line from ending in control characters
  TMemoSource source;
  source.SetKeepTrailingBlanks(true);
  source.SetOptions(TStringsOptions{soUseTabCharacter});
  source.LoadFromFile(Write("bin", binary));
  EXPECT_EQ(source.FileEncoding(), Encoding::Windows1252);
  // The lone CR and LF of the byte run became line breaks; the text around them is intact.
  EXPECT_EQ(source.LineCount(), 3);
  EXPECT_EQ(source.StoredLine(0).size(), 10u);

  const std::string longLine(10 * 1024 * 1024, 'q');
  source.LoadFromFile(Write("long", longLine + "\nend"));
  ASSERT_EQ(source.LineCount(), 2);
  EXPECT_EQ(source.StoredLine(0).size(), longLine.size());
  EXPECT_EQ(source.StoredLine(1), U"end");
}

// The document reaches files only through the installed platform, so the
// memory file system and its faults stand in for the disk.
TEST(PlatformFiles, LoadSaveAndBackupGoThroughTheInstalledFileSystem) {
  HeadlessPlatform platform;
  PlatformInstallation installed{platform};
  MemoryFileSystem& files = platform.files;
  files.WriteFileAtomic("/tmp/page.html", "a\r\nb");
  TMemoSource source;
  source.LoadFromFile("/tmp/page.html");
  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"a", "b"}));
  source.SetCaretPos(1, 1);
  source.TypeChar(U'c');
  files.FailNext(FileFault::Write);
  EXPECT_THROW(source.SaveToFile("/tmp/page.html"), Error);
  EXPECT_EQ(files.ReadFile("/tmp/page.html"), "a\r\nb");
  source.SetOptions(source.Options() | TStringsOptions{soCreateBackups});
  files.FailNext(FileFault::Write);  // the backup's write: the file stays as it was
  EXPECT_THROW(source.SaveToFileWithBackup("/tmp/page.html"), Error);
  EXPECT_EQ(files.AllFiles(), std::vector<std::string>{"/tmp/page.html"});
  source.SaveToFileWithBackup("/tmp/page.html");
  EXPECT_EQ(files.ReadFile("/tmp/page.html"), "a\r\nbc");
  EXPECT_EQ(files.ReadFile("/tmp/page.~ht"), "a\r\nb");
  files.FailNext(FileFault::Read);
  EXPECT_THROW(source.LoadFromFile("/tmp/page.~ht"), Error);
  EXPECT_EQ(StoredLines(source), (std::vector<std::string>{"a", "bc"}));
}

TEST(BackupName, ExtensionBecomesTildeAndIsCutToFourCharacters) {
  struct Row {
    const char* file;
    const char* backup;
  } rows[] = {
      {"/d/page.html", "/d/page.~ht"}, {"/d/page.htm", "/d/page.~ht"},   {"/d/x.c", "/d/x.~c"},
      {"/d/README", "/d/README.~"},    {"/d.v/README", "/d.v/README.~"}, {"x.~~~", "x.~~~"},
  };
  TMemoSource source;
  for (const Row& r : rows) EXPECT_EQ(source.GetBackupName(r.file), r.backup) << r.file;
  source.OnGetBackupName = [](TCustomMemoSource&, const std::string& file, std::string& backup) {
    backup = file + ".bak";
  };
  EXPECT_EQ(source.GetBackupName("/d/a.txt"), "/d/a.txt.bak");
}

TEST_F(DocumentFiles, BackupSaveKeepsThePreviousFile) {
  const std::string path = Write("page.html", "old");
  Write("page.~ht", "older");
  TMemoSource source;
  source.SetOptions(source.Options() | TStringsOptions{soCreateBackups});
  test::Fill(source, {"new"});
  source.SaveToFileWithBackup(path);
  EXPECT_EQ(Read(path), "new\n");
  EXPECT_EQ(Read(Path("page.~ht")), "old");
  EXPECT_EQ(Files(), (std::vector<std::string>{"page.html", "page.~ht"}));

  TStringsOptions plain = source.Options();
  plain.Exclude(soCreateBackups);
  source.SetOptions(plain);
  source.Lines().Put(0, U"newer");
  source.SaveToFileWithBackup(path);
  EXPECT_EQ(Read(Path("page.~ht")), "old");  // no backup without the option
  EXPECT_EQ(Read(path), "newer\n");
}

TEST_F(DocumentFiles, AFailingBackupSaveLeavesTargetAndNoTemporary) {
  for (TBackupStep step : {TBackupStep::bsCreateTemp, TBackupStep::bsWriteTemp,
                           TBackupStep::bsBackup, TBackupStep::bsRename}) {
    const std::string path = Write("page.html", "old");
    Write("page.~ht", "older");
    TMemoSource source;
    source.SetOptions(source.Options() | TStringsOptions{soCreateBackups});
    test::Fill(source, {"new"});
    // The steps of the save behind the document's own. The message names the
    // document (or the backup it could not make), never the hidden temporary.
    std::string message;
    try {
      SaveWithBackup(path, source.GetBackupName(path), source.SaveToBytes(),
                     [&](TBackupStep s) { return s == step; });
    } catch (const Error& e) {
      message = e.what();
    }
    const std::string named = step == TBackupStep::bsBackup ? Path("page.~ht") : path;
    EXPECT_NE(message.find(named), std::string::npos) << message;
    EXPECT_EQ(message.find(".tmp"), std::string::npos) << message;
    EXPECT_EQ(Read(path), "old") << static_cast<int>(step);
    EXPECT_EQ(Files(), (std::vector<std::string>{"page.html", "page.~ht"}))
        << static_cast<int>(step);
  }
}

TEST_F(DocumentFiles, ABackupNamingTheTargetNeverDeletesTheOnlyCopy) {
  const std::string path = Write("x.~~~", "old");
  TMemoSource source;
  source.SetOptions(source.Options() | TStringsOptions{soCreateBackups});
  test::Fill(source, {"new"});
  source.SaveToFileWithBackup(path);
  EXPECT_EQ(Read(path), "new\n");
  EXPECT_EQ(Files(), std::vector<std::string>{"x.~~~"});

  const std::string other = Write("a.txt", "old");
  source.OnGetBackupName = [&](TCustomMemoSource&, const std::string&, std::string& backup) {
    backup = (m_dir / "." / "a.txt").string();  // the same file by another name
  };
  source.SaveToFileWithBackup(other);
  EXPECT_EQ(Read(other), "new\n");
}

TEST_F(DocumentFiles, ABackupThatIsAFolderFailsCleanly) {
  const std::string path = Write("page.html", "old");
  fs::create_directory(Path("page.~ht"));
  TMemoSource source;
  source.SetOptions(source.Options() | TStringsOptions{soCreateBackups});
  test::Fill(source, {"new"});
  try {
    source.SaveToFileWithBackup(path);
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("Can't delete file"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Read(path), "old");
  EXPECT_EQ(Files(), (std::vector<std::string>{"page.html", "page.~ht"}));
}

TEST_F(DocumentFiles, ABackupSaveThroughALinkKeepsTheLinkAndBacksUpTheOldBytes) {
  Write("real.html", "old");
  fs::create_symlink("real.html", Path("page.html"));
  TMemoSource source;
  source.SetOptions(source.Options() | TStringsOptions{soCreateBackups});
  test::Fill(source, {"new"});
  source.SaveToFileWithBackup(Path("page.html"));
  EXPECT_TRUE(fs::is_symlink(Path("page.html")));
  EXPECT_EQ(Read(Path("real.html")), "new\n");
  // A hard link made to the link itself would now show the new bytes.
  EXPECT_FALSE(fs::is_symlink(Path("page.~ht")));
  EXPECT_EQ(Read(Path("page.~ht")), "old");
  EXPECT_EQ(Files(), (std::vector<std::string>{"page.html", "page.~ht", "real.html"}));
}

class HardLinkedDocument : public DocumentFiles {
 protected:
  void SetUp() override {
    DocumentFiles::SetUp();
    m_source.SetOptions(m_source.Options() | TStringsOptions{soCreateBackups});
    test::Fill(m_source, {"new"});
  }
  void Reset() {
    fs::remove(Path("other.html"));
    Write("page.html", "old");
    Write("page.~ht", "older");
    fs::create_hard_link(Path("page.html"), Path("other.html"));
    m_inode = Inode(Path("page.html"));
  }
  static struct stat StatOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
  }
  static ino_t Inode(const std::string& path) { return StatOf(path).st_ino; }
  const std::vector<std::string> m_names{"other.html", "page.html", "page.~ht"};
  TMemoSource m_source;
  ino_t m_inode = 0;
};

TEST_F(HardLinkedDocument, ABackupSaveWritesInPlaceAndCopiesTheOldBytes) {
  Reset();
  m_source.SaveToFileWithBackup(Path("page.html"));
  EXPECT_EQ(Read(Path("page.html")), "new\n");
  EXPECT_EQ(Read(Path("other.html")), "new\n");
  EXPECT_EQ(StatOf(Path("page.html")).st_nlink, 2u);
  EXPECT_EQ(Inode(Path("page.html")), m_inode);
  EXPECT_EQ(Read(Path("page.~ht")), "old");
  EXPECT_NE(Inode(Path("page.~ht")), m_inode);
  EXPECT_EQ(Files(), m_names);
}

TEST_F(HardLinkedDocument, AFailingBackupSaveLeavesBothNamesWithTheOldBytes) {
  for (TBackupStep step :
       {TBackupStep::bsCreateTemp, TBackupStep::bsWriteTemp, TBackupStep::bsBackup}) {
    SCOPED_TRACE(static_cast<int>(step));
    Reset();
    EXPECT_THROW(SaveWithBackup(Path("page.html"), m_source.GetBackupName(Path("page.html")),
                                m_source.SaveToBytes(), [&](TBackupStep s) { return s == step; }),
                 Error);
    EXPECT_EQ(Read(Path("page.html")), "old");
    EXPECT_EQ(Read(Path("other.html")), "old");
    EXPECT_EQ(StatOf(Path("page.html")).st_nlink, 2u);
    EXPECT_EQ(Inode(Path("page.html")), m_inode);
    EXPECT_EQ(Files(), m_names);
  }
}

TEST_F(DocumentFiles, ABackupSaveKeepsOwnerAndMode) {
  const std::string path = Write("page.html", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(path.c_str(), 1234, 4321), 0);
  }
  TMemoSource source;
  source.SetOptions(source.Options() | TStringsOptions{soCreateBackups});
  test::Fill(source, {"new"});
  source.SaveToFileWithBackup(path);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 4321u);
  }
  EXPECT_EQ(Read(path), "new\n");
  EXPECT_EQ(Read(Path("page.~ht")), "old");
}

}  // namespace
}  // namespace qs
