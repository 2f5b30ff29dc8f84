#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "editor/colorstyles.h"
#include "editor/defaultstyles.h"
#include "editor/textstyles.h"
#include "fakecontrol.h"
#include "support/errors.h"
#include "support/fontcharsets.h"

namespace qs {
namespace {

using testing::FakeControl;

// Three styles that show the writing rules: a background that follows the
// control is not written, a font that follows the control is not written,
// and UpperCase appears only when set.
constexpr std::string_view kGolden =
    "object TPersHolder\r\n"
    "  P = <\r\n"
    "    item\r\n"
    "      Name = 'Comment'\r\n"
    "      Font.Charset = DEFAULT_CHARSET\r\n"
    "      Font.Color = clGray\r\n"
    "      Font.Height = -13\r\n"
    "      Font.Name = 'Courier New'\r\n"
    "      Font.Style = [fsItalic]\r\n"
    "      UpdateMemoColors = mcNone\r\n"
    "      UseMemoColor = True\r\n"
    "      UseMemoFont = False\r\n"
    "    end\r\n"
    "    item\r\n"
    "      Name = 'Marked Block'\r\n"
    "      Color = clNavy\r\n"
    "      Font.Charset = DEFAULT_CHARSET\r\n"
    "      Font.Color = clWindow\r\n"
    "      Font.Height = -13\r\n"
    "      Font.Name = 'Courier New'\r\n"
    "      Font.Style = []\r\n"
    "      UpdateMemoColors = mcSelection\r\n"
    "      UseMemoColor = False\r\n"
    "      UseMemoFont = False\r\n"
    "      UpperCase = True\r\n"
    "    end\r\n"
    "    item\r\n"
    "      Name = 'Plain'\r\n"
    "      UpdateMemoColors = mcNone\r\n"
    "      UseMemoColor = True\r\n"
    "      UseMemoFont = True\r\n"
    "    end>\r\n"
    "end\r\n";

void MakeGoldenList(TTextStyles& styles) {
  styles.Clear();
  TTextStyle& comment = styles.Add();
  comment.SetName(U"Comment");
  comment.Font().SetColor(clGray);
  comment.Font().SetStyle(SetBit(fsItalic));
  comment.SetUseMemoColor(true);
  TTextStyle& marked = styles.Add();
  marked.SetName(U"Marked Block");
  marked.SetColor(clNavy);
  marked.Font().SetColor(clWindow);
  marked.SetUpdateMemoColors(mcSelection);
  marked.SetUpperCase(true);
  styles.Add().SetName(U"Plain");
}

void ExpectSameStyles(const TTextStyles& a, const TTextStyles& b) {
  ASSERT_EQ(a.Count(), b.Count());
  for (int i = 0; i < a.Count(); ++i) {
    const TTextStyle& x = a.Items(i);
    const TTextStyle& y = b.Items(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(x.Name(), y.Name());
    EXPECT_EQ(x.Color(), y.Color());
    EXPECT_EQ(x.Font().Color(), y.Font().Color());
    EXPECT_EQ(x.Font().Style(), y.Font().Style());
    EXPECT_EQ(x.Font().Charset(), y.Font().Charset());
    EXPECT_EQ(x.Font().Height(), y.Font().Height());
    EXPECT_EQ(x.UpdateMemoColors(), y.UpdateMemoColors());
    EXPECT_EQ(x.UseMemoColor(), y.UseMemoColor());
    EXPECT_EQ(x.UseMemoFont(), y.UseMemoFont());
    EXPECT_EQ(x.UpperCase(), y.UpperCase());
  }
}

class ColorStylesFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("quillon-rgb-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string PathOf(const char* name) const { return (dir / name).string(); }
  void WriteFile(const std::string& path, std::string_view text) const {
    std::ofstream(path, std::ios::binary) << text;
  }

  std::filesystem::path dir;
};

TEST(ColorStylesText, IsTheGoldenTextAndReadsBackAsTheSameList) {
  TTextStyles styles;
  MakeGoldenList(styles);
  EXPECT_EQ(ColorStylesText(styles), kGolden);

  // Three styles are too few to be a whole list: the rest come from the defaults.
  TTextStyles read;
  ReadColorStylesText(read, kGolden);
  ASSERT_EQ(read.Count(), kDefaultStyleCount);
  while (read.Count() > 3) read.Delete(read.Count() - 1);
  ExpectSameStyles(read, styles);
}

TEST(ColorStylesText, ReadsNumbersAndNamesOfCharsetsAndColours) {
  const std::string text =
      "object TPersHolder\n P = <\n  item\n   Name = 'Russian'\n   Color = 255\n"
      "   Font.Charset = 204\n   Font.Color = clwindowtext\n  end\n  item\n   Name = 'Oem'\n"
      "   Font.Charset = OEM_CHARSET\n  end\n  item\n   Name = 'Unknown'\n"
      "   Font.Charset = NO_SUCH_CHARSET\n   Font.Color = clRed\n  end>\nend\n";
  TTextStyles styles;
  ReadColorStylesText(styles, text);
  EXPECT_EQ(styles.Items(0).Font().Charset(), RUSSIAN_CHARSET);
  EXPECT_EQ(styles.Items(0).Color(), clRed);
  EXPECT_EQ(styles.Items(0).Font().Color(), clWindowText);
  EXPECT_EQ(styles.Items(1).Font().Charset(), OEM_CHARSET);
  // An unknown name skips only that line.
  EXPECT_EQ(styles.Items(2).Font().Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(styles.Items(2).Font().Color(), clRed);
  EXPECT_NE(ColorStylesText(styles).find("Font.Charset = RUSSIAN_CHARSET"), std::string::npos);
}

TEST_F(ColorStylesFile, SaveForcesTheExtensionAndLoadRestoresTheList) {
  FakeControl control;
  control.Style(2).Font().SetStyle(SetBit(fsBold) | SetBit(fsUnderline));
  control.Style(kMarkedBlockStyle).SetColor(clTeal);
  control.Style(5).SetUpperCase(true);
  control.TextStyles().Add().SetName(U"Twenty-fifth");

  const std::string written = SaveColorStyles(control.TextStyles(), PathOf("scheme.txt"));
  EXPECT_EQ(written, PathOf("scheme.RGB"));
  EXPECT_TRUE(std::filesystem::exists(written));
  EXPECT_EQ(SaveColorStyles(control.TextStyles(), PathOf("noext")), PathOf("noext.RGB"));

  FakeControl other;
  LoadColorStyles(other.TextStyles(), written);
  ExpectSameStyles(other.TextStyles(), control.TextStyles());
  EXPECT_EQ(other.selBackColor, clTeal);
}

TEST_F(ColorStylesFile, AFailedLoadLeavesTheListAsItWas) {
  const std::string broken = PathOf("broken.RGB");
  const std::string notAList = PathOf("object.RGB");
  WriteFile(broken, std::string(kGolden.substr(0, kGolden.size() / 2)));
  WriteFile(notAList, "object TPersHolder\r\n  P.Name = 'x'\r\nend\r\n");

  TTextStyles styles;
  styles.Items(0).SetName(U"Kept");
  EXPECT_THROW(LoadColorStyles(styles, broken), ParseError);
  EXPECT_THROW(LoadColorStyles(styles, notAList), ParseError);
  EXPECT_THROW(LoadColorStyles(styles, PathOf("missing.RGB")), Error);

  const std::string huge = PathOf("huge.RGB");
  std::filesystem::resize_file((WriteFile(huge, "x"), huge), kMaxColorStylesFileSize + 1);
  EXPECT_THROW(LoadColorStyles(styles, huge), Error);
  // A pipe would block the load for ever, a device would never end.
  const std::string fifo = PathOf("pipe.RGB");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_THROW(LoadColorStyles(styles, fifo), Error);
  EXPECT_THROW(LoadColorStyles(styles, "/dev/zero"), Error);

  EXPECT_EQ(styles.Count(), kDefaultStyleCount);
  EXPECT_EQ(styles.Items(0).Name(), U"Kept");
}

}  // namespace
}  // namespace qs
