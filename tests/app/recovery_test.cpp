// The main window keeps unsaved work: a program killed while editing leaves a
// record that the next start offers (Recover, Discard, Later), a save or a
// discarded close leaves none, and a file changed by another program is
// noticed when the window is activated again.
#include <sys/wait.h>

#include <csignal>

#include "app/recoverykeeper.h"
#include "mainformfixture.h"

namespace qs {
namespace {

class RecoveryTest : public MainFormTest {
 protected:
  std::string Folder() const { return PathOf("records"); }
  std::vector<std::string> Records() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(Folder(), error))
      names.push_back(entry.path().filename().string());
    return names;
  }
  void StartWithRecovery(std::vector<std::string> args = {}) {
    form = std::make_unique<TMainForm>(editor, schemes, platform, options, std::move(args));
    form->EnableRecovery(Folder());
    form->FormShow();
  }
  // Another run of the program edits the file, waits past the idle point
  // and is killed.
  void CrashAfterTyping(const std::string& path, StringView typed, bool waitForIdle = true) {
    const pid_t child = ::fork();
    if (child == 0) {
      StartWithRecovery({path});
      editor.Source().SetCaretPos(0, 1);
      Type(typed);
      if (waitForIdle) headless.clock.Advance(kRecoveryIdleMs);
      ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
  }
  std::string Text() const { return ToUtf8(editor.Source().SavedText()); }
  std::vector<Prompt> Choices() const {
    std::vector<Prompt> out;
    for (const Prompt& prompt : headless.dialogs.Prompts())
      if (prompt.kind == PromptKind::Choice) out.push_back(prompt);
    return out;
  }
};

TEST_F(RecoveryTest, KilledProgramsChangesComeBackModifiedWithTheFileUntouched) {
  const std::string path = Write("notes.txt", "first\nsecond\n");
  CrashAfterTyping(path, U"typed ");
  ASSERT_EQ(Records().size(), 1U);
  headless.dialogs.AnswerChoice(0);  // Recover
  StartWithRecovery();
  ASSERT_EQ(Choices().size(), 1U);
  const std::string question = ToUtf8(Choices()[0].text);
  EXPECT_EQ(question.rfind("Recover the unsaved changes to " + path + " from ", 0), 0U) << question;
  EXPECT_EQ(Choices()[0].choices, (std::vector<String>{U"Recover", U"Discard", U"Later"}));
  EXPECT_EQ(Text(), "first\ntyped second\n");
  EXPECT_EQ(form->DocumentPath(), path);
  EXPECT_TRUE(editor.Source().DocModified());
  EXPECT_EQ(form->StatusPanel(1), U"Modified");
  EXPECT_EQ(Read(path), "first\nsecond\n");
  // The recovered text has a record of its own; the old one is gone.
  ASSERT_EQ(Records().size(), 1U);
  EXPECT_EQ(Folder() + "/" + Records()[0], form->Recovery()->Journal().RecordPath());
  // Saving ends it.
  form->FileSave();
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(Read(path), "first\ntyped second\n");
}

TEST_F(RecoveryTest, DiscardDeletesLaterKeeps) {
  const std::string path = Write("a.txt", "line\n");
  CrashAfterTyping(path, U"x");
  headless.dialogs.AnswerChoice(2);  // Later
  StartWithRecovery();
  EXPECT_FALSE(editor.Source().DocModified());
  EXPECT_EQ(Records().size(), 1U);
  form.reset();
  headless.dialogs.AnswerChoice(1);  // Discard
  StartWithRecovery();
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(Read(path), "line\n");
}

TEST_F(RecoveryTest, NothingIsWrittenBeforeTheIdlePointAndNothingOffered) {
  const std::string path = Write("a.txt", "line\n");
  CrashAfterTyping(path, U"x", /*waitForIdle=*/false);
  EXPECT_TRUE(Records().empty());
}

TEST_F(RecoveryTest, ChangedFileIsSaidAndTheChangesCannotBeApplied) {
  const std::string path = Write("a.txt", "line\n");
  CrashAfterTyping(path, U"x");
  Write("a.txt", "someone else\n");
  headless.dialogs.AnswerChoice(0);  // Discard, the only way besides Later
  StartWithRecovery();
  ASSERT_EQ(Choices().size(), 1U);
  EXPECT_NE(ToUtf8(Choices()[0].text).find("changed on disk"), std::string::npos);
  EXPECT_EQ(Choices()[0].choices, (std::vector<String>{U"Discard", U"Later"}));
  EXPECT_TRUE(Records().empty());
}

TEST_F(RecoveryTest, UntitledWorkComesBackUntitled) {
  const pid_t child = ::fork();
  if (child == 0) {
    StartWithRecovery();
    Type(U"never saved");
    editor.Source().NewLine();
    Type(U"second");
    headless.clock.Advance(kRecoveryMaxDelayMs);
    ::kill(::getpid(), SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  headless.dialogs.AnswerChoice(0);
  StartWithRecovery();
  ASSERT_EQ(Choices().size(), 1U);
  EXPECT_EQ(ToUtf8(Choices()[0].text).rfind("Recover the unsaved changes to Untitled from ", 0),
            0U);
  EXPECT_EQ(Text(), "never saved\nsecond\n");
  EXPECT_EQ(DocumentName(), "Untitled");
  EXPECT_TRUE(editor.Source().DocModified());
}

TEST_F(RecoveryTest, SaveAndDiscardedCloseLeaveNoRecord) {
  const std::string path = Write("a.txt", "line\n");
  StartWithRecovery({path});
  Type(U"x");
  headless.clock.Advance(kRecoveryIdleMs);
  EXPECT_EQ(Records().size(), 1U);
  form->FileSave();
  EXPECT_TRUE(Records().empty());
  Type(U"y");
  headless.clock.Advance(kRecoveryIdleMs);
  EXPECT_EQ(Records().size(), 1U);
  headless.dialogs.AnswerMessage(MsgResult::No);  // do not save
  form->Close();
  EXPECT_TRUE(Records().empty());
}

TEST_F(RecoveryTest, TypingWithoutPauseIsWrittenAtTheLatestAfterThirtySeconds) {
  StartWithRecovery();
  for (int second = 0; second < 29; ++second) {
    Type(U"a");
    headless.clock.Advance(1000);
  }
  EXPECT_TRUE(Records().empty());
  Type(U"a");
  headless.clock.Advance(1000);
  EXPECT_EQ(Records().size(), 1U);
}

TEST_F(RecoveryTest, FileChangedByAnotherProgramIsNoticedOnActivation) {
  const std::string path = Write("a.txt", "one\ntwo\nthree\n");
  StartWithRecovery({path});
  editor.Source().SetCaretPos(2, 1);
  form->WindowActivated();  // nothing changed: nothing happens
  EXPECT_EQ(Text(), "one\ntwo\nthree\n");
  // Unmodified: reloaded, the caret kept.
  Write("a.txt", "ONE\nTWO\nTHREE\nFOUR\n");
  form->WindowActivated();
  EXPECT_EQ(Text(), "ONE\nTWO\nTHREE\nFOUR\n");
  EXPECT_EQ(editor.Source().Caret(), (TPosition{1, 2}));
  EXPECT_FALSE(editor.Source().DocModified());
  // Modified: asked; No keeps the changes.
  Type(U"x");
  Write("a.txt", "changed again\n");
  headless.dialogs.AnswerMessage(MsgResult::No);
  form->WindowActivated();
  EXPECT_EQ(Text(), "ONE\nTWxO\nTHREE\nFOUR\n");
  EXPECT_TRUE(editor.Source().DocModified());
  form->WindowActivated();  // the same change is not asked about twice
  // Yes reloads.
  Write("a.txt", "the third version\n");
  headless.dialogs.AnswerMessage(MsgResult::Yes);
  form->WindowActivated();
  EXPECT_EQ(Text(), "the third version\n");
  EXPECT_FALSE(editor.Source().DocModified());
  EXPECT_EQ(Messages().size(), 2U);
}

}  // namespace
}  // namespace qs
