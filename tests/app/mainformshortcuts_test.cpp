// The main window's shortcuts and layouts over a whole session: the
// preferences change a command's key, it works at once and after a restart;
// desktops are saved and loaded through the View menu.
#include <gtest/gtest.h>

#include "app/desktops.h"
#include "app/optionsform.h"
#include "app/savedskdlg.h"
#include "app/shortcutdlg.h"
#include "app/shortcutspage.h"
#include "fakelayouthost.h"
#include "mainformfixture.h"
#include "support/optionobject.h"
#include "support/registry.h"

namespace qs {
namespace {

class MainFormShortcutsTest : public MainFormTest {
 protected:
  void SetUp() override {
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&store);
  }
  void TearDown() override {
    form.reset();
    OptionRegistry::Reset();
  }
  void Restart() {
    form.reset();
    Start();
  }
  // Preferences > Keyboard ShortCuts: gives the command's row the key with
  // Ctrl (no modifier when ctrl is false), then OK.
  void GiveKey(std::string_view command, StringView key, bool ctrl) {
    headless.forms.QueueScript([this, command](TForm& f) {
      auto& options = static_cast<TOptionsForm&>(f);
      TShortcutsPage& page = *options.ShortcutsPage();
      for (int i = 0; i < form->Actions().Count(); ++i)
        if (form->Actions().At(i).Name() == command) page.lvShortcuts.SetItemIndex(i);
      page.lvShortcuts.DblClick();
      options.OkBtn.Click();
    });
    headless.forms.QueueScript([key = String(key), ctrl](TForm& f) {
      auto& dialog = static_cast<TShortcutDlg&>(f);
      dialog.cbShortCut.SetText(key);
      dialog.cbCtrl.SetChecked(ctrl);
      dialog.OkBtn.Click();
    });
    ASSERT_TRUE(form->Action("ConfigurationAct").Execute());
  }
  TMenuItem& DesktopsMenu() {
    TMenuItem& menu = *form->MenuNamed("DesktopsMenu");
    menu.Popup();
    return menu;
  }

