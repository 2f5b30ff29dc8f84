#include <gtest/gtest.h>

#include <string>

#include "platform/bitmapresources.h"
#include "platform/headlessplatform.h"

namespace qs {
namespace {

TEST(ReadXpm, ReadsSizePaletteAndSeeThroughPixels) {
  const auto bitmap = ReadXpm(
      "/* XPM */\nstatic const char *x[] = {\n\"3 2 3 1\",\n\". c None\",\n\"r c #FF0000\",\n"
      "\"b c #00f\",\n\"r.b\",\n\"bbr\"};\n");
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, 3);
  EXPECT_EQ(bitmap->height, 2);
  EXPECT_EQ(bitmap->At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(bitmap->At(1, 0) >> 24, 0u);
  EXPECT_EQ(bitmap->At(2, 0), 0xFF0000FFu);
  EXPECT_EQ(bitmap->At(2, 1), 0xFFFF0000u);
}

TEST(ReadXpm, TwoCharactersPerPixel) {
  const auto bitmap = ReadXpm("\"2 1 2 2\" \"aa c black\" \"ab c white\" \"abaa\"");
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->At(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(bitmap->At(1, 0), 0xFF000000u);
}

TEST(ReadXpm, RefusesDamagedOrHostileText) {
  const struct {
    const char* what;
    const char* text;
  } cases[] = {
      {"nothing quoted", "static char *x[] = {};"},
      {"short header", "\"2 2 1\" \". c None\" \"..\" \"..\""},
      {"zero width", "\"0 2 1 1\" \". c None\" \"\" \"\""},
      {"negative height", "\"2 -2 1 1\" \". c None\""},
      {"beyond the largest side", "\"5000 1 1 1\" \". c None\" \".\""},
      {"rows missing", "\"2 3 1 1\" \". c None\" \"..\" \"..\""},
      {"row too short", "\"3 1 1 1\" \". c None\" \"..\""},
      {"pixel not in palette", "\"2 1 1 1\" \". c None\" \".x\""},
      {"unknown colour", "\"1 1 1 1\" \". c papayawhip\" \".\""},
      {"colour without c key", "\"1 1 1 1\" \". m #000000\" \".\""},
      {"bad hex", "\"1 1 1 1\" \". c #12345G\" \".\""},
      {"too many chars per pixel", "\"1 1 1 9\" \".........c None\" \".........\""},
      {"unterminated string", "\"1 1 1 1\" \". c None\" \"."},
  };
  for (const auto& c : cases) EXPECT_FALSE(ReadXpm(c.text)) << c.what;
}

TEST(BitmapResources, TheShippedPicturesAllLoadWithTheirSizes) {
  const FolderBitmapResources resources(std::string(QUILLON_SOURCE_DIR) + "/resources");
  const auto breakPoint = resources.Load("MEMO_BREAKPOINT");
  ASSERT_TRUE(breakPoint);
  EXPECT_EQ(breakPoint->width, 9);
  EXPECT_EQ(breakPoint->height, 9);
  EXPECT_EQ(breakPoint->At(0, 0) >> 24, 0u) << "the disc's corners are see-through";
  EXPECT_EQ(ColorFromArgb(breakPoint->At(4, 4)), clRed);
  for (int digit = 0; digit <= 9; ++digit) {
    const auto tile = resources.Load("BIGBOOKMARK" + std::to_string(digit));
    ASSERT_TRUE(tile) << digit;
    EXPECT_EQ(tile->width, 15);
    EXPECT_EQ(tile->height, 15);
  }
  // Tiles differ by their digits.
  EXPECT_NE(*resources.Load("BIGBOOKMARK1"), *resources.Load("BIGBOOKMARK7"));
}

TEST(BitmapResources, NamesCannotLeaveTheFolder) {
  const FolderBitmapResources resources(std::string(QUILLON_SOURCE_DIR) + "/resources");
  EXPECT_FALSE(resources.Load("../resources/MEMO_BREAKPOINT"));
  EXPECT_FALSE(resources.Load("/etc/passwd"));
  EXPECT_FALSE(resources.Load(""));
  EXPECT_FALSE(resources.Load("NO_SUCH_PICTURE"));
  EXPECT_FALSE(FolderBitmapResources("").Load("MEMO_BREAKPOINT"));
}

TEST(BitmapResources, PicturesAreReadThroughTheInstalledFileSystem) {
  HeadlessPlatform platform;
  PlatformInstallation installed{platform};
  platform.files.CreateDirectories("/res");
  platform.files.WriteFileAtomic("/res/DOT.xpm", "\"1 1 1 1\" \"a c white\" \"a\"");
  const FolderBitmapResources resources("/res");
  const auto dot = resources.Load("DOT");
  ASSERT_TRUE(dot);
  EXPECT_EQ(dot->At(0, 0), 0xFFFFFFFFu);
  platform.files.FailNext(FileFault::Read);
  EXPECT_FALSE(resources.Load("DOT"));  // unreadable: not drawn, no error
}

TEST(BitmapResources, TheDefaultReaderFindsTheShippedFolder) {
  // The test runs from the build tree, below the source tree's resources.
  EXPECT_TRUE(BitmapResources().Load("BIGBOOKMARK0"));
}

}  // namespace
}  // namespace qs
