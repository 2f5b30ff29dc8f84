#include "app/browserdlg.h"

#include <gtest/gtest.h>

#include "platform/headlessbrowser.h"
#include "support/utf8.h"

namespace qs {
namespace {

class BrowserDlgTest : public ::testing::Test {
 protected:
  void Go(const std::string& url) {
    dlg.SetAddressText(FromUtf8(url));
    ASSERT_TRUE(dlg.Action("GoBtn").Execute());
  }
  bool Enabled(const char* button) { return dlg.Action(button).Enabled(); }

  HeadlessWebBrowser browser;
  TBrowserDlg dlg{browser};
  std::vector<String> statuses;
};

TEST_F(BrowserDlgTest, BackThenALinkKeepsTheEarlierPagesAndDropsTheOnesAhead) {
  EXPECT_FALSE(Enabled("BackBtn"));
  EXPECT_FALSE(Enabled("ForwardBtn"));
  Go("http://a/");
  Go("http://b/");
  Go("http://c/");
  EXPECT_TRUE(Enabled("BackBtn"));
  EXPECT_FALSE(Enabled("ForwardBtn"));

  ASSERT_TRUE(dlg.Action("BackBtn").Execute());
  EXPECT_EQ(dlg.HistoryIndex(), 1);
  EXPECT_EQ(dlg.AddressText(), U"http://b/");
  EXPECT_TRUE(Enabled("ForwardBtn"));
  // Back is an address navigation: the cache is bypassed.
  EXPECT_EQ(browser.Calls().back(), (BrowserCall{BrowserOp::Navigate, "http://b/", true}));

  browser.SimulateLinkClick("http://d/");
  EXPECT_EQ(dlg.History(), (std::vector<std::string>{"http://a/", "http://b/", "http://d/"}));
  EXPECT_EQ(dlg.HistoryIndex(), 2);
  EXPECT_FALSE(Enabled("ForwardBtn"));

  // A page already in the history moves the index there instead of adding it.
  browser.SimulateLinkClick("http://a/");
  EXPECT_EQ(dlg.History().size(), 3u);
  EXPECT_EQ(dlg.HistoryIndex(), 0);
  EXPECT_FALSE(Enabled("BackBtn"));
  EXPECT_TRUE(Enabled("ForwardBtn"));
}

TEST_F(BrowserDlgTest, FramesLoadButAreNoStepsOfTheHistory) {
  Go("http://site/frameset.html");
  EXPECT_FALSE(browser.SimulateFrameNavigation("http://site/left.html"));
  EXPECT_FALSE(browser.SimulateFrameNavigation("http://ads/iframe.html"));
  EXPECT_EQ(dlg.History(), std::vector<std::string>{"http://site/frameset.html"});
  EXPECT_EQ(dlg.AddressText(), U"http://site/frameset.html");
}

TEST_F(BrowserDlgTest, TheAddressListPutsTheLastTypedAddressOnTopOnce) {
  dlg.OnStatusText = [this](const String& text) { statuses.push_back(text); };
  Go("http://a/");
  Go("http://b/");
  Go("http://a/");
  EXPECT_EQ(dlg.AddressItems(), (std::vector<String>{U"http://a/", U"http://b/"}));
  // A page reached by a link is not typed: the list stays.
  browser.SimulateLinkClick("http://c/");
  EXPECT_EQ(dlg.AddressItems().size(), 2u);
  EXPECT_EQ(statuses.back(), U"http://c/");

  dlg.ChooseAddress(1);
  EXPECT_EQ(browser.CurrentUrl(), "http://b/");
  EXPECT_EQ(dlg.AddressItems().front(), U"http://b/");
}

TEST_F(BrowserDlgTest, AltArrowsPressBackAndForwardOnlyWhenTheyAreEnabled) {
  EXPECT_FALSE(dlg.KeyDown(vk::Left, ssAlt));
  Go("http://a/");
  Go("http://b/");
  EXPECT_FALSE(dlg.KeyDown(vk::Left, 0));
  EXPECT_FALSE(dlg.KeyDown(vk::Left, ssAlt | ssCtrl));
  EXPECT_TRUE(dlg.KeyDown(vk::Left, ssAlt));
  EXPECT_EQ(browser.CurrentUrl(), "http://a/");
  EXPECT_FALSE(dlg.KeyDown(vk::Left, ssAlt));
  EXPECT_TRUE(dlg.KeyDown(vk::Right, ssAlt));
  EXPECT_EQ(browser.CurrentUrl(), "http://b/");
}

TEST_F(BrowserDlgTest, ThePreviewRefreshesOnlyTheSameCopyAndHomeGoesBackToIt) {
  dlg.ShowPreviewPage("/p/qwil_tempfile.html", "file:///p/qwil_tempfile.html", false);
  dlg.ShowPreviewPage("/p/qwil_tempfile.html", "file:///p/qwil_tempfile.html", true);
  dlg.ShowPreviewPage("/q/qwil_tempfile.html", "file:///q/qwil_tempfile.html", true);
  EXPECT_EQ(browser.Calls(), (std::vector<BrowserCall>{
                                 {BrowserOp::Navigate, "file:///p/qwil_tempfile.html", true},
                                 {BrowserOp::Refresh, "", false},
                                 {BrowserOp::Navigate, "file:///q/qwil_tempfile.html", true}}));
  Go("http://elsewhere/");
  ASSERT_TRUE(dlg.Action("HomeBtn").Execute());
  EXPECT_EQ(browser.CurrentUrl(), "file:///q/qwil_tempfile.html");
  ASSERT_TRUE(dlg.Action("StopBtn").Execute());
  EXPECT_EQ(browser.Calls().back().op, BrowserOp::Stop);
}

TEST_F(BrowserDlgTest, TheSizeMenuFixesThePageAreaUntilFitToWindow) {
  EXPECT_FALSE(dlg.PageSize().has_value());
  std::vector<String> captions;
  for (const TMenuItem& item : dlg.SizeMenu().items) captions.push_back(item.Caption());
  EXPECT_EQ(captions, (std::vector<String>{U"320*240", U"640*480", U"800*600", U"1024*768",
                                           U"1280*1024", U"", U"Fit to Window"}));
  dlg.SizeMenu().items[2].Click();
  EXPECT_EQ(dlg.PageSize(), (TPageSize{800, 600}));
  dlg.SizeMenu().items.back().Click();
  EXPECT_FALSE(dlg.PageSize().has_value());
}

}  // namespace
}  // namespace qs
