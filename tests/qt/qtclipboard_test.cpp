#include "qt/qtclipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

namespace qs::qt {
namespace {

TEST(QtClipboard, TextAndRtfRoundTripThroughTheDesktopClipboard) {
  QtClipboard clipboard;
  const std::string rtf("{\\rtf1\\ansi {\\b bold}}\0", 23);
  clipboard.SetTextAndRtf(U"bold \U0001F600", rtf);
  EXPECT_TRUE(clipboard.HasText());
  EXPECT_EQ(clipboard.GetText(), U"bold \U0001F600");
  EXPECT_TRUE(clipboard.HasRtf());
  EXPECT_EQ(clipboard.GetRtf(), rtf);  // bytes intact, trailing zero included
  EXPECT_TRUE(clipboard.IsOwner());
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("text/rtf").size(), 23);

  clipboard.SetText(U"plain");
  EXPECT_FALSE(clipboard.HasRtf());
  EXPECT_EQ(clipboard.GetText(), U"plain");
}

TEST(QtClipboard, ContentPlacedByAnotherProgramIsNotOurs) {
  QtClipboard clipboard;
  clipboard.SetText(U"ours");
  auto* foreign = new QMimeData;
  foreign->setData("application/rtf", QByteArray("{\\rtf1 x}"));
  QGuiApplication::clipboard()->setMimeData(foreign);
  EXPECT_FALSE(clipboard.IsOwner());
  EXPECT_FALSE(clipboard.HasText());
  EXPECT_TRUE(clipboard.HasRtf());  // the other common name for rich text
  EXPECT_EQ(clipboard.GetRtf(), "{\\rtf1 x}");
}

}  // namespace
}  // namespace qs::qt
