#include "platform/headlessbrowser.h"

#include <gtest/gtest.h>

#include "platform/headlesshelpviewer.h"

namespace qs {
namespace {

TEST(HeadlessWebBrowser, KeepsAHistoryAndRaisesItsEvents) {
  HeadlessWebBrowser browser;
  std::vector<std::string> before, complete;
  browser.OnBeforeNavigate = [&](const std::string& url, bool topLevel, bool& cancel) {
    before.push_back((topLevel ? "" : "frame:") + url);
    cancel = !topLevel || url == "http://blocked/";
  };
  browser.OnNavigateComplete = [&](const std::string& url) { complete.push_back(url); };

  browser.Navigate("file:///a.html", true);
  browser.SimulateLinkClick("file:///b.html");
  browser.Navigate("http://blocked/");
  EXPECT_EQ(browser.CurrentUrl(), "file:///b.html");
  EXPECT_TRUE(browser.SimulateFrameNavigation("http://ads/"));  // cancelled
  browser.GoBack();
  EXPECT_EQ(browser.CurrentUrl(), "file:///a.html");
  EXPECT_TRUE(browser.CanGoForward());
  // A new page after going back drops the pages ahead.
  browser.SimulateLinkClick("file:///c.html");
  EXPECT_EQ(browser.History(), (std::vector<std::string>{"file:///a.html", "file:///c.html"}));
  EXPECT_FALSE(browser.CanGoForward());
  EXPECT_TRUE(browser.CanGoBack());

  EXPECT_EQ(before,
            (std::vector<std::string>{"file:///a.html", "file:///b.html", "http://blocked/",
                                      "frame:http://ads/", "file:///a.html", "file:///c.html"}));
  EXPECT_EQ(complete, (std::vector<std::string>{"file:///a.html", "file:///b.html",
                                                "file:///a.html", "file:///c.html"}));
  ASSERT_EQ(browser.Calls().size(), 3u);  // the program's commands only
  EXPECT_TRUE(browser.Calls()[0].bypassCache);
  EXPECT_EQ(browser.Calls()[2].op, BrowserOp::Back);
}

TEST(HeadlessHelpViewer, OpensWindowsUntilClosedAndDoesNothingWhenUnavailable) {
  HeadlessHelpViewer help;
  const int first = help.ShowTopic("/opt/help/readme.chm", "regular_expressions.htm");
  const int second = help.ShowTopic("/opt/help/cssref.chm", "");
  EXPECT_NE(first, 0);
  EXPECT_NE(first, second);
  EXPECT_TRUE(help.IsWindowOpen(first));
  help.CloseAll();
  EXPECT_FALSE(help.IsWindowOpen(second));
  help.SetAvailable(false);
  EXPECT_EQ(help.ShowTopic("/opt/help/readme.chm", ""), 0);
  EXPECT_EQ(help.Requests().size(), 2u);
  EXPECT_EQ(help.Requests()[0].topic, "regular_expressions.htm");
}

}  // namespace
}  // namespace qs