  SettingsStore store;
  FakeLayoutHost layouts;
};

TEST_F(MainFormShortcutsTest, AChangedKeyWorksAtOnceAndAfterARestartUntilTheStoredKeysGo) {
  Start();
  Type(U"text");
  GiveKey("SelectAllAct", U"J", true);
  EXPECT_EQ(ShortCutToText(form->Action("CodeTemplatesAct").ShortCut()), U"");
  EXPECT_TRUE(form->KeyDown('J', ssCtrl));
  EXPECT_EQ(form->GetSelText(), U"text");
  form->SaveShortCuts();

  Restart();
  EXPECT_EQ(ShortCutToText(form->Action("SelectAllAct").ShortCut()), U"Ctrl+J");
  EXPECT_EQ(ShortCutToText(form->DefaultShortCuts().at(11)), U"Ctrl+A");  // SelectAllAct
  EXPECT_EQ(form->Actions().ForShortCut({'A', ssCtrl}), nullptr);

  store.DeleteKey(RootKey::CurrentUser, std::string(kApplicationKey) + "\\ShortCuts");
  Restart();
  EXPECT_EQ(ShortCutToText(form->Action("SelectAllAct").ShortCut()), U"Ctrl+A");
  EXPECT_EQ(ShortCutToText(form->Action("CodeTemplatesAct").ShortCut()), U"Ctrl+J");
}

TEST_F(MainFormShortcutsTest, ThePreviewTabCaptionFollowsItsCommandsKey) {
  Start();
  EXPECT_EQ(form->TabCaptions()[1], U"Preview F11");
  GiveKey("ToggleCodePreviewAct", U"F11", true);
  EXPECT_EQ(form->TabCaptions()[1], U"Preview Ctrl+F11");
}

TEST_F(MainFormShortcutsTest, TheEditorsTwoKeyPrefixesAreKnown) {
  Start();
  EXPECT_TRUE(form->StartsEditorSequence({'K', ssCtrl}));
  EXPECT_FALSE(form->StartsEditorSequence({'J', ssCtrl}));
  EXPECT_FALSE(form->StartsEditorSequence({'K', ssCtrl | ssShift}));
}

TEST_F(MainFormShortcutsTest, WithoutPanelsTheLayoutCommandsAreDisabled) {
  Start();
  EXPECT_FALSE(form->MenuNamed("SaveLayoutItem")->IsEnabled());
  EXPECT_FALSE(form->MenuNamed("LoadLayoutItem")->IsEnabled());
  EXPECT_FALSE(form->Action("SaveDesctopAsAct").Execute());
  EXPECT_FALSE(form->Action("DeleteDesktopAct").Enabled());
  EXPECT_TRUE(headless.forms.ShownForms().empty());
}

TEST_F(MainFormShortcutsTest, ADesktopIsSavedByNameLoadedFromTheMenuAndDeleted) {
  Start();
  form->SetLayoutHost(&layouts);
  EXPECT_FALSE(form->Action("DeleteDesktopAct").Enabled());
  headless.forms.QueueScript([](TForm& f) {
    auto& dialog = static_cast<TSaveDskDlg&>(f);
    EXPECT_EQ(dialog.Caption(), U"Save Desktop");
    EXPECT_EQ(dialog.lbName.Caption(), U"Save current desktop as:");
    EXPECT_FALSE(dialog.OkBtn.Enabled());  // no name, nothing to save
    dialog.OkBtn.Click();
    EXPECT_EQ(dialog.ModalResult(), mrNone);
    dialog.cbName.SetText(U"Review");
    dialog.OkBtn.Click();
  });
  ASSERT_TRUE(form->Action("SaveDesctopAsAct").Execute());
  EXPECT_EQ(form->Desktops().DesktopNames(), std::vector<String>{U"Review"});

  layouts.current = {'L', 'n', 'e', 'w'};
  TMenuItem& menu = DesktopsMenu();
  ASSERT_EQ(menu.items.size(), 4u);  // Review, -, Save Desktop As..., Delete...
  EXPECT_EQ(menu.items[0].Caption(), U"Review");
  menu.items[0].Click();
  EXPECT_EQ(layouts.current, (LayoutBytes{'L', 's', 't', 'a', 'r', 't'}));

  headless.forms.QueueScript([](TForm& f) {
    auto& dialog = static_cast<TSaveDskDlg&>(f);
    EXPECT_EQ(dialog.cbName.Text(), U"Review");
    dialog.OkBtn.Click();
  });
  ASSERT_TRUE(form->Action("DeleteDesktopAct").Execute());
  EXPECT_TRUE(form->Desktops().DesktopNames().empty());
  EXPECT_FALSE(form->Action("DeleteDesktopAct").Enabled());
  EXPECT_TRUE(headless.dialogs.Prompts().empty());
}

TEST_F(MainFormShortcutsTest, LoadLayoutSaysWhenThereIsNoneOrItFellBack) {
  Start();
  form->SetLayoutHost(&layouts);
  headless.dialogs.AnswerMessage(MsgResult::OK);
  form->MenuNamed("LoadLayoutItem")->Click();
  form->MenuNamed("SaveLayoutItem")->Click();
  const std::string key = std::string(kApplicationKey) + "\\Layout";
  store.WriteValue(RootKey::CurrentUser, key, "State", RegValue::Bin({1, 2, 3}));
  headless.dialogs.AnswerMessage(MsgResult::OK);
  form->MenuNamed("LoadLayoutItem")->Click();
  EXPECT_EQ(layouts.current, layouts.DefaultLayout());
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0], "The layout has not been saved.");
  EXPECT_EQ(Messages()[1], "The layout could not be read; the panels are back where they started.");
  form->SetLayoutHost(nullptr);
}

}  // namespace
}  // namespace qs
