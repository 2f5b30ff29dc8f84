#include "platform/helppage.h"

#include <gtest/gtest.h>

#include "support/errors.h"

namespace qs {
namespace {

TEST(HelpPage, TopicsArePagesOfTheFolderWithAnOptionalAnchor) {
  const struct {
    const char* topic;
    const char* path;
    const char* anchor;
  } cases[] = {
      {"", "/h/index.html", ""},
      {"box/padding.html", "/h/box/padding.html", ""},
      {"en/reserved.variables.html#reserved.variables.get", "/h/en/reserved.variables.html",
       "reserved.variables.get"},
      {"#top", "/h/index.html", "top"},
  };
  for (const auto& c : cases) {
    const HelpPage page = ResolveHelpPage("/h", c.topic);
    EXPECT_EQ(page.path, c.path) << c.topic;
    EXPECT_EQ(page.anchor, c.anchor) << c.topic;
  }
  for (const char* bad : {"/etc/passwd", "../secret.html", "a/../../b.html"})
    EXPECT_THROW((void)ResolveHelpPage("/h", bad), Error) << bad;
}

}  // namespace
}  // namespace qs
