#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/browserdlg.h"
#include "app/localwebserver.h"
#include "app/optionsform.h"
#include "mainformfixture.h"

namespace qs {
namespace {

constexpr TKey kF11 = vk::F1 + 10;
constexpr TKey kF12 = vk::F1 + 11;

// A local server that starts nothing and says which folder it was asked for.
class FakeLocalServer final : public ILocalWebServer {
 public:
  bool Available() const override { return available; }
  bool Running() const override { return !root.empty(); }
  const std::string& Root() const override { return root; }
  const std::string& Url() const override { return url; }
  void Start(const std::string& folder) override {
    starts.push_back(folder);
    root = folder;
    url = "http://127.0.0.1:4711/";
  }
  void Stop() noexcept override { root.clear(); }

  bool available = true;
  std::string root;
  std::string url;
  std::vector<std::string> starts;
};

class MainFormPreviewTest : public MainFormTest {
 protected:
  void StartPreviewing(std::vector<std::string> args = {}) {
    Start(std::move(args));
    std::filesystem::create_directories(PathOf("private"));
    form->PrivateTempFolder = [this] { return PathOf("private"); };
    form->SetLocalWebServer(server);
    server.available = false;
  }
  bool Press(TKey key) { return form->KeyDown(key, 0); }
  std::vector<BrowserCall> BrowserCalls() const { return headless.browser.Calls(); }
  std::string LastUrl() const { return BrowserCalls().empty() ? "" : BrowserCalls().back().url; }
  static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
  void MapServer(const std::string& root) {
    options.SetServerPath(FromUtf8(root));
    options.SetServerUrl(U"http://localhost/");
  }

  FakeLocalServer server;
};

TEST_F(MainFormPreviewTest, F11ShowsTheUnsavedTextFromACopyBesideTheDocumentAndF11Returns) {
  const std::string page = Write("page.php", "<p>saved</p>");
  StartPreviewing({page});
  EXPECT_EQ(form->TabCaptions(),
            (std::array<String, 3>{U"Code", U"Preview F11", U"Preview on Server F12"}));
  Type(U"<b>new</b>");

  ASSERT_TRUE(Press(kF11));
  const std::string copy = PathOf("qwil_tempfile.php");
  EXPECT_EQ(form->TabIndex(), 1);
  EXPECT_EQ(Read(copy), "<b>new</b><p>saved</p>");
  EXPECT_EQ(LastUrl(), "file://" + copy);
  EXPECT_TRUE(form->StatusSimple());
  EXPECT_EQ(form->StatusSimpleText(), FromUtf8("file://" + copy));
  // The preview is no save: the document keeps its state, and nothing else
  // (no backup) appears beside it.
  EXPECT_TRUE(editor.Source().DocModified());
  EXPECT_EQ(form->StatusPanel(1), U"Modified");
  EXPECT_EQ(Read(page), "<p>saved</p>");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(m_dir))
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"page.php", "qwil_tempfile.php"}));
  // The hidden editor takes no typing.
  EXPECT_TRUE(editor.Source().ReadOnly());
  EXPECT_FALSE(form->Action("PasteAct").Enabled());

  ASSERT_TRUE(Press(kF11));
  EXPECT_EQ(form->TabIndex(), 0);
  EXPECT_FALSE(Exists(copy));
  EXPECT_FALSE(editor.Source().ReadOnly());
  EXPECT_FALSE(form->StatusSimple());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormPreviewTest, ASecondPreviewOfTheSameDocumentRefreshesAndARenameNavigatesAnew) {
  const std::string page = Write("a.html", "one");
  StartPreviewing({page});
  Press(kF11);
  Press(kF11);
  Press(kF11);
  ASSERT_EQ(BrowserCalls().size(), 2u);
  EXPECT_EQ(BrowserCalls()[1].op, BrowserOp::Refresh);
  Press(kF11);

  headless.dialogs.AnswerSaveFile(Choice(PathOf("b.html")));
  ASSERT_TRUE(form->Action("FileSaveAsAct").Execute());
  Press(kF11);
  EXPECT_EQ(BrowserCalls().back().op, BrowserOp::Navigate);
}

