#include "platform/keyfile.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(KeyFileTest, EditsKeepEveryOtherLineAsItWas) {
  const std::string text =
      "# made by hand\r\n"
      "[Default Applications]\n"
      "text/html=firefox.desktop;\n"
      "Name[de]=Bearbeiter\n"
      "\n"
      "[Added Associations]\n"
      "junk line without equals\n"
      "text/plain=vim.desktop;\n";
  TKeyFile file = TKeyFile::Parse(text);
  EXPECT_EQ(file.Text(), text);
  file.Set("Default Applications", "application/x-php", "quillon.desktop;");
  file.Set("Added Associations", "text/plain", "gedit.desktop;");
  EXPECT_EQ(file.Text(),
            "# made by hand\r\n"
            "[Default Applications]\n"
            "text/html=firefox.desktop;\n"
            "Name[de]=Bearbeiter\n"
            "application/x-php=quillon.desktop;\n"
            "\n"
            "[Added Associations]\n"
            "junk line without equals\n"
            "text/plain=gedit.desktop;\n");
  EXPECT_EQ(file.Get("Default Applications", "Name"), std::nullopt);  // localised keys are others
  EXPECT_TRUE(file.Remove("Default Applications", "text/html"));
  EXPECT_FALSE(file.Remove("Default Applications", "text/html"));
  EXPECT_TRUE(file.RemoveGroup("Added Associations"));
  EXPECT_EQ(file.Groups(), std::vector<std::string>{"Default Applications"});
}

TEST(KeyFileTest, ValuesAndListsComeBackThroughTheirEscapes) {
  struct Case {
    const char* name;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"plain", {"a.desktop", "b.desktop"}},
      {"separator inside", {"a;b", "c"}},
      {"backslash before separator", {"a\\", "b"}},
      {"blanks and breaks", {" leading", "two\nlines\ttab"}},
  };
  for (const Case& c : cases) {
    TKeyFile file;
    file.SetList("G", "K", c.items);
    const TKeyFile reread = TKeyFile::Parse(file.Text());
    EXPECT_EQ(reread.GetList("G", "K"), c.items) << c.name;
  }
  TKeyFile file;
  file.Set("G", "Exec", " \"/opt/My Apps/q\" \\ %F");
  EXPECT_EQ(TKeyFile::Parse(file.Text()).Get("G", "Exec"), " \"/opt/My Apps/q\" \\ %F");
  // Lists written by others may lack the final separator.
  EXPECT_EQ(TKeyFile::Parse("[G]\nK = a;b\n").GetList("G", "K"),
            (std::vector<std::string>{"a", "b"}));
}

TEST(KeyFileTest, EmptyMeansNoEntries) {
  TKeyFile file = TKeyFile::Parse("# only a comment\n[G]\n");
  EXPECT_TRUE(file.Empty());
  file.Set("G", "K", "v");
  EXPECT_FALSE(file.Empty());
}

}  // namespace
}  // namespace qs
