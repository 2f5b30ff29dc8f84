#include <gtest/gtest.h>

#include "app/appoptions.h"
#include "app/mainform.h"
#include "editor/memoenvoptions.h"
#include "mainformfixture.h"
#include "platform/controls.h"
#include "support/registry.h"

namespace qs {
namespace {

TEST_F(MainFormTest, AWholeSessionOpensTypesSavesAsReopensSwitchesSchemesAndCloses) {
  Start();
  EXPECT_EQ(ToUtf8(form->Caption()), "Untitled - Quillon");
  EXPECT_EQ(ToUtf8(form->StatusPanel(0)), "Line:   1   Col:   0");
  EXPECT_EQ(Scheme(), U"None");

  const std::string page = Write("page.php", "<?php echo 1; ?>");
  headless.dialogs.AnswerOpenFile(Choice(page));
  ASSERT_TRUE(form->Action("FileOpenAct").Execute());
  EXPECT_EQ(DocumentName(), page);
  EXPECT_EQ(ToUtf8(form->Caption()), "page.php - Quillon");
  EXPECT_EQ(Scheme(), U"PHP");
  EXPECT_EQ(editor.SyntaxParser(), &form->SyntaxParser());
  EXPECT_EQ(options.RecentFiles(), std::vector<std::string>{page});
  EXPECT_EQ(form->StatusPanel(1), U"");

  Type(U"x");
  EXPECT_EQ(form->StatusPanel(1), U"Modified");
  EXPECT_TRUE(form->Action("UndoAct").Enabled());

  // Save As with a new name without extension: ".txt" is added, no question.
  headless.dialogs.AnswerSaveFile(Choice(PathOf("copy")));
  ASSERT_TRUE(form->Action("FileSaveAsAct").Execute());
  const std::string copy = PathOf("copy.txt");
  EXPECT_EQ(DocumentName(), copy);
  EXPECT_EQ(Read(copy), "x<?php echo 1; ?>");
  EXPECT_EQ(Read(page), "<?php echo 1; ?>");
  EXPECT_EQ(form->StatusPanel(1), U"");
  EXPECT_TRUE(Messages().empty());

  // Reopen the first file from the recent list, dropping the new changes.
  Type(U"y");
  TMenuItem& recent = form->RecentListMenu();
  recent.Popup();
  ASSERT_EQ(recent.items.size(), 1u);
  EXPECT_EQ(ToUtf8(recent.items[0].Caption()), "&0 " + page);
  headless.dialogs.AnswerMessage(MsgResult::No);
  recent.items[0].Click();
  EXPECT_EQ(Messages().back(), "Save changes to " + copy + "?");
  EXPECT_EQ(DocumentName(), page);
  EXPECT_EQ(ToUtf8(editor.Source().SavedText()), "<?php echo 1; ?>");
  EXPECT_FALSE(editor.Source().DocModified());
  EXPECT_EQ(Read(copy), "x<?php echo 1; ?>");

  // Switch schemes by the selector.
  const auto& items = form->SchemeItems();
  const int html = static_cast<int>(std::find(items.begin(), items.end(), U"HTML") - items.begin());
  ASSERT_LT(html, static_cast<int>(items.size()));
  form->SyntaxComboBoxChange(html);
  EXPECT_EQ(Scheme(), U"HTML");
  EXPECT_TRUE(editor.HasOption(moLineNumbers));
  form->SyntaxComboBoxChange(0);
  EXPECT_EQ(editor.SyntaxParser(), nullptr);
  EXPECT_FALSE(editor.HasOption(moLineNumbers));
  EXPECT_FALSE(editor.HasOption(moDrawGutter));

  // Close, answering Yes: the change is saved first.
  Type(U"z");
  headless.dialogs.AnswerMessage(MsgResult::Yes);
  form->Action("FileExitAct").Execute();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(Read(page), "z<?php echo 1; ?>");
  EXPECT_EQ(headless.dialogs.PendingAnswers(), 0u);
}

TEST_F(MainFormTest, TheCloseQuestionAnsweredNoOrCancel) {
  const std::string path = Write("a.txt", "old");
  Start({path});
  Type(U"new ");

  headless.dialogs.AnswerMessage(MsgResult::Cancel);
  form->Close();
  EXPECT_EQ(closed, 0);
  EXPECT_TRUE(editor.Source().DocModified());
  EXPECT_EQ(DocumentName(), path);

  headless.dialogs.AnswerMessage(MsgResult::No);
  form->Close();
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(Read(path), "old");
}

TEST_F(MainFormTest, YesOnAnUntitledDocumentWhoseSaveDialogIsCancelledKeepsTheProgramOpen) {
  Start();
  Type(U"draft");
  headless.dialogs.AnswerMessage(MsgResult::Yes);
  headless.dialogs.AnswerSaveFile(std::nullopt);
  form->Close();
  EXPECT_EQ(closed, 0);
  EXPECT_TRUE(editor.Source().DocModified());
  EXPECT_EQ(ToUtf8(form->Caption()), "Untitled - Quillon");
}

TEST_F(MainFormTest, AnErrorWhileClosingIsShownAndTheCloseRefused) {
  std::filesystem::create_directories(PathOf("gone"));
  Write("gone/a.txt", "text");
  Start({PathOf("gone/a.txt")});
  Type(U"more ");
  std::filesystem::remove_all(PathOf("gone"));

  headless.dialogs.AnswerMessage(MsgResult::Yes);
  headless.dialogs.AnswerMessage(MsgResult::OK);  // the error box
  form->Close();
  EXPECT_EQ(closed, 0);
  ASSERT_EQ(headless.dialogs.Prompts().size(), 2u);
  EXPECT_EQ(headless.dialogs.Prompts()[1].caption, U"Error");
  EXPECT_TRUE(editor.Source().DocModified());
}

TEST_F(MainFormTest, SaveAsAsksToOverwriteTheNameThatWillBeWritten) {
  Start();
  const std::string existing = Write("notes.txt", "keep me");
  Type(U"replacement");

  // "notes" does not exist, but "notes.txt", the name written, does.
  headless.dialogs.AnswerSaveFile(Choice(PathOf("notes")));
  headless.dialogs.AnswerMessage(MsgResult::No);
  form->FileSaveAs();
  EXPECT_EQ(Messages().back(), "OK to overwrite " + existing);
  EXPECT_EQ(Read(existing), "keep me");
  EXPECT_TRUE(editor.Source().DocModified());
  EXPECT_EQ(ToUtf8(form->DocumentName()), "Untitled");

  headless.dialogs.AnswerSaveFile(Choice(PathOf("notes")));
  headless.dialogs.AnswerMessage(MsgResult::Yes);
  form->FileSaveAs();
  EXPECT_EQ(Read(existing).substr(0, 11), "replacement");
  EXPECT_EQ(DocumentName(), existing);

  // An existing name without extension is the name written.
  const std::string bare = Write("Makefile", "all:");
  headless.dialogs.AnswerSaveFile(Choice(bare));
  headless.dialogs.AnswerMessage(MsgResult::Yes);
  form->FileSaveAs();
  EXPECT_EQ(Messages().back(), "OK to overwrite " + bare);
  EXPECT_EQ(Read(bare).substr(0, 11), "replacement");
  EXPECT_FALSE(std::filesystem::exists(bare + ".txt"));
}

TEST_F(MainFormTest, SaveAsHtmlAndRtfExportAndTheDocumentStaysOnItsTextFile) {
  const std::string text = Write("page.php", "<?php $next_page = 1; ?>");
  Start({text});
  Type(U"\u00e9");  // é

  // Without an extension the format's own is added.
  headless.dialogs.AnswerSaveFile(Choice(PathOf("page"), 2));
  ASSERT_TRUE(form->Action("FileSaveAsAct").Execute());
  const std::string html = Read(PathOf("page.html"));
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(html.find("\xC3\xA9&lt;?php"), std::string::npos);

  headless.dialogs.AnswerSaveFile(Choice(PathOf("page.rtf"), 3));
  ASSERT_TRUE(form->Action("FileSaveAsAct").Execute());
  const std::string rtf = Read(PathOf("page.rtf"));
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(rtf.find("\\u233?"), std::string::npos);
  EXPECT_NE(rtf.find("$next_page"), std::string::npos);

  // The exports leave the document where it was: still modified, still on
  // its text file, which a plain Save writes as text.
  EXPECT_EQ(DocumentName(), text);
  EXPECT_TRUE(editor.Source().DocModified());
  EXPECT_TRUE(form->KeyDown('S', ssCtrl));
  EXPECT_EQ(Read(text), "\xC3\xA9<?php $next_page = 1; ?>");
  EXPECT_EQ(Read(PathOf("page.rtf")), rtf);
  EXPECT_TRUE(Messages().empty());

  // An existing export is replaced only when the user agrees.
  headless.dialogs.AnswerSaveFile(Choice(PathOf("page.html"), 2));
  headless.dialogs.AnswerMessage(MsgResult::No);
  Type(U"x");
  form->FileSaveAs();
  EXPECT_EQ(Messages().back(), "OK to overwrite " + PathOf("page.html"));
  EXPECT_EQ(Read(PathOf("page.html")), html);
}

TEST_F(MainFormTest, SaveOfANamedDocumentWritesInPlaceAndF2SavesToo) {
  const std::string path = Write("b.txt", "one");
  Start({path});
  Type(U"1");
  EXPECT_TRUE(form->KeyDown('S', ssCtrl));
  EXPECT_EQ(Read(path).substr(0, 4), "1one");
  Type(U"2");
  EXPECT_TRUE(form->KeyDown(vk::F1 + 1, 0));
  EXPECT_EQ(Read(path).substr(0, 5), "12one");
  EXPECT_TRUE(headless.dialogs.Prompts().empty());
}

TEST_F(MainFormTest, TheCommandLineFileIsRecoveredOnlyAtStart) {
  const std::string spaced = Write("my notes.txt", "spaced");
  const std::string first = PathOf("my");
  // "/p": the file is opened, then the print dialog prints it.
  headless.forms.QueueScript([](TForm& form) {
    EXPECT_EQ(form.Name(), "MemoPrintForm");
    form.FindControl<TCheckBox>("ProgressBox").SetChecked(false);
    form.FindControl<TCheckBox>("HeaderBox").SetChecked(true);
    form.FindControl<TButton>("OKBtn").Click();
  });
  Start({first, "notes.txt", "/p"});
  EXPECT_EQ(DocumentName(), spaced);
  EXPECT_TRUE(Messages().empty());
  ASSERT_EQ(headless.printer.Jobs().size(), 1u);
  EXPECT_EQ(headless.printer.Jobs()[0].title, FromUtf8(spaced));
  EXPECT_TRUE(headless.printer.Jobs()[0].finished);
  // The options chosen are kept for the next run.
  EXPECT_EQ(TQSPrintOptions::FromBits(static_cast<unsigned>(options.PrintOptions())),
            TQSPrintOptions{poPrintHeader});

  // A missing file chosen later is a new document of that name, written
  // there on the first save; no other file is opened.
  headless.dialogs.AnswerOpenFile(Choice(PathOf("missing.txt")));
  form->FileOpen();
  EXPECT_EQ(DocumentName(), PathOf("missing.txt"));
  EXPECT_EQ(ToUtf8(editor.Source().SavedText()), "");
  EXPECT_FALSE(std::filesystem::exists(PathOf("missing.txt")));
  Type(U"new");
  form->FileSave();
  EXPECT_EQ(Read(PathOf("missing.txt")), "new\n");
}

TEST_F(MainFormTest, TheSavedPrintOptionsAreTheEditorsAtStartWithinTheirBounds) {
  options.SetPrintOptions(static_cast<int>(0xFFFFFF00u | 8u | 16u));  // unknown bits too
  options.SetPrintIndent(30000);
  EXPECT_EQ(options.PrintOptions(), 24);
  Start();
  EXPECT_EQ(editor.PrintOptions(), (TQSPrintOptions{poPrintHeader, poLineNumbers}));
  EXPECT_EQ(editor.PrintIndent(), kMaxPrintIndent);
}

TEST_F(MainFormTest, ANewFileNamedOnTheCommandLineOpensEmptyWithItsSchemeAndAFolderIsRefused) {
  Start({PathOf("new.php")});
  EXPECT_EQ(DocumentName(), PathOf("new.php"));
  EXPECT_EQ(ToUtf8(form->Caption()), "new.php - Quillon");
  EXPECT_EQ(Scheme(), U"PHP");
  EXPECT_TRUE(Messages().empty());
  std::filesystem::create_directory(PathOf("site"));
  headless.dialogs.AnswerOpenFile(Choice(PathOf("site")));
  headless.dialogs.AnswerMessage(MsgResult::OK);
  form->Action("FileOpenAct").Execute();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("is a folder"), std::string::npos);
  EXPECT_EQ(DocumentName(), PathOf("new.php"));
}

// A file with NUL bytes is opened as text only when the user says so, and then
// keeps every byte through a save; a UTF-16 file's zero bytes ask nothing,
// with a byte order mark or without.
TEST_F(MainFormTest, ABinaryFileIsOpenedOnlyAfterAQuestionAndKeepsItsBytes) {
  const std::string text = Write("page.txt", "text");
  const std::string binary = Write("image.bin", std::string("GIF8\0\x01\xFF\r\nend", 11));
  const std::string utf16 = Write("wide.txt", std::string("\xFF\xFEh\0i\0", 6));
  Start({text});
  headless.dialogs.AnswerOpenFile(Choice(binary));
  headless.dialogs.AnswerMessage(MsgResult::No);
  form->Action("FileOpenAct").Execute();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("\"image.bin\" contains NUL bytes"), std::string::npos);
  EXPECT_EQ(DocumentName(), text);

