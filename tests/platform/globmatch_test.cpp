#include "platform/globmatch.h"

#include <gtest/gtest.h>

#include <string>

namespace qs {
namespace {

TEST(GlobMatch, Patterns) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"html.scm", "*.scm", true},
      {"HTML.SCM", "*.scm", true},  // letter case is ignored
      {"html.scm.bak", "*.scm", false},
      {"a.scm", "?.scm", true},
      {"ab.scm", "?.scm", false},
      {"README", "*.*", true},  // "*.*" is every name, dotted or not
      {"README", "*.", false},
      {"page.html", "*.htm;*.html", true},
      {"page.htm", " *.htm ; *.html ", true},
      {"page.php", "*.htm;*.html", false},
      {"", "*", true},
      {"x", "", false},
      {"abcabd", "*abd", true},  // needs backtracking past the first "ab"
      {"aXbXc", "a*b*c", true},
      {"aXbXd", "a*b*c", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchesGlob(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

TEST(GlobMatch, HostileStarRunsStayFast) {
  // A recursive matcher takes exponential time here; this one is linear-ish.
  const std::string name(5000, 'a');
  const std::string pattern = std::string(50, '*') + "b";
  EXPECT_FALSE(MatchesGlob(name, pattern));
}

}  // namespace
}  // namespace qs