TEST_F(MainFormPreviewTest, AUsersFileOfThePreviewNameIsNeverWrittenNorRemoved) {
  const std::string page = Write("page.html", "mine");
  const std::string users = Write("qwil_tempfile.html", "the user's own file");
  StartPreviewing({page});
  Press(kF11);
  const std::string copy = PathOf("qwil_tempfile-2.html");
  EXPECT_EQ(Read(copy), "mine");
  EXPECT_EQ(LastUrl(), "file://" + copy);
  Press(kF11);
  EXPECT_FALSE(Exists(copy));
  EXPECT_EQ(Read(users), "the user's own file");

  // Even when the user's file is the document being previewed.
  form->OpenFile(users, okText);
  Type(U"edited ");
  Press(kF11);
  EXPECT_EQ(Read(copy), "edited the user's own file");
  Press(kF11);
  EXPECT_EQ(Read(users), "the user's own file");
  EXPECT_FALSE(Exists(copy));
}

TEST_F(MainFormPreviewTest, AnUntitledDocumentIsPreviewedFromThePrivateFolder) {
  StartPreviewing();
  Type(U"<h1>draft</h1>");
  Press(kF11);
  const std::string copy = PathOf("private/qwil_tempfile.html");
  // A new document ends in a line break, as its save would.
  EXPECT_EQ(Read(copy), "<h1>draft</h1>\n");
  EXPECT_EQ(LastUrl(), "file://" + copy);
  Press(kF11);
  EXPECT_FALSE(Exists(copy));
}

TEST_F(MainFormPreviewTest, AFailedWriteStaysInTheCodeViewAndSaysWhy) {
  StartPreviewing();
  // The private folder is a file, so nothing can be written into it.
  const std::string blocker = Write("blocker", "");
  form->PrivateTempFolder = [blocker] { return blocker; };
  Type(U"text");
  headless.dialogs.AnswerMessage(MsgResult::OK);
  Press(kF11);
  EXPECT_EQ(form->TabIndex(), 0);
  EXPECT_FALSE(editor.Source().ReadOnly());
  EXPECT_TRUE(BrowserCalls().empty());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("qwil_tempfile.html"), std::string::npos) << Messages()[0];
}

