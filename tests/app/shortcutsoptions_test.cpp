#include "app/shortcutsoptions.h"

#include <gtest/gtest.h>

#include "app/commandtable.h"
#include "support/registry.h"

namespace qs {
namespace {

const std::string kKey = std::string(kApplicationKey) + "\\ShortCuts";

class ShortCutsOptionsTest : public ::testing::Test {
 protected:
  ShortCutsOptionsTest() { BuildCommandTable(actions); }
  void Store(std::string_view name, RegValue value) {
    store.WriteValue(RootKey::CurrentUser, kKey, name, value);
  }
  String Text(std::string_view name) { return ShortCutToText(actions.Get(name).ShortCut()); }

  SettingsStore store;
  TActionList actions;
};

TEST_F(ShortCutsOptionsTest, StoredTextsReplaceTheBuiltInOnesWhichStayTheDefaults) {
  Store("FindAct", RegValue::Str(U"Ctrl+J"));
  Store("CodeTemplatesAct", RegValue::Str(U""));
  Store("ReplaceAct", RegValue::Str(U"Ctrl+Nonsense"));  // unreadable: no shortcut
  Store("CopyAct", RegValue::Int(5));                    // not text: the built-in stays
  Store("PasteAct", RegValue::Str(U"Ctrl+Esc"));         // outside the dialog's list: kept
  const std::vector<TShortCut> defaults = LoadShortCuts(actions, store);

  EXPECT_EQ(Text("FindAct"), U"Ctrl+J");
  EXPECT_EQ(Text("CodeTemplatesAct"), U"");
  EXPECT_EQ(Text("ReplaceAct"), U"");
  EXPECT_EQ(Text("CopyAct"), U"Ctrl+C");
  EXPECT_EQ(Text("PasteAct"), U"Ctrl+Esc");
  EXPECT_EQ(Text("UndoAct"), U"Ctrl+Z");  // no value: built-in
  ASSERT_EQ(defaults.size(), static_cast<std::size_t>(actions.Count()));
  EXPECT_EQ(ShortCutToText(defaults[0]), U"Ctrl+J");   // CodeTemplatesAct
  EXPECT_EQ(ShortCutToText(defaults[31]), U"Ctrl+F");  // FindAct
}

TEST_F(ShortCutsOptionsTest, SavedShortcutsComeBackInAFreshTableAndAMissingKeyKeepsTheBuiltIns) {
  actions.Get("FindAct").SetShortCut({'J', ssCtrl});
  actions.Get("CodeTemplatesAct").SetShortCut({});
  SaveShortCuts(actions, store);
  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey, "CodeTemplatesAct"), RegValue::Str(U""));
  EXPECT_EQ(store.ValueNames(RootKey::CurrentUser, kKey).size(),
            static_cast<std::size_t>(actions.Count()));

  TActionList restarted;
  BuildCommandTable(restarted);
  LoadShortCuts(restarted, store);
  for (int i = 0; i < actions.Count(); ++i)
    EXPECT_EQ(restarted.At(i).ShortCut(), actions.At(i).ShortCut()) << actions.At(i).Name();

  store.DeleteKey(RootKey::CurrentUser, kKey);
  TActionList fresh;
  BuildCommandTable(fresh);
  LoadShortCuts(fresh, store);
  EXPECT_EQ(ShortCutToText(fresh.Get("FindAct").ShortCut()), U"Ctrl+F");
  EXPECT_EQ(ShortCutToText(fresh.Get("CodeTemplatesAct").ShortCut()), U"Ctrl+J");
}

}  // namespace
}  // namespace qs
