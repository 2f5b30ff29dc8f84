#include "platform/scripteddialogs.h"

#include <gtest/gtest.h>

#include "platform/filefilter.h"
#include "support/errors.h"

namespace qs {
namespace {

TEST(ScriptedDialogs, AnswersComeInOrderAndEveryPromptIsRecorded) {
  ScriptedDialogs dialogs;
  dialogs.AnswerMessage(MsgResult::No);
  dialogs.AnswerInput(U"typed");
  dialogs.AnswerInput(std::nullopt);
  dialogs.AnswerOpenFile(FileChoice{{"/a.txt", "/b.txt"}, 2});
  dialogs.AnswerColor(0x123456);

  EXPECT_EQ(dialogs.Confirm(U"Save changes?", false), MsgResult::No);
  String value = U"start";
  EXPECT_TRUE(dialogs.InputQuery(U"Go to", U"Line:", value));
  EXPECT_EQ(value, U"typed");
  String untouched = U"keep";
  EXPECT_FALSE(dialogs.InputQuery(U"Go to", U"Line:", untouched));
  EXPECT_EQ(untouched, U"keep");
  FileDialogOptions options;
  options.title = U"Open";
  options.multiSelect = true;
  const std::optional<FileChoice> files = dialogs.OpenFile(options);
  ASSERT_TRUE(files);
  EXPECT_EQ(files->paths.size(), 2u);
  EXPECT_EQ(files->filterIndex, 2);
  TColor color = 0;
  EXPECT_TRUE(dialogs.ChooseColor(color));
  EXPECT_EQ(color, 0x123456);
  EXPECT_EQ(dialogs.PendingAnswers(), 0u);

  const std::vector<Prompt>& shown = dialogs.Prompts();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_EQ(shown[0].caption, U"Confirm");
  EXPECT_EQ(shown[0].text, U"Save changes?");
  EXPECT_EQ(shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(shown[1].value, U"start");
  EXPECT_EQ(shown[3].kind, PromptKind::OpenFile);
  EXPECT_TRUE(shown[3].file.multiSelect);
}

TEST(ScriptedDialogs, ErrorsAndConfirmationsUseTheProgramsCaptions) {
  ScriptedDialogs dialogs;
  dialogs.AnswerMessage(MsgResult::OK);
  dialogs.AnswerMessage(MsgResult::Cancel);
  dialogs.ShowError(U"Invalid Tab Rack");
  EXPECT_EQ(dialogs.Confirm(U"Close?", true), MsgResult::Cancel);
  EXPECT_EQ(dialogs.Prompts()[0].caption, U"Error");
  EXPECT_EQ(dialogs.Prompts()[0].buttons, MsgButtons::OK);
  EXPECT_EQ(dialogs.Prompts()[0].icon, MsgIcon::Error);
  EXPECT_EQ(dialogs.Prompts()[1].buttons, MsgButtons::YesNoCancel);
}

TEST(ScriptedDialogs, AnUnforeseenPromptFailsLoudlyAndEscapesErrorHandling) {
  ScriptedDialogs dialogs;
  // Code that shows qs::Error in a box must not catch the test's failure.
  const auto guarded = [&] {
    try {
      dialogs.ShowError(U"boom");
    } catch (const Error&) {
      ADD_FAILURE() << "the failure was caught as a program error";
    }
  };
  EXPECT_THROW(guarded(), UnscriptedPrompt);
  EXPECT_EQ(dialogs.Prompts().size(), 1u);  // still recorded for the failure message

  dialogs.AnswerInput(U"x");
  EXPECT_THROW(dialogs.ShowError(U"wrong kind"), UnscriptedPrompt);
  dialogs.AnswerMessage(MsgResult::Yes);
  EXPECT_THROW(dialogs.ShowError(U"a Yes on an OK box"), UnscriptedPrompt);
}

TEST(ScriptedDialogs, CancelledDialogsLeaveTheirInputsAlone) {
  ScriptedDialogs dialogs;
  dialogs.AnswerSaveFile(std::nullopt);
  dialogs.AnswerFont(std::nullopt);
  dialogs.AnswerFolder(std::nullopt);
  dialogs.AnswerPrinterSetup(false);
  EXPECT_FALSE(dialogs.SaveFile({}));
  FontSpec font;
  font.name = U"Courier New";
  TColor color = 7;
  EXPECT_FALSE(dialogs.ChooseFont(font, color));
  EXPECT_EQ(font.name, U"Courier New");
  EXPECT_EQ(color, 7);
  EXPECT_FALSE(dialogs.BrowseFolder(U"", "/home"));
  EXPECT_EQ(dialogs.Prompts()[2].initialDir, "/home");
  EXPECT_FALSE(dialogs.PrinterSetup());
}

TEST(FileFilter, ParsesDescriptionAndPatternPairs) {
  EXPECT_EQ(ParseFileFilter(U"HTML files|*.htm;*.html|All files (*.*)|*.*"),
            (std::vector<FileFilterEntry>{{U"HTML files", {"*.htm", "*.html"}},
                                          {U"All files (*.*)", {"*.*"}}}));
  // A dangling description and an entry without patterns are dropped.
  EXPECT_EQ(ParseFileFilter(U"Text|*.txt|Broken||Dangling"),
            (std::vector<FileFilterEntry>{{U"Text", {"*.txt"}}}));
  EXPECT_TRUE(ParseFileFilter(U"").empty());
}

}  // namespace
}  // namespace qs
