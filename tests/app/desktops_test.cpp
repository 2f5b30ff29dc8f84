#include "app/desktops.h"

#include <gtest/gtest.h>

#include "fakelayouthost.h"

#include "support/errors.h"
#include "support/registry.h"
#include "support/utf8.h"

namespace qs {
namespace {

const std::string kLayoutKey = std::string(kApplicationKey) + "\\Layout";

TEST(LayoutRecord, ReadsBackWhatItWritesAndRefusesDamagedRecordsWithTheSameBound) {
  const LayoutBytes arrangement{'L', 1, 2, 3, 0, 255};
  const LayoutBytes record = EncodeLayoutRecord(arrangement);
  EXPECT_EQ(DecodeLayoutRecord(record), arrangement);
  EXPECT_EQ(DecodeLayoutRecord(EncodeLayoutRecord({})), LayoutBytes{});

  LayoutBytes flipped = record;
  flipped.back() ^= 0x10;
  const LayoutBytes cut(record.begin(), record.end() - 1);
  LayoutBytes longer = record;
  longer.push_back(0);
  LayoutBytes otherVersion = record;
  otherVersion[4] = 2;
  for (const LayoutBytes& damaged : {flipped, cut, longer, otherVersion, LayoutBytes{'Q', 'L'}})
    EXPECT_FALSE(DecodeLayoutRecord(damaged).has_value());

  const LayoutBytes largest(kMaxLayoutBytes, 'L');
  EXPECT_EQ(DecodeLayoutRecord(EncodeLayoutRecord(largest)), largest);
  const LayoutBytes tooLarge(kMaxLayoutBytes + 1, 'L');
  EXPECT_THROW(EncodeLayoutRecord(tooLarge), Error);
}

class DesktopsTest : public ::testing::Test {
 protected:
  DesktopsTest() { desktops.SetHost(&host); }

  SettingsStore store;
  FakeLayoutHost host;
  TDesktops desktops{store};
};

TEST_F(DesktopsTest, SaveLayoutThenLoadLayoutRestoresTheArrangement) {
  EXPECT_EQ(desktops.LoadLayout(), TLayoutLoad::Missing);
  EXPECT_EQ(host.applied, 0);
  desktops.SaveLayout();
  host.current = {'L', 'm', 'o', 'v', 'e', 'd'};
  EXPECT_EQ(desktops.LoadLayout(), TLayoutLoad::Loaded);
  EXPECT_EQ(host.current, (LayoutBytes{'L', 's', 't', 'a', 'r', 't'}));
}

TEST_F(DesktopsTest, ADamagedOrUnreadableLayoutFallsBackToTheDefault) {
  desktops.SaveLayout();
  RegValue stored = *store.ReadValue(RootKey::CurrentUser, kLayoutKey, "State");
  stored.bytes[stored.bytes.size() / 2] ^= 0xFF;
  store.WriteValue(RootKey::CurrentUser, kLayoutKey, "State", stored);
  EXPECT_EQ(desktops.LoadLayout(), TLayoutLoad::FellBack);
  EXPECT_EQ(host.current, host.DefaultLayout());

  // A sound record the toolkit cannot read, and a value of the wrong kind.
  store.WriteValue(RootKey::CurrentUser, kLayoutKey, "State",
                   RegValue::Bin(EncodeLayoutRecord({'X'})));
  host.current = {'L', 'x'};
  EXPECT_EQ(desktops.LoadLayout(), TLayoutLoad::FellBack);
  EXPECT_EQ(host.current, host.DefaultLayout());
  store.WriteValue(RootKey::CurrentUser, kLayoutKey, "State", RegValue::Str(U"L"));
  EXPECT_EQ(desktops.LoadLayout(), TLayoutLoad::FellBack);
}

TEST_F(DesktopsTest, ASaveThatFailsKeepsTheLayoutSavedBeforeAndASaveClearsOldLeftovers) {
  desktops.SaveLayout();
  // What an older layout left beside the record.
  store.WriteValue(RootKey::CurrentUser, kLayoutKey, "Width", RegValue::Int(140));
  store.WriteValue(RootKey::CurrentUser, kLayoutKey + "\\LeftDockPanel", "Visible",
                   RegValue::Int(1));
  host.current = LayoutBytes(kMaxLayoutBytes + 1, 'L');
  EXPECT_THROW(desktops.SaveLayout(), Error);
  EXPECT_EQ(desktops.LoadLayout(), TLayoutLoad::Loaded);
  EXPECT_EQ(host.current, (LayoutBytes{'L', 's', 't', 'a', 'r', 't'}));

  desktops.SaveLayout();
  EXPECT_EQ(store.ValueNames(RootKey::CurrentUser, kLayoutKey), std::vector<std::string>{"State"});
  EXPECT_TRUE(store.SubKeyNames(RootKey::CurrentUser, kLayoutKey).empty());
}

TEST_F(DesktopsTest, NamedDesktopsAreSavedListedLoadedAndDeleted) {
  desktops.SaveDesktop(U"  Coding ");
  host.current = {'L', 'r', 'e', 'v', 'i', 'e', 'w'};
  desktops.SaveDesktop(U"Review");
  EXPECT_EQ(desktops.DesktopNames(), (std::vector<String>{U"Coding", U"Review"}));

  EXPECT_EQ(desktops.LoadDesktop(U"Coding"), TLayoutLoad::Loaded);
  EXPECT_EQ(host.current, (LayoutBytes{'L', 's', 't', 'a', 'r', 't'}));
  EXPECT_EQ(desktops.LoadDesktop(U"Elsewhere"), TLayoutLoad::Missing);

  // Saving under a name again replaces that desktop.
  host.current = {'L', '2'};
  desktops.SaveDesktop(U"Coding");
  host.current = {'L', '3'};
  desktops.LoadDesktop(U"Coding");
  EXPECT_EQ(host.current, (LayoutBytes{'L', '2'}));

  EXPECT_TRUE(desktops.DeleteDesktop(U"Coding"));
  EXPECT_FALSE(desktops.DeleteDesktop(U"Coding"));
  EXPECT_EQ(desktops.DesktopNames(), std::vector<String>{U"Review"});
  // Desktops and the one layout are kept apart.
  EXPECT_EQ(desktops.LoadLayout(), TLayoutLoad::Missing);
}

TEST_F(DesktopsTest, NamesThatCannotBeADesktopsAreRefused) {
  for (const char32_t* bad : {U"", U"   ", U"a\\b", U"tab\there", U"new\nline"}) {
    EXPECT_FALSE(TDesktops::DesktopNameProblem(bad).empty()) << ToUtf8(bad);
    EXPECT_THROW(desktops.SaveDesktop(bad), Error) << ToUtf8(bad);
  }
  EXPECT_FALSE(TDesktops::DesktopNameProblem(String(kMaxDesktopNameChars + 1, U'x')).empty());
  EXPECT_TRUE(TDesktops::DesktopNameProblem(String(kMaxDesktopNameChars, U'x')).empty());
  EXPECT_TRUE(TDesktops::DesktopNameProblem(U"Über Layout").empty());
  EXPECT_TRUE(store.SubKeyNames(RootKey::CurrentUser, std::string(kApplicationKey)).empty());
}

}  // namespace
}  // namespace qs
