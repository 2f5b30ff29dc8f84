// The boundary every desktop event goes through: what it shows, what it logs,
// and that nothing but a test's own harness failure gets past it.
#include "support/guardedcall.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <vector>

#include "common/environmentscope.h"
#include "support/errorlog.h"
#include "support/errors.h"

namespace qs {
namespace {

namespace fs = std::filesystem;

// A log file of the test's own and a shower that records what it is asked to show.
class GuardedCallTest : public ::testing::Test {
 protected:
  GuardedCallTest()
      : m_dir(fs::temp_directory_path() / ("quillon-guard-" + std::to_string(::getpid()))),
        m_shower([this](const std::string& text) { shown.push_back(text); }) {
    fs::create_directories(m_dir);
    m_env.Set("QUILLON_LOG_FILE", (m_dir / "state" / "quillon.log").c_str());
  }
  ~GuardedCallTest() override { fs::remove_all(m_dir); }

  std::string Log() const {
    std::ifstream in(m_dir / "state" / "quillon.log");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::vector<std::string> shown;

 private:
  fs::path m_dir;
  testing::EnvironmentScope m_env;
  FailureShowerInstallation m_shower;
};

TEST_F(GuardedCallTest, EachKindOfFailureIsShownAndLoggedByItsRule) {
  const struct {
    const char* what;
    std::function<void()> step;
    const char* shown;  // nullptr: nothing
    bool logged;
  } cases[] = {
      {"cancel", [] { throw Abort(); }, nullptr, false},
      {"error", [] { throw Error("Cannot open \"a.txt\""); }, "Cannot open \"a.txt\"", false},
      {"length", [] { throw std::length_error("vector too long #1"); },
       "Internal error: vector too long #1", true},
      {"memory", [] { throw std::bad_alloc(); }, "Internal error: std::bad_alloc", true},
      {"foreign", [] { throw 42; }, "Internal error: an exception of unknown type", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    shown.clear();
    const std::string before = Log();
    bool ran = true;
    EXPECT_NO_THROW(ran = GuardedCall(c.step));
    EXPECT_FALSE(ran);
    EXPECT_EQ(shown, c.shown ? std::vector<std::string>{c.shown} : std::vector<std::string>{});
    const std::string added = Log().substr(before.size());
    if (c.logged)
      EXPECT_NE(added.find(c.shown), std::string::npos) << added;
    else
      EXPECT_EQ(added, "");
  }
  EXPECT_TRUE(GuardedCall([] {}));
}

TEST_F(GuardedCallTest, AGivenShowerTakesTheMessageAndAFailingOneHasItLogged) {
  std::vector<std::string> own;
  GuardedCall([&](const std::string& text) { own.push_back(text); },
              [] { throw Error("only for the form"); });
  EXPECT_EQ(own, std::vector<std::string>{"only for the form"});
  EXPECT_TRUE(shown.empty());

  const FailureShower broken = [](const std::string&) { throw std::runtime_error("no display"); };
  EXPECT_NO_THROW(GuardedCall(broken, [] { throw Error("lost box #2"); }));
  EXPECT_NE(Log().find("lost box #2"), std::string::npos);
  EXPECT_NE(Log().find("no display"), std::string::npos);
}

TEST_F(GuardedCallTest, AHarnessFailureGetsPastEveryShowingBoundary) {
  EXPECT_THROW(GuardedCall([] { throw HarnessFailure("unscripted"); }), HarnessFailure);
  const FailureShower unscripted = [](const std::string&) { throw HarnessFailure("no answer"); };
  EXPECT_THROW(GuardedCall(unscripted, [] { throw Error("x"); }), HarnessFailure);
}

TEST_F(GuardedCallTest, ALoggedCallShowsNothingAndNeverThrows) {
  EXPECT_FALSE(LoggedCall("painting", [] { throw Error("scheme broken #3"); }));
  EXPECT_FALSE(LoggedCall("painting", [] { throw HarnessFailure("unscripted #4"); }));
  EXPECT_FALSE(LoggedCall("painting", [] { throw Abort(); }));
  EXPECT_TRUE(shown.empty());
  EXPECT_NE(Log().find("painting: scheme broken #3"), std::string::npos);
  EXPECT_NE(Log().find("painting: Internal error: unscripted #4"), std::string::npos);
  EXPECT_EQ(Log().find("aborted"), std::string::npos);
}

TEST_F(GuardedCallTest, InstallationsNestAndTheInnermostShows) {
  {
    std::vector<std::string> inner;
    FailureShowerInstallation installed([&](const std::string& text) { inner.push_back(text); });
    ShowFailure("to the inner one");
    EXPECT_EQ(inner, std::vector<std::string>{"to the inner one"});
  }
  ShowFailure("to the outer one");
  EXPECT_EQ(shown, std::vector<std::string>{"to the outer one"});
}

TEST(ErrorLog, AppendsEachNewEntryAsOneLineToAFileItCreates) {
  const fs::path dir =
      fs::temp_directory_path() / ("quillon-log-" + std::to_string(::getpid())) / "deep";
  testing::EnvironmentScope env;
  env.Set("QUILLON_LOG_FILE", (dir / "q.log").c_str());
  LogLine("first\nof two lines");
  LogLine("first\nof two lines");
  LogLine("second");
  ShowFailure("shown to nobody");  // no shower is installed: only the log has it
  std::ifstream in(dir / "q.log");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line.substr(line.find(' ', 11) + 1));
  EXPECT_EQ(lines, (std::vector<std::string>{"first of two lines", "second", "shown to nobody"}));
  fs::remove_all(dir.parent_path());

  env.Set("QUILLON_LOG_FILE", nullptr);
  env.Set("XDG_STATE_HOME", "/state");
  EXPECT_EQ(LogFileFromEnvironment(), "/state/quillon/quillon.log");
}

}  // namespace
}  // namespace qs
