#include "platform/desktopentry.h"

#include <gtest/gtest.h>

#include "platform/keyfile.h"
#include "platform/mimeapps.h"
#include "platform/mimeglobs.h"
#include "support/errors.h"

namespace qs {
namespace {

TEST(DesktopEntryTest, ExecArgumentsAreQuotedAndReadBack) {
  struct Case {
    const char* path;
    const char* quoted;
  };
  const Case cases[] = {
      {"/usr/bin/quillon", "/usr/bin/quillon"},
      {"/opt/My Apps/quillon", "\"/opt/My Apps/quillon\""},
      {"/opt/a\"b$c`d\\e/q", "\"/opt/a\\\"b\\$c\\`d\\\\e/q\""},
      {"/opt/100%/q", "/opt/100%%/q"},
      {"/opt/it's/q", "\"/opt/it's/q\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuoteExecArgument(c.path), c.quoted) << c.path;
    // Through the key file's own escapes, as the desktop reads it.
    TKeyFile file;
    file.Set("Desktop Entry", "Exec", QuoteExecArgument(c.path) + " %F");
    const std::string exec = *TKeyFile::Parse(file.Text()).Get("Desktop Entry", "Exec");
    EXPECT_EQ(ExecProgram(exec), c.path) << exec;
  }
}

TEST(DesktopEntryTest, TheEntryOpensPrintsAndListsItsTypes) {
  const TKeyFile entry = TKeyFile::Parse(
      DesktopEntryText({"/opt/My Apps/quillon", {"application/x-php", "text/html"}}));
  EXPECT_EQ(entry.Get("Desktop Entry", "Type"), "Application");
  EXPECT_EQ(entry.Get("Desktop Entry", "Exec"), "\"/opt/My Apps/quillon\" %F");
  EXPECT_EQ(entry.Get("Desktop Entry", "TryExec"), "/opt/My Apps/quillon");
  EXPECT_EQ(entry.GetList("Desktop Entry", "MimeType"),
            (std::vector<std::string>{"application/x-php", "text/html"}));
  EXPECT_TRUE(entry.Get("Desktop Entry", "Icon").has_value());
  EXPECT_EQ(entry.GetList("Desktop Entry", "Actions"), std::vector<std::string>{"Print"});
  EXPECT_EQ(entry.Get("Desktop Action Print", "Exec"), "\"/opt/My Apps/quillon\" /p %f");
  EXPECT_FALSE(TKeyFile::Parse(DesktopEntryText({"/q", {}})).Get("Desktop Entry", "MimeType"));
}

TEST(MimeAppsTest, OurDefaultGoesFirstAndLeavesTheOthersAsTheyWere) {
  TKeyFile list =
      TKeyFile::Parse("[Default Applications]\ntext/html=firefox.desktop;vim.desktop;\n");
  MakeDefaultApplication(list, "text/html", "quillon.desktop");
  MakeDefaultApplication(list, "text/html", "quillon.desktop");
  EXPECT_EQ(list.GetList(kDefaultApplications, "text/html"),
            (std::vector<std::string>{"quillon.desktop", "firefox.desktop", "vim.desktop"}));
  DropDefaultApplication(list, "text/html", "quillon.desktop", {});
  EXPECT_EQ(DefaultApplication(list, "text/html"), "firefox.desktop");

  MakeDefaultApplication(list, "text/x-log", "quillon.desktop");
  DropDefaultApplication(list, "text/x-log", "quillon.desktop", {});
  EXPECT_FALSE(list.Get(kDefaultApplications, "text/x-log").has_value());  // no empty entry

  // Someone else's default is never replaced by a restore.
  MakeDefaultApplication(list, "text/css", "quillon.desktop");
  MakeDefaultApplication(list, "text/css", "kate.desktop");
  DropDefaultApplication(list, "text/css", "quillon.desktop", "gedit.desktop");
  EXPECT_EQ(list.GetList(kDefaultApplications, "text/css"),
            std::vector<std::string>{"kate.desktop"});
}

TEST(MimeGlobsTest, TheHeaviestGlobOfTheExtensionWins) {
  const std::string globs =
      "# comment\n"
      "50:text/x-c:*.c:cs\n"
      "50:application/x-php:*.php\n"
      "80:application/x-php-source:*.PHP\n"
      "not a line\n"
      "x:text/bad:*.bad\n"
      "50:text/html:*.html\n";
  struct Case {
    const char* extension;
    std::optional<std::string> type;
  };
  const Case cases[] = {{"php", "application/x-php-source"},
                        {"html", "text/html"},
                        {"htm", std::nullopt},
                        {"bad", std::nullopt},
                        {"c", "text/x-c"}};
  for (const Case& c : cases) {
    const auto match = MatchExtensionGlob(globs, c.extension);
    EXPECT_EQ(match ? std::optional(match->mimeType) : std::nullopt, c.type) << c.extension;
  }
}

TEST(MimeGlobsTest, ThePackageDefinesOnlyValidExtensions) {
  const std::string xml = MimePackageText({{"divl", OwnMimeType("divl")}});
  EXPECT_NE(xml.find("<mime-type type=\"text/x-quillon-divl\">"), std::string::npos);
  EXPECT_NE(xml.find("<glob pattern=\"*.divl\"/>"), std::string::npos);
  EXPECT_NE(xml.find("<sub-class-of type=\"text/plain\"/>"), std::string::npos);
  EXPECT_THROW((void)MimePackageText({{"a\"b", OwnMimeType("a\"b")}}), Error);
  for (const char* bad : {"", "a b", "a/b", "a\"", "<x>", "ä", "123456789012345678901234567890123"})
    EXPECT_FALSE(IsValidExtension(bad)) << bad;
  for (const char* good : {"php", "c++", "tar-gz", "f_90", "PHP"})
    EXPECT_TRUE(IsValidExtension(good));
}

}  // namespace
}  // namespace qs
