#include <gtest/gtest.h>

#include "app/desktopservices.h"
#include "app/optionsform.h"
#include "app/systopt.h"
#include "platform/headlessformhost.h"
#include "platform/memoryfilesystem.h"
#include "platform/scripteddialogs.h"

namespace qs {
namespace {

class OptionsFormTest : public ::testing::Test {
 protected:
  TModalResult Show(FormScript script, bool onWebServer = false) {
    forms.QueueScript(std::move(script));
    TOptionsForm form(forms, dialogs, files, options, desktop);
    form.OpenOnWebServer = onWebServer;
    return form.ShowModal();
  }

  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  MemoryFileSystem files;
  TSysOptions options;
  TDesktopServices desktop{files, TDesktopPaths{}, TDesktopHooks{}};
};

TEST_F(OptionsFormTest, OpensOnIntegrationUnlessThePreviewAsksForTheServer) {
  Show([](TForm& f) {
    EXPECT_EQ(static_cast<TOptionsForm&>(f).PageControl.ActivePage()->Text(), U"Integration");
    static_cast<TOptionsForm&>(f).CancelBtn.Click();
  });
}

TEST_F(OptionsFormTest, OpensOnTheWebServerPageWhenAskedAndOkStoresNormalisedValues) {
  options.SetServerUrl(U"http://127.0.0.1:8080/");
  const TModalResult result = Show(
      [](TForm& f) {
        auto& form = static_cast<TOptionsForm&>(f);
        EXPECT_EQ(form.Text(), U"Preferences");
        EXPECT_EQ(form.PageControl.ActivePage()->Text(), U"Web Server");
        EXPECT_EQ(form.edServerUrl.Text(), U"http://127.0.0.1:8080/");
        EXPECT_FALSE(form.cbEscExit.Checked());
        EXPECT_EQ(form.cbCodePage.Text(), U"windows-1252");
        form.cbCodePage.SetItemIndex(3);
        form.edServerUrl.SetText(U"http:\\\\localhost\\site");
        form.edServerPath.SetText(U"d:/www/site");
        form.cbEscExit.Click();
        form.OkBtn.Click();
      },
      true);
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(options.ServerUrl(), U"http://localhost/site/");
  EXPECT_EQ(options.ServerPath(), U"d:/www/site/");
  EXPECT_TRUE(options.UseEscKey());  // off by default, turned on
  EXPECT_EQ(options.CodePageEncoding(), Encoding::Koi8R);
}

TEST_F(OptionsFormTest, CancelAndEscChangeNothing) {
  const String url = options.ServerUrl();
  for (bool byKey : {false, true}) {
    Show([byKey](TForm& f) {
      auto& form = static_cast<TOptionsForm&>(f);
      form.edServerUrl.SetText(U"http://elsewhere/");
      form.cbEscExit.Click();
      if (byKey)
        form.PressKey(vk::Escape);
      else
        form.CancelBtn.Click();
    });
    EXPECT_EQ(options.ServerUrl(), url);
    EXPECT_FALSE(options.UseEscKey());
  }
}

TEST_F(OptionsFormTest, TheFolderBrowserStartsAtAnExistingDocumentRootOnly) {
  files.CreateDirectories("/srv/www");
  options.SetServerPath(U"/srv/www");
  dialogs.AnswerFolder(std::string("/var/site"));
  dialogs.AnswerFolder(std::nullopt);
  Show([](TForm& f) {
    auto& form = static_cast<TOptionsForm&>(f);
    form.BrowseBtn.Click();
    EXPECT_EQ(form.edServerPath.Text(), U"/var/site");
    form.BrowseBtn.Click();  // /var/site does not exist; cancelled
    EXPECT_EQ(form.edServerPath.Text(), U"/var/site");
    form.OkBtn.Click();
  });
  ASSERT_EQ(dialogs.Prompts().size(), 2u);
  EXPECT_EQ(dialogs.Prompts()[0].initialDir, "/srv/www/");
  EXPECT_EQ(dialogs.Prompts()[1].initialDir, "");
  EXPECT_EQ(options.ServerPath(), U"/var/site/");
}

}  // namespace
}  // namespace qs
