#include "app/desktopservices.h"
#include "app/reassociatedlg.h"
#include "mainformfixture.h"

namespace qs {
namespace {

using MainFormIntegrationTest = MainFormTest;

TEST_F(MainFormIntegrationTest, AddressesOpenAsPagesOrMail) {
  Start();
  struct Case {
    StringView address;
    ShellTarget kind;
    std::string argument;
  };
  const Case cases[] = {
      {U"someone@example.org", ShellTarget::Mail, "mailto:someone@example.org"},
      {U"MAILTO:someone@example.org", ShellTarget::Mail, "MAILTO:someone@example.org"},
      {U"https://example.org/a@b", ShellTarget::Url, "https://example.org/a@b"},
  };
  for (const Case& c : cases) {
    headless.shell.Clear();
    form->OpenUrl(String(c.address));
    ASSERT_EQ(headless.shell.Calls().size(), 1u);
    EXPECT_EQ(headless.shell.Calls()[0].kind, c.kind);
    EXPECT_EQ(headless.shell.Calls()[0].argv.back(), c.argument);
  }
  headless.shell.Clear();
  ASSERT_TRUE(form->Action("ReportBugAct").Execute());
  ASSERT_TRUE(form->Action("CheckNewVerAct").Execute());
  ASSERT_EQ(headless.shell.Calls().size(), 2u);
  EXPECT_EQ(headless.shell.Calls()[0].kind, ShellTarget::Mail);
  EXPECT_NE(headless.shell.Calls()[0].target.find("subject=Quillon"), std::string::npos);
  EXPECT_NE(headless.shell.Calls()[1].target.find("checkversion.php?version=3.0"),
            std::string::npos);
}

TEST_F(MainFormIntegrationTest, TheFirstShowChecksTheTrackedAssociations) {
  TDesktopPaths paths;
  paths.configHome = PathOf("config");
  paths.dataHome = PathOf("data");
  paths.executable = "/usr/bin/quillon";  // no MIME database: css gets a type of ours
  auto services = std::make_unique<TDesktopServices>(
      files, paths, TDesktopHooks{[](const std::vector<std::string>&) {}, {}});
  options.SetAssocExts(U"css,");
  form =
      std::make_unique<TMainForm>(editor, schemes, platform, options, std::vector<std::string>{});
  form->SetDesktopServices(std::move(services));
  headless.forms.QueueScript([](TForm& f) {
    EXPECT_EQ(f.Text(), U"File Associations Changed");
    static_cast<TReassociateDlg&>(f).Buttons.ok.Click();
  });
  form->FormShow();
  EXPECT_TRUE(form->Desktop().desktop.IsAssociated("css"));
  EXPECT_EQ(headless.forms.ShownForms().size(), 1u);
}

}  // namespace
}  // namespace qs
