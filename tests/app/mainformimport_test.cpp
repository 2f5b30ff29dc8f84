// Opening through the import filters: formatted text under the file's name,
// no scheme, a failed import changing nothing, and Save never writing plain
// text over the imported file.
#include "common/scriptedimporter.h"
#include "editor/attributeparser.h"
#include "mainformfixture.h"

namespace qs {
namespace {

using testing::ImportRun;
using testing::ScriptedImporter;

constexpr TColor kRed = 0x0000FF;

class MainFormImportTest : public MainFormTest {
 protected:
  MainFormImportTest() {
    editor.SetRtfImporterClass(&ScriptedImporter::Make);
    editor.SetHtmlImporterClass(&ScriptedImporter::Make);
  }
  void Import(const std::string& path, int filter) {
    headless.dialogs.AnswerOpenFile(Choice(path, filter));
    form->Action("FileOpenAct").Execute();
  }
  TColor ColorAt(std::size_t index) {
    const std::string& bytes = editor.Source().GetLineItem(0)->StyleBytes;
    return editor.AttributeParser()->Attributes(static_cast<unsigned char>(bytes.at(index))).color;
  }
};

TEST_F(MainFormImportTest, AnImportOpensFormattedTextUnderTheFileNameWithoutAScheme) {
  const std::string html = Write("page.html", "{\\rtf1 scripted}");
  Start({Write("a.html", "<p>")});
  ASSERT_NE(form->SchemeIndex(), 0);
  ScriptedImporter::Script(
      {ImportRun(U"plain "), ImportRun(U"red", U"Arial", 10, true, false, kRed)});
  Import(html, okImportHtml);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(DocumentName(), html);
  EXPECT_EQ(editor.Source().Lines().Text(), U"plain red");
  EXPECT_EQ(form->SchemeIndex(), 0);
  ASSERT_NE(editor.AttributeParser(), nullptr);
  EXPECT_EQ(ColorAt(6), kRed);
  EXPECT_FALSE(editor.Source().DocModified());
  EXPECT_EQ(options.RecentFiles().front(), html);

  // Opening text afterwards leaves the formats behind.
  Import(Write("b.txt", "text"), okText);
  EXPECT_EQ(editor.AttributeParser(), nullptr);
}

// The window's own readers, as the program runs them.
TEST_F(MainFormImportTest, TheImportFiltersReadRealRtfAndHtml) {
  editor.SetRtfImporterClass(&MakeRtfImporter);
  editor.SetHtmlImporterClass(&MakeHtmlImporter);
  Start();
  Import(Write("note.rtf",
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
               "\\f0 plain {\\b\\cf1 red}\\par}"),
         okImportRtf);
  EXPECT_EQ(editor.Source().Lines().Text(), U"plain red\r\n");
  EXPECT_EQ(ColorAt(6), kRed);
  Import(Write("page.html", "<p>a <font color=#FF0000>red</font></p>"), okImportHtml);
  TCustomMemoSource& source = editor.Source();
  bool found = false;
  for (std::int32_t line = 0; line < source.LineCount() && !found; ++line) {
    const std::size_t at = String(source.StoredLine(line)).find(U"a red");
    if (at == String::npos) continue;
    found = true;
    const auto byte = static_cast<unsigned char>(source.GetLineItem(line)->StyleBytes.at(at + 2));
    EXPECT_EQ(editor.AttributeParser()->Attributes(byte).color, kRed);
  }
  EXPECT_TRUE(found) << ToUtf8(source.Lines().Text());
}

TEST_F(MainFormImportTest, SaveAsksForATextNameInsteadOfOverwritingTheImport) {
  const std::string rtf = Write("letter.rtf", "{\\rtf1 original}");
  Start();
  ScriptedImporter::Script({ImportRun(U"Dear")});
  Import(rtf, okImportRtf);
  Type(U"!");
  headless.dialogs.AnswerSaveFile(Choice(PathOf("letter"), 1));
  EXPECT_TRUE(form->KeyDown('S', ssCtrl));
  EXPECT_EQ(headless.dialogs.Prompts().back().file.fileName, "letter");
  EXPECT_EQ(Read(rtf), "{\\rtf1 original}");
  EXPECT_EQ(Read(PathOf("letter.txt")).substr(0, 5), "!Dear");
  EXPECT_EQ(DocumentName(), PathOf("letter.txt"));
  // Now a text document: Save writes in place.
  Type(U"?");
  EXPECT_TRUE(form->KeyDown('S', ssCtrl));
  EXPECT_EQ(Read(PathOf("letter.txt")).substr(0, 6), "!?Dear");
}

TEST_F(MainFormImportTest, AFailedImportLeavesTheDocumentItsNameAndItsScheme) {
  const std::string page = Write("a.html", "<b>x</b>");
  Start({page});
  const int scheme = form->SchemeIndex();
  Type(U"1");
  ScriptedImporter::Script({ImportRun(U"half")}, "'x' is not a valid integer value");
  headless.dialogs.AnswerMessage(MsgResult::No);  // the changes stay unsaved
  headless.dialogs.AnswerOpenFile(Choice(Write("bad.rtf", "{\\rtf1 \\f x}"), okImportRtf));
  headless.dialogs.AnswerMessage(MsgResult::OK);
  form->Action("FileOpenAct").Execute();
  EXPECT_EQ(Messages().back(), "'x' is not a valid integer value");
  EXPECT_EQ(DocumentName(), page);
  EXPECT_EQ(editor.Source().Lines().Text(), U"1<b>x</b>");
  EXPECT_EQ(form->SchemeIndex(), scheme);
  EXPECT_TRUE(editor.Source().DocModified());
}

// Another program may fill the clipboard after the window last looked, and
// with rich text alone.
TEST_F(MainFormImportTest, CtrlVPastesRichTextAnotherProgramPutOnTheClipboard) {
  Start();
  headless.clipboard.Clear();
  form->RefreshCommandStates();
  headless.clipboard.SimulateOtherProgram(std::nullopt, "{\\rtf1 red}");
  ScriptedImporter::Script({ImportRun(U"red", U"Arial", 10, true, false, kRed)});
  EXPECT_TRUE(form->KeyDown('V', ssCtrl));
  EXPECT_EQ(editor.Source().Lines().Text(), U"red");
  EXPECT_EQ(ColorAt(0), kRed);
}

TEST_F(MainFormImportTest, TheRtfFilterOffersRtfFilesOnly) {
  Start();
  const std::string filter = ToUtf8(form->OpenDialog().filter);
  EXPECT_NE(filter.find("Import RTF (*.RTF)|*.RTF"), std::string::npos);
  EXPECT_EQ(filter.find("DOC"), std::string::npos);
}

}  // namespace
}  // namespace qs
