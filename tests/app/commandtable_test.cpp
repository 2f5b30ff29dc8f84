#include <gtest/gtest.h>

#include "app/commandtable.h"
#include "app/menumodel.h"
#include "support/utf8.h"

namespace qs {
namespace {

TEST(CommandTable, ListsTheCommandsInTheirFixedOrder) {
  TActionList list;
  BuildCommandTable(list);
  ASSERT_EQ(list.Count(), 64);
  const struct {
    int index;
    const char* name;
    const char32_t* category;
    const char32_t* caption;
    const char32_t* shortCut;
  } rows[] = {
      {0, "CodeTemplatesAct", U"View", U"Code Templates", U"Ctrl+J"},
      {4, "UndoAct", U"Edit", U"&Undo", U"Ctrl+Z"},
      {8, "ToggleCodePreviewAct", U"View", U"Toogle Code/Preview", U"F11"},
      {16, "FileSaveAct", U"File", U"&Save", U"Ctrl+S"},
      {29, "LowerCaseAct", U"Convert", U"To Lower Case", U"Ctrl+Alt+U"},
      {36, "ConfigurationAct", U"Tools", U"Configuration...", U""},
      {51, "ToggleCodeLocalhostPreviewAct", U"View", U"ToggleCodeLocalhostPreviewAct", U"F12"},
      {54, "ShowFuncHintAct", U"View", U"Show Function Hint", U"Shift+Ctrl+Space"},
      {60, "HelpTopicsAct", U"Help", U"Help Topics...", U"Ctrl+F1"},
      {61, "TopicSearchAct", U"Help", U"Topic &Search", U"F1"},
      {62, "NextMessageAct", U"Tools", U"Next Validator Message", U"F4"},
      {63, "PreviousMessageAct", U"Tools", U"Previous Validator Message", U"Shift+F4"},
  };
  for (const auto& row : rows) {
    const TAction& action = list.At(row.index);
    EXPECT_EQ(action.Name(), row.name) << row.index;
    EXPECT_EQ(action.Category(), row.category) << row.name;
    EXPECT_EQ(action.Caption(), row.caption) << row.name;
    EXPECT_EQ(ShortCutToText(action.ShortCut()), row.shortCut) << row.name;
  }
  EXPECT_EQ(list.Get("PrintAct").MenuCaption(), U"&Print...");
  EXPECT_EQ(list.Get("ConfigurationAct").MenuCaption(), U"Preferences...");
  EXPECT_EQ(list.Get("InsertFilesAct").Hint(), U"Insert files at cursor position");
  // Save answers F2 as well as its own shortcut.
  EXPECT_EQ(list.ForShortCut({static_cast<TKey>(vk::F1 + 1), 0}), &list.Get("FileSaveAct"));
  EXPECT_EQ(list.ForShortCut({'S', ssCtrl}), &list.Get("FileSaveAct"));
  EXPECT_EQ(list.ForShortCut({'S', ssCtrl | ssShift}), nullptr);
}

TEST(CommandTable, NamesAndShortcutsAreUnique) {
  TActionList list;
  BuildCommandTable(list);
  for (int i = 0; i < list.Count(); ++i) {
    for (int j = i + 1; j < list.Count(); ++j) {
      EXPECT_NE(list.At(i).Name(), list.At(j).Name());
      if (!list.At(i).ShortCut().IsEmpty()) {
        EXPECT_NE(list.At(i).ShortCut(), list.At(j).ShortCut()) << list.At(i).Name();
      }
    }
  }
}

TEST(Actions, ACommandWithoutOperationStaysDisabled) {
  TAction action("X", U"File", U"&X");
  EXPECT_FALSE(action.Enabled());
  EXPECT_FALSE(action.Execute());
  int runs = 0;
  int changes = 0;
  Subscription watch = action.OnChange([&] { ++changes; });
  action.SetOperation([&] { ++runs; });
  EXPECT_TRUE(action.Execute());
  action.SetEnabled(false);
  EXPECT_FALSE(action.Execute());
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(changes, 2);

  TMenuItem item = TMenuItem::ForAction(action);
  item.Click();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(item.IsEnabled());
}

TEST(Menus, StripAcceleratorKeepsDoubledAmpersands) {
  EXPECT_EQ(StripAccelerator(U"Save &As..."), U"Save As...");
  EXPECT_EQ(StripAccelerator(U"&0 /r&&d/x"), U"0 /r&d/x");
  EXPECT_EQ(StripAccelerator(U"end&"), U"end");
}

}  // namespace
}  // namespace qs
