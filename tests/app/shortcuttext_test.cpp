#include "app/shortcuttext.h"

#include <gtest/gtest.h>

#include "support/utf8.h"

namespace qs {
namespace {

constexpr TKey F(int n) {
  return static_cast<TKey>(vk::F1 + n - 1);
}

TEST(ShortCutText, WritesModifiersInTheirOrderAndReadsBackWhatItWrites) {
  const struct {
    TShortCut shortCut;
    const char32_t* text;
  } rows[] = {
      {{}, U""},
      {{'J', ssCtrl}, U"Ctrl+J"},
      {{'U', ssCtrl | ssAlt}, U"Ctrl+Alt+U"},
      {{vk::Space, ssShift | ssCtrl}, U"Shift+Ctrl+Space"},
      {{'A', ssShift | ssCtrl | ssAlt}, U"Shift+Ctrl+Alt+A"},
      {{F(11), 0}, U"F11"},
      {{F(24), ssShift}, U"Shift+F24"},
      {{vk::Back, ssAlt}, U"Alt+BkSp"},
      {{vk::Insert, ssCtrl}, U"Ctrl+Ins"},
      {{vk::Delete, ssCtrl}, U"Ctrl+Del"},
      // Keys the shortcut dialog does not list still have names.
      {{'7', ssCtrl}, U"Ctrl+7"},
      {{vk::Escape, ssCtrl}, U"Ctrl+Esc"},
      {{vk::Prior, ssAlt}, U"Alt+PgUp"},
      {{vk::Multiply, ssCtrl}, U"Ctrl+#106"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ShortCutToText(row.shortCut), row.text) << ToUtf8(row.text);
    const std::optional<TShortCut> back = TextToShortCut(row.text);
    ASSERT_TRUE(back.has_value()) << ToUtf8(row.text);
    EXPECT_EQ(*back, row.shortCut) << ToUtf8(row.text);
  }
}

TEST(ShortCutText, ReadsHandWrittenTextAndRefusesWhatNamesNoKey) {
  EXPECT_EQ(TextToShortCut(U"ctrl+shift+j"), (TShortCut{'J', ssCtrl | ssShift}));
  EXPECT_EQ(TextToShortCut(U"ALT+f4"), (TShortCut{F(4), ssAlt}));
  EXPECT_EQ(TextToShortCut(U"Ctrl+bksp"), (TShortCut{vk::Back, ssCtrl}));
  for (const char32_t* bad : {U"Ctrl+", U"Ctrl", U"Hyper+A", U"Ctrl+AB", U"F0", U"F25", U"Ctrl+#0",
                              U"#70000", U"Ctrl++", U"+A", U"Ctrl+F1x"})
    EXPECT_FALSE(TextToShortCut(bad).has_value()) << ToUtf8(bad);
}

}  // namespace
}  // namespace qs
