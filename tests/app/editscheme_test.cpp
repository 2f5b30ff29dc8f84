#include "app/editscheme.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/syntaxlist.h"
#include "catalogfixture.h"
#include "platform/controls.h"
#include "platform/headlessformhost.h"
#include "platform/scripteddialogs.h"

namespace qs {
namespace {

class EditSchemeTest : public ::testing::Test, public CatalogueFixture {
 protected:
  EditSchemeTest() {
    Ship("php.sch", U"PHP", U"php");
    shippedBytes = files.ReadFile(std::string(kShipped) + "/php.sch");
    catalogue.SyncWithFolder();
    catalogue.OnSchemeSaved = [this](const std::string& file) { saved.push_back(file); };
  }
  // The editor renames the scheme, then leaves with the given button.
  bool Edit(const char* leaveWith, bool applyFirst) {
    forms.QueueScript([=](TForm& editor) {
      editor.FindControl<TEdit>("edtSchemeName").SetText(U"PHP 8");
      if (applyFirst) editor.FindControl<TButton>("btnApply").Click();
      editor.FindControl<TButton>(leaveWith).Click();
    });
    String name, extensions;
    const bool result = EditSchemeInEditor(catalogue, forms, dialogs, "php.sch", name, extensions);
    EXPECT_EQ(forms.PendingScripts(), 0u);
    return result;
  }
  std::string UserCopy() const { return std::string(kUserSchemes) + "/php.sch"; }

  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  TSyntaxList catalogue{folders};
  std::vector<std::string> saved;
  std::string shippedBytes;
};

TEST_F(EditSchemeTest, OkWritesTheUsersCopyAndTellsTheCatalogue) {
  EXPECT_TRUE(Edit("btnOK", false));
  ASSERT_TRUE(files.Exists(UserCopy()));
  TSyntaxScheme scheme;
  LoadSchemeFile(files, UserCopy(), scheme);
  EXPECT_EQ(scheme.Name(), U"PHP 8");
  EXPECT_EQ(catalogue.Items(0).SchemeName(), U"PHP 8");
  EXPECT_THAT(saved, ::testing::ElementsAre("php.sch"));
  EXPECT_EQ(files.ReadFile(std::string(kShipped) + "/php.sch"), shippedBytes);
}

TEST_F(EditSchemeTest, CancelWritesNothingButKeepsWhatApplyWrote) {
  EXPECT_FALSE(Edit("btnCancel", false));
  EXPECT_FALSE(files.Exists(UserCopy())) << "no user copy of an unchanged shipped scheme";
  EXPECT_TRUE(saved.empty());

  EXPECT_TRUE(Edit("btnCancel", true));
  EXPECT_TRUE(files.Exists(UserCopy()));
  EXPECT_EQ(saved.size(), 1u);
}

}  // namespace
}  // namespace qs
