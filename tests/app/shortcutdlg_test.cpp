#include "app/shortcutdlg.h"

#include <gtest/gtest.h>

#include "platform/headlessformhost.h"
#include "platform/scripteddialogs.h"
#include "support/utf8.h"

namespace qs {
namespace {

class ShortcutDlgTest : public ::testing::Test {
 protected:
  // Shows the dialog for "Find" with text, runs script in it.
  std::optional<String> Edit(StringView text, std::function<void(TShortcutDlg&)> script) {
    forms.QueueScript([script](TForm& form) { script(static_cast<TShortcutDlg&>(form)); });
    TShortcutDlg dialog(forms, dialogs);
    dialog.CommandHolding = [](StringView held) {
      return held == U"Ctrl+J" ? String(U"Code Templates") : String();
    };
    dialog.StartsEditorSequence = [](StringView held) { return held == U"Ctrl+K"; };
    return dialog.Edit(U"Find...", text);
  }
  static void Choose(TShortcutDlg& dialog, StringView key, bool shift, bool ctrl, bool alt) {
    dialog.cbShortCut.SetText(key);
    dialog.cbShift.SetChecked(shift);
    dialog.cbCtrl.SetChecked(ctrl);
    dialog.cbAlt.SetChecked(alt);
  }

  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
};

TEST_F(ShortcutDlgTest, ShowsTheTextItWasGivenAndWhoHoldsTheKeysChosen) {
  const std::optional<String> chosen = Edit(U"Shift+Ctrl+F", [](TShortcutDlg& dialog) {
    EXPECT_EQ(dialog.Caption(), U"Edit ShortCut: Find...");
    EXPECT_TRUE(dialog.cbShift.Checked());
    EXPECT_TRUE(dialog.cbCtrl.Checked());
    EXPECT_FALSE(dialog.cbAlt.Checked());
    EXPECT_EQ(dialog.cbShortCut.Text(), U"F");
    EXPECT_EQ(dialog.cbShortCut.Items().size(), 43u);  // None, A..Z, F1..F12, Ins, Del, BkSp, Space
    EXPECT_EQ(dialog.lbCurrent.Caption(), U"Current:");
    Choose(dialog, U"J", false, true, false);
    EXPECT_EQ(dialog.lbCurrent.Caption(), U"Current: Code Templates");
    // None clears the modifiers.
    dialog.cbShortCut.SetText(U"None");
    EXPECT_FALSE(dialog.cbCtrl.Checked());
    EXPECT_EQ(dialog.lbCurrent.Caption(), U"Current:");
    dialog.cbShortCut.SetText(U"J");
    dialog.cbCtrl.Click();
    dialog.OkBtn.Click();
  });
  EXPECT_EQ(chosen, U"Ctrl+J");
}

TEST_F(ShortcutDlgTest, OkRefusesCombinationsNoCommandCanHave) {
  const struct {
    const char32_t* key;
    bool shift, ctrl, alt;
    const char32_t* text;  // the composed text
    bool valid;
  } rows[] = {
      {U"A", true, false, false, U"Shift+A", false},
      {U"A", false, false, false, U"A", false},
      {U"None", false, true, false, U"Ctrl", false},
      {U"Space", true, false, false, U"Shift+Space", false},
      {U"A", false, false, true, U"Alt+A", true},
      {U"A", true, true, false, U"Shift+Ctrl+A", true},
      {U"F5", true, false, false, U"Shift+F5", true},
      {U"F12", false, false, false, U"F12", true},
      {U"None", false, false, false, U"", true},
  };
  for (const auto& row : rows) {
    if (!row.valid) dialogs.AnswerMessage(MsgResult::OK);
    bool refused = false;
    const std::optional<String> chosen = Edit(U"Ctrl+F", [&](TShortcutDlg& dialog) {
      Choose(dialog, row.key, row.shift, row.ctrl, row.alt);
      EXPECT_EQ(dialog.ComposedText(), row.text);
      dialog.OkBtn.Click();
      refused = dialog.ModalResult() == mrNone;
      if (refused) dialog.CancelBtn.Click();
    });
    EXPECT_EQ(refused, !row.valid) << ToUtf8(row.text);
    if (row.valid) {
      EXPECT_EQ(chosen, row.text);
    } else {
      ASSERT_FALSE(dialogs.Prompts().empty());
      EXPECT_EQ(dialogs.Prompts().back().caption, U"Error");
      EXPECT_EQ(dialogs.Prompts().back().icon, MsgIcon::Error);
      EXPECT_EQ(dialogs.Prompts().back().text,
                U"\"" + String(row.text) + U"\" is not valid ShortCut");
    }
  }
}

TEST_F(ShortcutDlgTest, AKeyOutsideTheListKeepsItsValue) {
  const std::optional<String> chosen = Edit(U"Ctrl+Esc", [](TShortcutDlg& dialog) {
    EXPECT_EQ(dialog.cbShortCut.Text(), U"Esc");
    EXPECT_TRUE(dialog.cbCtrl.Checked());
    dialog.OkBtn.Click();
  });
  EXPECT_EQ(chosen, U"Ctrl+Esc");
}

TEST_F(ShortcutDlgTest, AnEditorPrefixKeyIsTakenOnlyAfterTheWarningIsAccepted) {
  dialogs.AnswerMessage(MsgResult::No);
  dialogs.AnswerMessage(MsgResult::Yes);
  const std::optional<String> chosen = Edit(U"", [](TShortcutDlg& dialog) {
    Choose(dialog, U"K", false, true, false);
    dialog.OkBtn.Click();
    EXPECT_EQ(dialog.ModalResult(), mrNone);  // No: the dialog stays
    dialog.OkBtn.Click();
  });
  EXPECT_EQ(chosen, U"Ctrl+K");
  ASSERT_EQ(dialogs.Prompts().size(), 2u);
  EXPECT_EQ(dialogs.Prompts()[0].caption, U"Confirm");
  EXPECT_NE(dialogs.Prompts()[0].text.find(U"two-key commands"), String::npos);
}

}  // namespace
}  // namespace qs
