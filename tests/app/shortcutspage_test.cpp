#include "app/shortcutspage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/commandtable.h"
#include "app/desktopservices.h"
#include "app/optionsform.h"
#include "app/shortcutdlg.h"
#include "app/systopt.h"
#include "platform/headlessformhost.h"
#include "platform/memoryfilesystem.h"
#include "platform/scripteddialogs.h"
#include "support/utf8.h"

namespace qs {
namespace {

class ShortcutsPageTest : public ::testing::Test {
 protected:
  ShortcutsPageTest() {
    BuildCommandTable(actions);
    for (int i = 0; i < actions.Count(); ++i) defaults.push_back(actions.At(i).ShortCut());
  }

  // The preferences with the shortcuts page, run by script.
  TModalResult ShowPreferences(std::function<void(TOptionsForm&, TShortcutsPage&)> script) {
    forms.QueueScript([script](TForm& form) {
      auto& options = static_cast<TOptionsForm&>(form);
      script(options, *options.ShortcutsPage());
    });
    if (m_editing) forms.QueueScript(std::exchange(m_editing, nullptr));
    TOptionsForm form(forms, dialogs, files, options, desktop);
    form.AddShortcutsPage(actions, defaults);
    return form.ShowModal();
  }
  // What "Edit ShortCut" does when the next preferences edit a row.
  void WhenEditing(std::function<void(TShortcutDlg&)> script) {
    m_editing = [script](TForm& form) { script(static_cast<TShortcutDlg&>(form)); };
  }
  static void Choose(TShortcutDlg& dialog, StringView key, bool ctrl) {
    dialog.cbShortCut.SetText(key);
    dialog.cbCtrl.SetChecked(ctrl);
  }
  int Row(std::string_view name) const {
    for (int i = 0; i < actions.Count(); ++i)
      if (actions.At(i).Name() == name) return i;
    return -1;
  }
  String Text(std::string_view name) { return ShortCutToText(actions.Get(name).ShortCut()); }

  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  MemoryFileSystem files;
  TSysOptions options;
  TDesktopServices desktop{files, TDesktopPaths{}, TDesktopHooks{}};
  TActionList actions;
  std::vector<TShortCut> defaults;
  FormScript m_editing;
};

TEST_F(ShortcutsPageTest, ListsEveryCommandWithItsCaptionShortcutAndLongHint) {
  ShowPreferences([this](TOptionsForm& form, TShortcutsPage& page) {
    EXPECT_EQ(page.Page.Caption(), U"Keyboard ShortCuts");
    std::vector<String> captions;
    for (const TTabSheet* sheet : form.PageControl.Pages()) captions.push_back(sheet->Caption());
    EXPECT_EQ(captions,
              (std::vector<String>{U"Integration", U"Keyboard ShortCuts", U"Web Server"}));
    const std::vector<TListItem>& rows = page.lvShortcuts.Rows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(actions.Count()));
    const TListItem& undo = rows[static_cast<std::size_t>(Row("UndoAct"))];
    EXPECT_EQ(undo.caption, U"Undo");
    EXPECT_EQ(undo.subItems, (std::vector<String>{U"Ctrl+Z", U"Undo the last change"}));
    const TListItem& files = rows[static_cast<std::size_t>(Row("InsertFilesAct"))];
    EXPECT_EQ(files.subItems[1], U"Insert files at cursor position");  // a hint without "|"
    form.CancelBtn.Click();
  });
}

TEST_F(ShortcutsPageTest, AKeyGivenToOneCommandLeavesTheOtherAndOkAppliesIt) {
  WhenEditing([](TShortcutDlg& dialog) {
    Choose(dialog, U"J", true);
    EXPECT_EQ(dialog.lbCurrent.Caption(), U"Current: Code Templates");
    dialog.OkBtn.Click();
  });
  const TModalResult result = ShowPreferences([this](TOptionsForm& form, TShortcutsPage& page) {
    page.lvShortcuts.SetItemIndex(Row("FindAct"));
    page.lvShortcuts.DblClick();
    EXPECT_EQ(page.RowText(Row("FindAct")), U"Ctrl+J");
    EXPECT_EQ(page.RowText(Row("CodeTemplatesAct")), U"");
    EXPECT_EQ(Text("FindAct"), U"Ctrl+F");  // nothing changes before OK
    form.OkBtn.Click();
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Text("FindAct"), U"Ctrl+J");
  EXPECT_EQ(Text("CodeTemplatesAct"), U"");
  EXPECT_EQ(actions.ForShortCut({'J', ssCtrl}), &actions.Get("FindAct"));
}

TEST_F(ShortcutsPageTest, CancelKeepsTheCommandsAndResetBringsBackEveryBuiltInShortcut) {
  actions.Get("FindAct").SetShortCut({'J', ssCtrl});
  actions.Get("CodeTemplatesAct").SetShortCut({});
  actions.Get("UndoAct").SetShortCut({'Q', ssAlt});
  ShowPreferences([](TOptionsForm& form, TShortcutsPage& page) {
    page.ResetBtn.Click();
    form.CancelBtn.Click();
  });
  EXPECT_EQ(Text("FindAct"), U"Ctrl+J");

  ShowPreferences([](TOptionsForm& form, TShortcutsPage& page) {
    page.ResetBtn.Click();
    form.OkBtn.Click();
  });
  for (int i = 0; i < actions.Count(); ++i)
    EXPECT_EQ(actions.At(i).ShortCut(), defaults[static_cast<std::size_t>(i)])
        << actions.At(i).Name();
}

TEST_F(ShortcutsPageTest, EnterOnTheListEditsTheSelectedRowAndLeavesThePreferencesOpen) {
  WhenEditing([](TShortcutDlg& dialog) {
    EXPECT_EQ(dialog.Caption(), U"Edit ShortCut: Code Templates");  // the first row
    Choose(dialog, U"E", true);
    dialog.PressKey(vk::Return);
  });
  const TModalResult result = ShowPreferences([this](TOptionsForm& form, TShortcutsPage& page) {
    const std::vector<TTabSheet*> pages = form.PageControl.Pages();
    form.PageControl.SetActivePageIndex(
        static_cast<int>(std::find(pages.begin(), pages.end(), &page.Page) - pages.begin()));
    EXPECT_TRUE(page.lvShortcuts.Focused());
    form.PressKey(vk::Return);
    EXPECT_EQ(form.ModalResult(), mrNone);
    EXPECT_EQ(page.RowText(Row("CodeTemplatesAct")), U"Ctrl+E");
    form.CancelBtn.Click();
  });
  EXPECT_EQ(result, mrCancel);
}

// Save keeps its fixed second key F2; giving F2 to another command names Save
// as its holder, and the command's own key wins over Save's second one.
TEST_F(ShortcutsPageTest, SavesFixedF2TakesPartInTheConflictCheck) {
  WhenEditing([](TShortcutDlg& dialog) {
    Choose(dialog, U"F2", false);
    EXPECT_EQ(dialog.lbCurrent.Caption(), U"Current: Save");
    dialog.OkBtn.Click();
  });
  ShowPreferences([this](TOptionsForm& form, TShortcutsPage& page) {
    page.lvShortcuts.SetItemIndex(Row("FindAct"));
    page.lvShortcuts.DblClick();
    form.OkBtn.Click();
  });
  const TShortCut f2{static_cast<TKey>(vk::F1 + 1), 0};
  EXPECT_EQ(actions.ForShortCut(f2), &actions.Get("FindAct"));
  EXPECT_EQ(Text("FileSaveAct"), U"Ctrl+S");
  actions.Get("FindAct").SetShortCut({});
  EXPECT_EQ(actions.ForShortCut(f2), &actions.Get("FileSaveAct"));
}

}  // namespace
}  // namespace qs