  headless.dialogs.AnswerOpenFile(Choice(binary));
  headless.dialogs.AnswerMessage(MsgResult::Yes);
  form->Action("FileOpenAct").Execute();
  EXPECT_EQ(DocumentName(), binary);
  Type(U"x");
  editor.Source().Undo();
  form->FileSave();
  EXPECT_EQ(Read(binary), std::string("GIF8\0\x01\xFF\r\nend", 11));

  headless.dialogs.AnswerOpenFile(Choice(utf16));
  form->Action("FileOpenAct").Execute();
  EXPECT_EQ(DocumentName(), utf16);
  const std::string bare = Write("bare.txt", std::string("h\0i\0\n\0", 6));  // no mark
  headless.dialogs.AnswerOpenFile(Choice(bare));
  form->Action("FileOpenAct").Execute();
  EXPECT_EQ(DocumentName(), bare);
  EXPECT_EQ(ToUtf8(editor.Source().SavedText()), "hi\n");
  EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(MainFormTest, CommandLineCases) {
  const std::string plain = Write("plain.txt", "p");
  const std::string spaced = Write("a b.txt", "s");
  const struct {
    std::vector<std::string> args;
    std::string fileName;
    bool print;
  } cases[] = {
      {{}, "", false},
      {{plain}, plain, false},
      {{"/p", plain}, plain, true},
      {{plain, "/p"}, plain, true},
      {{PathOf("a"), "b.txt"}, spaced, false},
      {{"/p", PathOf("a"), "b.txt"}, spaced, true},
      {{PathOf("a"), "b.txt", "/p"}, spaced, true},
      {{PathOf("nothing.txt")}, PathOf("nothing.txt"), false},
      {{PathOf("no"), "such.txt"}, PathOf("no"), false},
      {{"/p"}, "", true},
  };
  for (const auto& c : cases) {
    const TCommandLine line = ParseCommandLine(c.args, files);
    EXPECT_EQ(line.print, c.print) << ::testing::PrintToString(c.args);
    EXPECT_EQ(line.fileName, c.fileName) << ::testing::PrintToString(c.args);
  }
}

TEST_F(MainFormTest, DroppingSeveralFilesOpensTheFirst) {
  Start();
  const std::string a = Write("a.html", "<html>");
  const std::string b = Write("b.txt", "b");
  form->DropFiles({a, b, PathOf("c")});
  EXPECT_EQ(DocumentName(), a);
  EXPECT_EQ(Scheme(), U"HTML");
}

TEST_F(MainFormTest, NewKeepsTheSchemeAndAsksForModifiedText) {
  const std::string a = Write("a.php", "<?php");
  Start({a});
  Type(U"q");
  headless.dialogs.AnswerMessage(MsgResult::Cancel);
  EXPECT_TRUE(form->KeyDown('N', ssCtrl));
  EXPECT_EQ(DocumentName(), a);

  headless.dialogs.AnswerMessage(MsgResult::No);
  EXPECT_TRUE(form->KeyDown('N', ssCtrl));
  EXPECT_EQ(ToUtf8(form->Caption()), "Untitled - Quillon");
  EXPECT_EQ(Scheme(), U"PHP");
  EXPECT_FALSE(editor.Source().DocModified());
}

TEST_F(MainFormTest, EscClosesOnlyWhenNothingElseTakesIt) {
  Start();
  EXPECT_FALSE(options.UseEscKey());  // shipped off: Esc out of habit keeps the window
  EXPECT_FALSE(form->KeyDown(vk::Escape, 0));
  EXPECT_EQ(closed, 0);
  bool popupShown = true;
  bool sequencePending = false;
  form->HidePopupOnEscape = [&] { return std::exchange(popupShown, false); };
  form->EditorKeySequencePending = [&] { return sequencePending; };

  EXPECT_TRUE(form->KeyDown(vk::Escape, 0));  // only hides the popup
  EXPECT_EQ(closed, 0);
  EXPECT_FALSE(form->KeyDown(vk::Escape, ssCtrl));
  EXPECT_EQ(closed, 0);
  sequencePending = true;
  EXPECT_FALSE(form->KeyDown(vk::Escape, 0));
  EXPECT_EQ(closed, 0);
  sequencePending = false;
  options.SetUseEscKey(false);
  EXPECT_FALSE(form->KeyDown(vk::Escape, 0));
  EXPECT_EQ(closed, 0);
  options.SetUseEscKey(true);
  // A changed document is never closed by Esc without the save question.
  Type(U"x");
  headless.dialogs.AnswerMessage(MsgResult::Cancel);
  EXPECT_TRUE(form->KeyDown(vk::Escape, 0));
  EXPECT_EQ(closed, 0);
  editor.Source().Undo();
  EXPECT_TRUE(form->KeyDown(vk::Escape, 0));
  EXPECT_EQ(closed, 1);
}

TEST_F(MainFormTest, CommandShortcutsComeBeforeTheEditorUnlessASequenceIsPending) {
  Start();
  bool sequencePending = false;
  form->EditorKeySequencePending = [&] { return sequencePending; };
  Type(U"ab");
  editor.Source().Undo();
  ASSERT_EQ(ToUtf8(editor.Source().SavedText()), "");

  EXPECT_TRUE(form->KeyDown('Y', ssCtrl));  // Redo, not the editor's line deletion
  EXPECT_EQ(ToUtf8(editor.Source().SavedText()), "ab\n");
  // With nothing left to redo the key is still the command's.
  EXPECT_TRUE(form->KeyDown('Y', ssCtrl));
  EXPECT_EQ(ToUtf8(editor.Source().SavedText()), "ab\n");

  sequencePending = true;  // e.g. after Ctrl+K
  EXPECT_FALSE(form->KeyDown('Y', ssCtrl));
  EXPECT_FALSE(form->KeyDown('N', ssCtrl));
  sequencePending = false;
  EXPECT_FALSE(form->KeyDown('Q', ssCtrl));  // no command has it

  editor.Source().SelectAll();
  EXPECT_TRUE(form->KeyDown('I', ssCtrl));  // Increase Indent
  EXPECT_EQ(ToUtf8(editor.Source().SavedText()), " ab\n");
}

TEST_F(MainFormTest, CommandStatesFollowTheSelectionUndoAndClipboard) {
  Start();
  const char* selectionCommands[] = {"CutAct",       "CopyAct",           "UpperCaseAct",
                                     "LowerCaseAct", "IncreaseIndentAct", "DecreaseIndentAct"};
  for (const char* name : selectionCommands) EXPECT_FALSE(form->Action(name).Enabled()) << name;
  EXPECT_FALSE(form->Action("UndoAct").Enabled());
  EXPECT_FALSE(form->Action("PasteAct").Enabled());

  Type(U"word");
  editor.Source().SelectAll();
  form->RefreshCommandStates();
  for (const char* name : selectionCommands) EXPECT_TRUE(form->Action(name).Enabled()) << name;
  ASSERT_TRUE(form->Action("CopyAct").Execute());
  EXPECT_EQ(headless.clipboard.GetText(), U"word");
  EXPECT_TRUE(form->Action("PasteAct").Enabled());
  EXPECT_EQ(form->GetSelText(), U"word");
  EXPECT_EQ(form->StatusPanel(2), U"Insert");
}

TEST_F(MainFormTest, CommandsOfLaterSubsystemsAreListedButDisabled) {
  Start();
  for (const char* name : {"EditSyntaxAct", "CodeTemplatesAct"}) {
    TAction& action = form->Action(name);
    EXPECT_FALSE(action.Enabled()) << name;
    EXPECT_FALSE(action.Execute()) << name;
  }
  // Their menu items show them disabled too.
  TMenuItem* tools = form->MenuNamed("ToolsMenu");
  ASSERT_NE(tools, nullptr);
  for (const TMenuItem& item : tools->items) {
    const bool available =
        item.Caption() == U"Preferences..." || item.Caption() == U"Editor Options..." ||
        item.Caption() == U"Validate HTML" || item.Caption() == U"Batch HTML Validator..." ||
        item.Caption() == U"HTML Validator Options...";
    if (!item.separator && !available) {
      EXPECT_FALSE(item.IsEnabled()) << ToUtf8(item.Caption());
    }
  }
  // Ctrl+J is taken by the disabled Code Templates command and does nothing.
  EXPECT_TRUE(form->KeyDown('J', ssCtrl));
  EXPECT_TRUE(headless.dialogs.Prompts().empty());
  EXPECT_TRUE(headless.forms.ShownForms().empty());
  // Ctrl+P opens the print dialog.
  headless.forms.QueueScript([](TForm& dialog) { dialog.Close(); });
  EXPECT_TRUE(form->KeyDown('P', ssCtrl));
  EXPECT_EQ(headless.forms.ShownForms(), std::vector<std::string>{"MemoPrintForm"});
  EXPECT_TRUE(headless.printer.Jobs().empty());
}

TEST_F(MainFormTest, BookmarkMenus) {
  Start();
  Type(U"line");
  TMenuItem& gutter = form->GutterMenu();
  gutter.Popup();
  // "Toggle", separator, ten toggles, then the "Go To" column with ten jumps.
  ASSERT_EQ(gutter.items.size(), 24u);
  EXPECT_EQ(gutter.items[0].Caption(), U"Toggle");
  EXPECT_FALSE(gutter.items[0].IsEnabled());
  EXPECT_EQ(gutter.items[12].Caption(), U"Go To");
  EXPECT_TRUE(gutter.items[12].breakColumn);
  for (int i = 14; i < 24; ++i) EXPECT_FALSE(gutter.items[i].IsEnabled());

  TMenuItem& context = form->EditorMenu();
  context.Popup();
  TMenuItem* go = context.Find("GotoBookmarksMenu");
  ASSERT_NE(go, nullptr);
  EXPECT_FALSE(go->IsEnabled());

  gutter.items[2].Click();  // "Bookmark 0"
  TPosition at;
  EXPECT_TRUE(editor.Source().GetBookmark(10, at));
  gutter.Popup();
  EXPECT_TRUE(gutter.items[14].IsEnabled());   // Go To "Bookmark 0"
  EXPECT_FALSE(gutter.items[15].IsEnabled());  // Go To "Bookmark 1"

  // Toggling from the context menu also shows the gutter and line numbers.
  form->Action("LineNumbersAct").Execute();
  if (editor.HasOption(moLineNumbers)) form->Action("LineNumbersAct").Execute();
  context.Popup();
  context.Find("ToggleBookmarksMenu")->items[3].Click();  // "Bookmark 3"
  EXPECT_TRUE(editor.Source().GetBookmark(3, at));
  EXPECT_TRUE(editor.HasOption(moLineNumbers));
  EXPECT_TRUE(editor.HasOption(moDrawGutter));
  context.Popup();
  go = context.Find("GotoBookmarksMenu");
  ASSERT_EQ(go->items.size(), 2u);
  EXPECT_EQ(go->items[0].Caption(), U"Bookmark 3");
  EXPECT_EQ(go->items[1].Caption(), U"Bookmark 0");
}

TEST_F(MainFormTest, QuickSettings) {
  Start();
  TMenuItem& quick = form->QuickSettingsMenu();
  quick.Popup();
  ASSERT_EQ(quick.items.size(), 4u);

  const bool numbers = editor.HasOption(moLineNumbers);
  quick.items[1].Click();  // Line Numbers: gutter and numbers together
  EXPECT_EQ(editor.HasOption(moLineNumbers), !numbers);
  EXPECT_EQ(editor.HasOption(moDrawGutter), !numbers);
  quick.items[1].Click();
  EXPECT_EQ(editor.HasOption(moLineNumbers), numbers);
  EXPECT_EQ(editor.HasOption(moDrawGutter), numbers);

  const bool wrap = options.WordWrap();
  quick.items[0].Click();
  EXPECT_EQ(options.WordWrap(), !wrap);
  EXPECT_EQ(editor.ScrollBars(), wrap ? ssBoth : ssVertical);
  quick.Popup();
  EXPECT_EQ(quick.items[0].IsChecked(), !wrap);

  const bool urls = editor.Source().HighlightUrls();
  quick.items[3].Click();
  EXPECT_EQ(editor.Source().HighlightUrls(), !urls);
  EXPECT_EQ(options.HighlightUrls(), !urls);

  const bool margin = editor.HasOption(moDrawMargin);
  quick.items[2].Click();
  EXPECT_EQ(editor.HasOption(moDrawMargin), !margin);
  EXPECT_EQ(quick.items[2].IsChecked(), !margin);
}

}  // namespace
}  // namespace qs

