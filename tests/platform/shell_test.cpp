#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/headlessshell.h"
#include "platform/localshell.h"
#include "platform/process.h"
#include "support/errors.h"

namespace qs {
namespace {

const std::string kAwkward = "/tmp/My \"quoted\" file; $(rm -rf x) & 'more'.html";

TEST(Shell, TargetsTravelAsOneUninterpretedArgument) {
  HeadlessShell shell;
  shell.OpenDocument(kAwkward);
  shell.OpenUrl("http://localhost/a b?c=1&d=2");
  shell.OpenMail("someone@example.org");
  shell.OpenMail("MAILTO:boss@example.org");
  ASSERT_EQ(shell.Calls().size(), 4u);
  EXPECT_EQ(shell.Calls()[0].argv, (std::vector<std::string>{"xdg-open", kAwkward}));
  EXPECT_EQ(shell.Calls()[1].argv[1], "http://localhost/a b?c=1&d=2");
  EXPECT_EQ(shell.Calls()[2].argv[1], "mailto:someone@example.org");
  EXPECT_EQ(shell.Calls()[3].argv[1], "MAILTO:boss@example.org");
  EXPECT_EQ(shell.Calls()[2].kind, ShellTarget::Mail);
}

TEST(Shell, RefusesTargetsThatCannotBePassedSafely) {
  HeadlessShell shell;
  EXPECT_THROW(shell.OpenDocument(""), Error);
  EXPECT_THROW(shell.OpenDocument(std::string("a\0b", 3)), Error);  // would be cut at the NUL
  EXPECT_THROW(shell.OpenUrl("--help"), Error);                     // would read as an option
  shell.OpenDocument("-rf");
  EXPECT_EQ(shell.Calls().back().argv[1], "./-rf");
  EXPECT_EQ(shell.Calls().size(), 1u);
}

// A token marked as a URL reaches the desktop's opener only as a web, mail or
// file address; a bare "www." address is a web one.
TEST(Shell, OnlyWebMailAndFileAddressesAreOpened) {
  const struct {
    const char* url;
    const char* passed;  // nullptr: refused
  } cases[] = {
      {"http://example.org/a#b", "http://example.org/a#b"},
      {"HTTPS://example.org", "HTTPS://example.org"},
      {"ftp://example.org/f", "ftp://example.org/f"},
      {"mailto:a@example.org", "mailto:a@example.org"},
      {"file:///tmp/page.html", "file:///tmp/page.html"},
      {"www.example.org/x", "http://www.example.org/x"},
      {"javascript:alert(1)", nullptr},
      {"smb://server/share", nullptr},
      {"firefox", nullptr},
      {"/usr/bin/xterm", nullptr},
      {"http://", nullptr},
      {"--help", nullptr},
  };
  for (const auto& c : cases) {
    HeadlessShell shell;
    if (c.passed == nullptr) {
      EXPECT_THROW(shell.OpenUrl(c.url), Error) << c.url;
      EXPECT_TRUE(shell.Calls().empty()) << c.url;
    } else {
      shell.OpenUrl(c.url);
      ASSERT_EQ(shell.Calls().size(), 1u) << c.url;
      EXPECT_EQ(shell.Calls()[0].argv[1], c.passed);
    }
  }
}

class RealShell : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("qs_shell_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    out_ = (dir_ / "args.txt").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  // Waits (bounded) for the launched program to have written its file.
  std::string AwaitOutput() const {
    for (int i = 0; i < 500; ++i) {
      std::ifstream in(out_ + ".done");
      if (in) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::ifstream in(out_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::filesystem::path dir_;
  std::string out_;
};

TEST_F(RealShell, TheLauncherReceivesTheTargetAsOneArgument) {
  // A harmless launcher in place of the desktop's: it writes its argument
  // count and arguments, one per line.
  const std::string script = "printf '%s\\n' \"$#\" \"$@\" > \"$0\"; : > \"$0.done\"";
  LocalShell shell({"/bin/sh", "-c", script, out_});
  shell.OpenDocument(kAwkward);
  EXPECT_EQ(AwaitOutput(), "1\n" + kAwkward + "\n");
}

TEST_F(RealShell, AMissingLauncherIsAnError) {
  LocalShell shell({"/nonexistent/launcher"});
  EXPECT_THROW(shell.OpenUrl("http://localhost/"), Error);
}

TEST(Process, ReportsTheExitStatusOfWhatItStarted) {
  EXPECT_EQ(WaitProcess(SpawnProcess({"/bin/sh", "-c", "exit 3"})), 3);
  EXPECT_EQ(WaitProcess(SpawnProcess({"/bin/sh", "-c", "kill -9 $$"})), 128 + 9);
  EXPECT_THROW((void)SpawnProcess({}), Error);
}

}  // namespace
}  // namespace qs
