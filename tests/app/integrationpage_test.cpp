#include <gtest/gtest.h>

#include "app/desktopservices.h"
#include "app/extensionlist.h"
#include "app/optionsform.h"
#include "app/reassociatedlg.h"
#include "app/systopt.h"
#include "common/messageof.h"
#include "platform/headlessformhost.h"
#include "platform/keyfile.h"
#include "platform/memoryfilesystem.h"
#include "platform/mimeapps.h"
#include "platform/scripteddialogs.h"
#include "support/errors.h"

namespace qs {
namespace {

TEST(ExtensionListTest, TextIsCutSortedAndLowerCased) {
  struct Case {
    StringView text;
    std::vector<std::string> parts;
  };
  const Case cases[] = {
      {U"", {}},
      {U"conf ini  *.PHP;php,.Txt", {"conf", "ini", "php", "txt"}},
      {U"a/b c", {"a/b", "c"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseExtensionList(c.text), c.parts);
  EXPECT_EQ(JoinExtensionList({"asp", "php"}), U"asp,php");
  EXPECT_NO_THROW(RequireValidExtensions({"php", "c++"}));
  EXPECT_THROW(RequireValidExtensions({"php", "a/b"}), Error);
}

class IntegrationPageTest : public ::testing::Test {
 protected:
  IntegrationPageTest() {
    files.CreateDirectories("/usr/share/mime");
    files.WriteFileAtomic("/usr/share/mime/globs2",
                          "50:application/x-php:*.php\n50:application/x-php:*.php3\n"
                          "50:application/x-php:*.php4\n50:application/x-php:*.php5\n"
                          "50:application/x-php:*.phtml\n50:text/html:*.html\n50:text/css:*.css\n"
                          "50:application/xml:*.xml\n50:application/xml-dtd:*.dtd\n"
                          "50:application/xslt+xml:*.xsl\n50:application/xslt+xml:*.xslt\n");
    files.CreateDirectories("/usr/share/applications");
    files.WriteFileAtomic("/usr/share/applications/kate.desktop", "[Desktop Entry]\nName=Kate\n");
  }

  static TDesktopPaths Paths() {
    TDesktopPaths paths;
    paths.configHome = "/home/u/.config";
    paths.dataHome = "/home/u/.local/share";
    paths.dataDirs = {"/usr/share"};
    paths.executable = "/usr/bin/quillon";
    return paths;
  }

  TModalResult ShowPreferences(FormScript script) {
    forms.QueueScript(std::move(script));
    TOptionsForm form(forms, dialogs, files, options, services);
    return form.ShowModal();
  }
  void OtherProgramTakes(const char* type) {
    TKeyFile apps = TKeyFile::Parse(files.ReadFile(paths.MimeAppsFile()));
    MakeDefaultApplication(apps, type, "kate.desktop");
    files.WriteFileAtomic(paths.MimeAppsFile(), apps.Text());
  }
  TDesktopIntegration& Desktop() { return services.desktop; }
  static TIntegrationPage& Page(TForm& form) {
    return static_cast<TOptionsForm&>(form).Integration;
  }
  static void Ok(TForm& form) { static_cast<TOptionsForm&>(form).OkBtn.Click(); }

  MemoryFileSystem files;
  TDesktopPaths paths = Paths();
  TDesktopServices services{files, paths, TDesktopHooks{}};
  HeadlessFormHost forms;
  ScriptedDialogs dialogs;
  TSysOptions options;
};

TEST_F(IntegrationPageTest, OkAssociatesWhatIsCheckedAndTypedAndOffGivesItBack) {
  files.CreateDirectories(paths.configHome);
  files.WriteFileAtomic(paths.MimeAppsFile(),
                        "[Default Applications]\napplication/x-php=kate.desktop;\n");
  EXPECT_EQ(ShowPreferences([](TForm& f) {
              TIntegrationPage& page = Page(f);
              EXPECT_TRUE(page.cbVerify.Checked());
              EXPECT_FALSE(page.cbTotalCmd.Visible());  // no file manager to set
              page.GroupBoxes[1]->Click();              // PHP
              page.edExts.SetText(U"HTML");
              page.cbContextMenu.Click();
              Ok(f);
            }),
            mrOk);
  for (const char* extension : {"php", "php3", "phtml", "html"})
    EXPECT_TRUE(Desktop().IsAssociated(extension)) << extension;
  EXPECT_TRUE(Desktop().HasContextMenu());
  EXPECT_EQ(options.AssocExts(), U"php,php3,php4,php5,phtml,");
  EXPECT_EQ(options.UserExts(), U"html");
  EXPECT_TRUE(options.UseRMSystemMenu());

  ShowPreferences([](TForm& f) {
    TIntegrationPage& page = Page(f);
    EXPECT_TRUE(page.GroupBoxes[1]->Checked());
    EXPECT_EQ(page.edExts.Text(), U"html");
    EXPECT_TRUE(page.cbContextMenu.Checked());
    page.GroupBoxes[1]->Click();
    page.edExts.SetText(U"");
    page.cbContextMenu.Click();
    Ok(f);
  });
  EXPECT_FALSE(Desktop().IsAssociated("php"));
  EXPECT_FALSE(Desktop().IsAssociated("html"));
  EXPECT_EQ(Desktop().CurrentProgram("php"), "Kate");
  EXPECT_FALSE(files.Exists(paths.DesktopEntryFile()));
  EXPECT_EQ(options.AssocExts(), U"");
  EXPECT_EQ(options.UserExts(), U"");
}

TEST_F(IntegrationPageTest, APartlyAssociatedGroupIsLeftAsItIsAndStaysTracked) {
  Desktop().Associate("xml");
  ShowPreferences([](TForm& f) {
    TIntegrationPage& page = Page(f);
    TCheckBox& xml = *page.GroupBoxes[3];
    EXPECT_FALSE(xml.Checked());
    EXPECT_TRUE(page.IsPartial(3));
    EXPECT_NE(xml.Text().find(U"partly"), String::npos);
    Ok(f);
  });
  EXPECT_TRUE(Desktop().IsAssociated("xml"));
  EXPECT_FALSE(Desktop().IsAssociated("dtd"));
  EXPECT_EQ(options.AssocExts(), U"xml,");

  ShowPreferences([](TForm& f) {
    TIntegrationPage& page = Page(f);
    page.GroupBoxes[3]->Click();  // a click makes the group whole
    EXPECT_FALSE(page.IsPartial(3));
    Ok(f);
  });
  for (const char* extension : {"xml", "dtd", "xsd", "xsl", "xslt"})
    EXPECT_TRUE(Desktop().IsAssociated(extension)) << extension;
  EXPECT_EQ(options.AssocExts(), U"xml,dtd,xsd,xsl,xslt,");
}

TEST_F(IntegrationPageTest, AnInvalidTypedExtensionChangesNothing) {
  const String url = options.ServerUrl();
  ShowPreferences([](TForm& f) {
    TIntegrationPage& page = Page(f);
    page.GroupBoxes[0]->Click();
    page.edExts.SetText(U"php a\"b");
    static_cast<TOptionsForm&>(f).edServerUrl.SetText(U"http://elsewhere/");
    EXPECT_THROW(Ok(f), Error);
    EXPECT_EQ(f.ModalResult(), mrNone);
    static_cast<TOptionsForm&>(f).CancelBtn.Click();
  });
  EXPECT_FALSE(files.Exists(paths.MimeAppsFile()));
  EXPECT_EQ(options.ServerUrl(), url);
}

TEST_F(IntegrationPageTest, AFailureSaysWhatWasDoneAndTracksIt) {
  Desktop().Associate("divl");  // an extension of our own type: it writes the MIME package
  files.SetReadOnly(paths.MimePackageFile(), true);
  ShowPreferences([](TForm& f) {
    Page(f).edExts.SetText(U"divl html zzz");  // zzz needs the package too, and fails
    try {
      Ok(f);
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find("Associated before the failure: .html;"),
                std::string::npos)
          << error.what();
    }
    static_cast<TOptionsForm&>(f).CancelBtn.Click();
  });
  EXPECT_TRUE(Desktop().IsAssociated("html"));
  EXPECT_FALSE(Desktop().IsAssociated("zzz"));
  EXPECT_EQ(options.UserExts(), U"divl,html");
}

TEST_F(IntegrationPageTest, TheStartUpCheckOffersWhatAnotherProgramTook) {
  options.SetUserExts(U"html");
  options.SetAssocExts(U"css,");
  Desktop().Associate("html");
  Desktop().Associate("css");
  VerifyAssociations(forms, options, Desktop());  // nothing lost: no dialog
  OtherProgramTakes("text/html");
  OtherProgramTakes("text/css");

  forms.QueueScript([](TForm& f) { static_cast<TReassociateDlg&>(f).Buttons.cancel.Click(); });
  VerifyAssociations(forms, options, Desktop());
  EXPECT_EQ(options.UserExts(), U"html");  // Cancel changes nothing

  forms.QueueScript([](TForm& f) {
    auto& dialog = static_cast<TReassociateDlg&>(f);
    EXPECT_EQ(f.Text(), U"File Associations Changed");
    ASSERT_EQ(dialog.Extensions(), (std::vector<std::string>{"css", "html"}));
    EXPECT_EQ(dialog.ExtensionBox(0).Text(), U".css - Kate");
    EXPECT_TRUE(dialog.ExtensionBox(1).Checked());
    dialog.ExtensionBox(1).Click();
    dialog.Buttons.ok.Click();
  });
  VerifyAssociations(forms, options, Desktop());
  EXPECT_TRUE(Desktop().IsAssociated("css"));
  EXPECT_FALSE(Desktop().IsAssociated("html"));
  EXPECT_EQ(options.UserExts(), U"");
  EXPECT_EQ(options.AssocExts(), U"css");
  EXPECT_TRUE(options.VerifyAssoc());

  options.SetVerifyAssoc(false);
  OtherProgramTakes("text/css");
  VerifyAssociations(forms, options, Desktop());  // no dialog, or the host would fail
  EXPECT_EQ(forms.ShownForms().size(), 2u);
}

}  // namespace
}  // namespace qs