namespace qs {
namespace {

TEST_F(MainFormTest, ASchemeThatCannotBeReadLeavesThePreviousHighlighter) {
  const std::string folder = PathOf("schemes");
  std::filesystem::create_directories(folder);
  for (const char* name : {"html.sch", "php.sch"})
    std::filesystem::copy_file(std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes/" + name,
                               folder + "/" + name);
  TFolderSchemeCatalogue local(files, folder);
  std::ofstream(folder + "/php.sch", std::ios::trunc) << "object P: TSyntaxScheme\n  broken";
  form = std::make_unique<TMainForm>(editor, local, platform, options, std::vector<std::string>{});
  form->FormShow();
  const auto& items = form->SchemeItems();
  ASSERT_EQ(items.size(), 3u);
  const int html = items[1] == U"HTML" ? 1 : 2;
  const int php = 3 - html;

  form->SyntaxComboBoxChange(html);
  ASSERT_EQ(form->SchemeIndex(), html);
  headless.dialogs.AnswerMessage(MsgResult::OK);
  form->SyntaxComboBoxChange(php);
  EXPECT_EQ(headless.dialogs.Prompts().back().caption, U"Error");
  EXPECT_EQ(form->SchemeIndex(), html);
  EXPECT_EQ(editor.SyntaxParser(), &form->SyntaxParser());
  EXPECT_TRUE(editor.HasOption(moLineNumbers));
}

TEST_F(MainFormTest, TheStatusBarFollowsTheCaretAndTheModifiedFlag) {
  Start();
  Type(U"abc");
  EXPECT_EQ(ToUtf8(form->StatusPanel(0)), "Line:   1   Col:   3");
  EXPECT_EQ(form->StatusPanel(1), U"Modified");
  editor.Source().NewLine();
  EXPECT_EQ(ToUtf8(form->StatusPanel(0)), "Line:   2   Col:   0");
  headless.dialogs.AnswerMessage(MsgResult::No);
  form->FileNew();
  EXPECT_EQ(form->StatusPanel(1), U"");
  EXPECT_EQ(ToUtf8(form->StatusPanel(0)), "Line:   1   Col:   0");
}

}  // namespace
}  // namespace qs