TEST_F(MainFormPreviewTest, TheServerPreviewMapsTheDocumentIntoTheRootByWholeFolders) {
  std::filesystem::create_directories(PathOf("www/my site"));
  std::filesystem::create_directories(PathOf("www2"));
  const std::string inside = Write("www/my site/a.php", "<?php echo 1;");
  StartPreviewing({inside});
  MapServer(PathOf("www") + "/");

  ASSERT_TRUE(Press(kF12));
  EXPECT_EQ(form->TabIndex(), 2);
  EXPECT_EQ(Read(PathOf("www/my site/qwil_tempfile.php")), "<?php echo 1;");
  EXPECT_EQ(LastUrl(), "http://localhost/my%20site/qwil_tempfile.php");

  // From one preview to the other: one copy at a time.
  ASSERT_TRUE(Press(kF11));
  EXPECT_EQ(form->TabIndex(), 1);
  EXPECT_TRUE(Exists(PathOf("www/my site/qwil_tempfile.php")));
  Press(kF11);

  // A folder whose name merely starts like the root is outside it.
  form->OpenFile(Write("www2/b.php", "outside"), okText);
  ASSERT_TRUE(Press(kF12));
  EXPECT_EQ(Read(PathOf("www/qwil_tempfile.php")), "outside");
  EXPECT_EQ(LastUrl(), "http://localhost/qwil_tempfile.php");
  EXPECT_FALSE(Exists(PathOf("www2/qwil_tempfile.php")));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MainFormPreviewTest, WithoutARootTheMappingIsAskedForAndCheckedAfterOk) {
  StartPreviewing({Write("a.php", "x")});
  MapServer(PathOf("missing/"));

  headless.dialogs.AnswerMessage(MsgResult::No);
  Press(kF12);
  EXPECT_EQ(form->TabIndex(), 0);
  EXPECT_EQ(Messages().back(), "Configure mapping?");

  // OK over a folder that does not exist previews nothing.
  headless.dialogs.AnswerMessage(MsgResult::Yes);
  headless.forms.QueueScript([this](TForm& shown) {
    auto& options = dynamic_cast<TOptionsForm&>(shown);
    options.edServerPath.SetText(FromUtf8(PathOf("still-missing")));
    options.OkBtn.Click();
  });
  headless.dialogs.AnswerMessage(MsgResult::OK);
  Press(kF12);
  EXPECT_EQ(form->TabIndex(), 0);
  EXPECT_NE(Messages().back().find("is not an existing folder"), std::string::npos);
  EXPECT_TRUE(BrowserCalls().empty());

  headless.dialogs.AnswerMessage(MsgResult::Yes);
  headless.forms.QueueScript([this](TForm& shown) {
    auto& options = dynamic_cast<TOptionsForm&>(shown);
    options.edServerPath.SetText(FromUtf8(m_dir.string()));
    options.OkBtn.Click();
  });
  Press(kF12);
  EXPECT_EQ(form->TabIndex(), 2);
  EXPECT_EQ(LastUrl(), "http://localhost/qwil_tempfile.php");
  EXPECT_EQ(headless.dialogs.PendingAnswers(), 0u);
}

TEST_F(MainFormPreviewTest, WithoutAMappingTheProgramsOwnServerIsOfferedOverTheDocumentsFolder) {
  std::filesystem::create_directories(PathOf("one"));
  std::filesystem::create_directories(PathOf("two"));
  StartPreviewing({Write("one/a.php", "a")});
  options.SetServerPath(U"");
  server.available = true;

  headless.dialogs.AnswerMessage(MsgResult::Cancel);
  Press(kF12);
  EXPECT_EQ(form->TabIndex(), 0);
  EXPECT_TRUE(server.starts.empty());

  headless.dialogs.AnswerMessage(MsgResult::Yes);
  Press(kF12);
  EXPECT_EQ(form->TabIndex(), 2);
  EXPECT_EQ(server.starts, std::vector<std::string>{PathOf("one")});
  EXPECT_EQ(LastUrl(), "http://127.0.0.1:4711/qwil_tempfile.php");
  Press(kF12);

  // Accepted once for the session: another folder moves the server there unasked.
  form->OpenFile(Write("two/b.php", "b"), okText);
  Press(kF12);
  EXPECT_EQ(server.starts, (std::vector<std::string>{PathOf("one"), PathOf("two")}));
  EXPECT_EQ(Read(PathOf("two/qwil_tempfile.php")), "b");
  EXPECT_EQ(headless.dialogs.PendingAnswers(), 0u);
}

TEST_F(MainFormPreviewTest, AltLeftGoesBackInTheBrowserOnlyWhileItShows) {
  StartPreviewing({Write("a.html", "x")});
  Press(kF11);
  headless.browser.SimulateLinkClick("http://example.test/");
  ASSERT_NE(form->BrowserDlg(), nullptr);
  EXPECT_TRUE(form->KeyDown(vk::Left, ssAlt));
  EXPECT_EQ(headless.browser.CurrentUrl(), "file://" + PathOf("qwil_tempfile.html"));
  headless.browser.SimulateStatusText(U"Done");
  EXPECT_EQ(form->StatusSimpleText(), U"Done");
  Press(kF11);
  EXPECT_FALSE(form->KeyDown(vk::Right, ssAlt));
}

}  // namespace
}  // namespace qs
