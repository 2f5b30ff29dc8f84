#include "editor/memomouseurl.h"
#include "editor/memomousegutter.h"
#include "mousefixture.h"

namespace qs::testing {
namespace {

TEST(UrlRule, MailAddressesAreToldFromWebAddresses) {
  struct Case {
    const char32_t* run;
    const char32_t* url;
    bool mail;
  } cases[] = {
      {U"user@example.com", U"mailto:user@example.com", true},
      {U"MAILTO:Someone@Host", U"MAILTO:Someone@Host", true},  // no "." needed
      {U"mailto:x", U"mailto:x", true},
      {U"user@localhost", U"user@localhost", false},    // no "." after "@"
      {U"first.last@host", U"first.last@host", false},  // the "." is before it
      {U"a@b@c.org", U"a@b@c.org", false},              // two of them
      {U"user@", U"user@", false},                      // "@" last
      {U"user@-x.org", U"user@-x.org", false},          // not a word character
      {U"user@_x.org", U"mailto:user@_x.org", true},
      {U"http://user@host.org", U"http://user@host.org", false},  // a web address
      {U"www.example.org", U"www.example.org", false},
  };
  for (const Case& c : cases) {
    const TUrlTarget t = ClassifyUrl(c.run);
    EXPECT_EQ(t.url, c.url) << ToUtf8(c.run);
    EXPECT_EQ(t.mail, c.mail) << ToUtf8(c.run);
  }
}

TEST(UrlRule, TheRunAroundAColumnIsTheStretchOfUrlStyledCells) {
  const String text = U"ab cd ef";
  const std::string bytes{0, 0, 0, 17, 17, 0, 17, 17};
  EXPECT_EQ(UrlRunAt(text, bytes, 4), std::optional<String>(U"cd"));
  EXPECT_EQ(UrlRunAt(text, bytes, 3), std::optional<String>(U"cd"));
  EXPECT_EQ(UrlRunAt(text, bytes, 7), std::optional<String>(U"ef"));
  EXPECT_EQ(UrlRunAt(text, bytes, 2), std::nullopt);
  EXPECT_EQ(UrlRunAt(text, bytes, -1), std::nullopt);
  EXPECT_EQ(UrlRunAt(text, bytes, 8), std::nullopt);
  EXPECT_EQ(UrlRunAt(text, std::string(3, 17), 5), std::nullopt);  // bytes shorter than text
}

class UrlClickTest : public MouseTest {
 protected:
  UrlClickTest() {
    Src().SetSyntaxParser(&parser);
    Src().SetHighlightUrls(true);
    memo.OnJumpToUrl = [this](TCustomQSMemo&, const String& url, bool& handled) {
      jumps.push_back(url);
      handled = handle;
    };
  }
  BracketUrlParser parser;
  std::vector<String> jumps;
  bool handle = false;
};

TEST_F(UrlClickTest, AClickOnAUrlIsOfferedToTheHandlerAndThenToTheShell) {
  SetText(U"see [www.example.org] or [me@host.net]");
  Click(At(7, 0));
  Click(At(28, 0));
  EXPECT_EQ(jumps, (std::vector<String>{U"www.example.org", U"mailto:me@host.net"}));
  ASSERT_EQ(platform.shell.Calls().size(), 2u);
  EXPECT_EQ(platform.shell.Calls()[0].kind, ShellTarget::Url);
  EXPECT_EQ(platform.shell.Calls()[0].target, "www.example.org");
  EXPECT_EQ(platform.shell.Calls()[1].kind, ShellTarget::Mail);
  EXPECT_EQ(platform.shell.Calls()[1].target, "mailto:me@host.net");

  handle = true;
  Click(At(7, 0));
  EXPECT_EQ(jumps.size(), 3u);
  EXPECT_EQ(platform.shell.Calls().size(), 2u);
}

TEST_F(UrlClickTest, OnlyAPlainClickWithUrlsHighlightedJumps) {
  SetText(U"see [www.example.org] now");
  Click(At(1, 0));            // not on the URL
  Drag(At(6, 0), At(10, 0));  // a selection made on it
  Press(At(1, 0));            // pressed elsewhere, released on it
  Release(At(7, 0));
  Src().SetHighlightUrls(false);
  Click(At(7, 0));
  EXPECT_TRUE(jumps.empty());
  EXPECT_TRUE(platform.shell.Calls().empty());
}

// ---- Gutter clicks -----------------------------------------------------------

TEST(GutterImageLayout, ImagesArePackedFromEitherSideAndScaledToTheRow) {
  TGutterImageLayout layout{{{9, 9}, {15, 15}, {15, 15}}, 16, 40, false};
  const std::uint32_t bits = 0b101;  // images 0 and 2
  struct Case {
    bool right;
    int x;
    int image;
  } cases[] = {
      {false, 0, -1}, {false, 1, 0},  {false, 9, 0},   {false, 10, -1},  // gap after image 0
      {false, 11, 2}, {false, 25, 2}, {false, 26, -1}, {true, 35, -1},  {true, 34, 0},
      {true, 26, 0},  {true, 25, -1}, {true, 24, 2},   {true, 10, 2},   {true, 9, -1},
  };
  for (const Case& c : cases) {
    layout.alignRight = c.right;
    EXPECT_EQ(GutterImageAt(layout, bits, c.x), c.image) << c.right << " x=" << c.x;
  }
  // A glyph taller than the row shrinks, keeping its proportions.
  layout = {{{30, 20}}, 11, 40, false};
  EXPECT_EQ(GutterImageAt(layout, 1, 15), 0);
  EXPECT_EQ(GutterImageAt(layout, 1, 16), -1);
}

TEST_F(MouseTest, AGutterClickReportsTheLineTheImageAndTheButton) {
  SetText(U"one\ntwo\nthree");
  memo.SetOptions(memo.Options() | SetBit(moDrawGutter));
  memo.SetGutterImageSizes({{9, 9}, {9, 9}});
  Src().SetGutterImage(1, 1, true);
  struct Click {
    std::int32_t line;
    int image;
    TShiftState shift;
  };
  std::vector<Click> clicks;
  memo.OnClickGutter = [&](TCustomQSMemo&, std::int32_t line, int image, TShiftState shift) {
    clicks.push_back({line, image, shift});
  };
  this->Click({3, kRow + 4});
  this->Click({3, 4}, ssShift, mbRight);
  this->Click({3, kRow + 4}, 0, mbMiddle);
  // Pressed in the text, released over the gutter: no gutter click.
  Press(At(1, 0));
  Release({3, 4});
  ASSERT_EQ(clicks.size(), 3u);
  EXPECT_EQ(clicks[0].line, 1);
  EXPECT_EQ(clicks[0].image, 1);
  EXPECT_EQ(clicks[0].shift, ssLeft);
  EXPECT_EQ(clicks[1].line, 0);
  EXPECT_EQ(clicks[1].image, -1);
  EXPECT_EQ(clicks[1].shift, ssShift | ssRight);
  EXPECT_EQ(clicks[2].shift, ssMiddle);
}

}  // namespace
}  // namespace qs::testing