namespace qs {
namespace {

TEST_F(MainFormTest, TheLineBreakMenuConvertsAndTheStatusBarShowsTheFormat) {
  Start();
  EXPECT_EQ(ToUtf8(form->StatusPanel(3)), "LF   UTF-8");
  const std::string page = Write("page.html", "a\r\nb\nc\r\n");
  form->OpenFile(page, okText);
  EXPECT_EQ(ToUtf8(form->StatusPanel(3)), "CR LF   UTF-8");
  TMenuItem* breaks = form->MenuNamed("LineBreaksMenu");
  ASSERT_NE(breaks, nullptr);
  breaks->Popup();
  // Mixed breaks: said so, and no format is checked.
  ASSERT_EQ(breaks->items.size(), 4u);
  EXPECT_FALSE(breaks->items[0].IsEnabled());
  for (std::size_t i = 1; i < 4; ++i) EXPECT_FALSE(breaks->items[i].IsChecked());
  EXPECT_EQ(ToUtf8(breaks->items[1].Caption()), "Unix (LF)");
  breaks->items[1].Click();
  EXPECT_EQ(ToUtf8(form->StatusPanel(3)), "LF   UTF-8");
  EXPECT_EQ(form->StatusPanel(1), U"Modified");
  form->FileSave();
  EXPECT_EQ(Read(page), "a\nb\nc\n");
  breaks->Popup();
  ASSERT_EQ(breaks->items.size(), 3u);
  EXPECT_TRUE(breaks->items[0].IsChecked());

  TMenuItem* convert = form->MenuNamed("ConvertMenu");
  ASSERT_NE(convert, nullptr);
  editor.Source().SetTabStops(U"4");
  editor.Source().SetCaretPos(0, 0);
  editor.Source().InsertTab();  // spaces up to the stop, as the options say
  for (TMenuItem& item : convert->items)
    if (item.Caption() == U"Spaces to Tabs") item.Click();
  form->FileSave();
  EXPECT_EQ(Read(page), "\ta\nb\nc\n");
}

TEST_F(MainFormTest, AReadOnlyFileIsNotOverwrittenAndSaveAsIsOffered) {
  Start();
  const std::string page = Write("locked.html", "old\n");
  std::filesystem::permissions(page, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  form->OpenFile(page, okText);
  Type(U"x");
  headless.dialogs.AnswerMessage(MsgResult::No);
  form->Action("FileSaveAct").Execute();  // also as root: the mark decides
  EXPECT_EQ(Read(page), "old\n");
  EXPECT_EQ(form->StatusPanel(1), U"Modified");
  ASSERT_FALSE(Messages().empty());
  EXPECT_NE(Messages().back().find("is read-only"), std::string::npos);

  headless.dialogs.AnswerMessage(MsgResult::Yes);
  headless.dialogs.AnswerSaveFile(Choice(PathOf("copy.html")));
  form->Action("FileSaveAct").Execute();
  EXPECT_EQ(Read(page), "old\n");
  EXPECT_EQ(Read(PathOf("copy.html")), "xold\n");
  EXPECT_EQ(DocumentName(), PathOf("copy.html"));
  EXPECT_EQ(form->StatusPanel(1), U"");
}

// A file name is the bytes the system gave: one that is not valid UTF-8 is
// shown decoded and saved back to the very same file.
TEST_F(MainFormTest, ANameThatIsNotUtf8IsSavedToTheFileItCameFrom) {
  Start();
  const std::string page = Write("caf\xE9.txt", "old\n");
  form->OpenFile(page, okText);
  EXPECT_EQ(form->DocumentPath(), page);
  Type(U"x");
  form->FileSave();
  EXPECT_EQ(Read(page), "xold\n");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(m_dir))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"caf\xE9.txt"});
}

TEST_F(MainFormTest, QuickSettingsAndTheRecentListSurviveARestart) {
  const std::string settings = PathOf("settings.ini");
  const std::string page = Write("kept.txt", "kept");
  bool wrapped = false;
  {
    OptionRegistry::Reset();
    SettingsStore store;
    store.SetFileName(settings);
    TApplicationOptions app(store);
    TMainForm window(editor, schemes, platform, TSysOptions::Instance(), {page});
    window.FormShow();
    wrapped = TSysOptions::Instance().WordWrap();
    window.Action("WordWrapAct").Execute();
    window.Close();
    app.SaveAll();
  }
  OptionRegistry::Reset();
  SettingsStore store;
  store.SetFileName(settings);
  ASSERT_FALSE(store.Load().has_value());
  TApplicationOptions app(store);
  EXPECT_EQ(TSysOptions::Instance().WordWrap(), !wrapped);
  EXPECT_EQ(TSysOptions::Instance().RecentFiles(), std::vector<std::string>{page});
  OptionRegistry::Reset();
}

}  // namespace
}  // namespace qs
