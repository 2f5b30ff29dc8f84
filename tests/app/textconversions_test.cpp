#include "app/textconversions.h"

#include <gtest/gtest.h>

#include "mainformfixture.h"
#include "support/fontcharsets.h"

namespace qs {
namespace {

std::vector<std::string> StoredLines(const TCustomMemoSource& source) {
  std::vector<std::string> lines;
  for (std::int32_t l = 0; l < source.LineCount(); ++l)
    lines.push_back(ToUtf8(source.StoredLine(l)));
  return lines;
}

// The Russian word for "hello" in each code page.
const String kHello = U"\u041f\u0440\u0438\u0432\u0435\u0442";
constexpr std::string_view kHello1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
constexpr std::string_view kHelloKoi = "\xF0\xD2\xC9\xD7\xC5\xD4";
constexpr std::string_view kHello866 = "\x8F\xE0\xA8\xA2\xA5\xE2";

String ReadAs(std::string_view bytes, Encoding encoding) {
  String text;
  DecodeAppend(bytes, encoding, text);
  return text;
}

String Map(StringView text, Char (*convert)(Char)) {
  String out(text);
  for (Char& c : out) c = convert(c);
  return out;
}

TEST(CharsetConversions, RestoreTextThatWasReadAsWindowsText) {
  EXPECT_EQ(Map(ReadAs(kHelloKoi, Encoding::Windows1251), KoiToWinChar), kHello);
  EXPECT_EQ(Map(ReadAs(kHello866, Encoding::Windows1251), DosToWinChar), kHello);
  EXPECT_EQ(Map(kHello, WinToDosChar), ReadAs(kHello866, Encoding::Windows1251));
  struct Case {
    Char (*convert)(Char);
    Char from, to;
  } cases[] = {
      // KOI8-R 0xC1 is a small a, 0xE1 a capital A (windows-1251 0xE0 and 0xC0).
      {KoiToWinChar, U'\u0411', U'\u0430'},
      {KoiToWinChar, U'\u0431', U'\u0410'},
      // A sign stays a sign: KOI8-R 0xBF is the copyright sign, 0x9C the degree.
      {KoiToWinChar, U'\u0457', U'\u00a9'},
      {KoiToWinChar, U'\u045a', U'\u00b0'},
      // What the first code page cannot hold stays as it is.
      {KoiToWinChar, U'\u00e9', U'\u00e9'},
      {DosToWinChar, U'\u2713', U'\u2713'},
      {WinToDosChar, U'\u20ac', U'\u20ac'},
      {WinToDosChar, U'\U0001F600', U'\U0001F600'},
      {DosToWinChar, U'\0', U'\0'},
      {KoiToWinChar, U'a', U'a'},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.convert(c.from), c.to) << std::hex << static_cast<unsigned>(c.from);
}

TEST(TextToHtmlPage, EscapesMarkupOnceAndDeclaresTheEncoding) {
  EXPECT_EQ(EscapeHtml(U"a<b>&\"'&lt;"), U"a&lt;b&gt;&amp;&quot;&#39;&amp;lt;");
  EXPECT_EQ(TextToHtmlPage({U"a<b"}, Encoding::Utf8),
            U"<HTML>\n<HEAD>\n"
            U"<META http-equiv=Content-Type content=\"text/html; charset=utf-8\">\n"
            U"</HEAD>\n<BODY>\n<PRE>\na&lt;b\n\n</PRE>\n</BODY>\n</HTML>");
  const String page = TextToHtmlPage({U"x", String(U"y\0z", 3)}, Encoding::Windows1251);
  EXPECT_NE(page.find(U"charset=windows-1251\""), String::npos);
  EXPECT_NE(page.find(String(U"<PRE>\nx\ny\0z\n\n</PRE>", 19)), String::npos);
}

class ConvertCommandTest : public MainFormTest {
 protected:
  void Run(const char* command) {
    TMenuItem* item = form->MenuNamed("ConvertMenu")->Find(command);
    ASSERT_NE(item, nullptr) << command;
    ASSERT_TRUE(item->IsEnabled()) << command;
    item->Click();
  }
  TCustomMemoSource& Source() { return editor.Source(); }
};

TEST_F(ConvertCommandTest, KoiFileReadAsWindowsIsConvertedInOneStepKeepingTheSelection) {
  options.SetCodePage(U"windows-1251");
  const std::string path =
      Write("koi.txt", std::string(kHelloKoi) + " \xBF\n" + std::string("\0", 1) + "\xC1\xE1\n");
  headless.dialogs.AnswerMessage(MsgResult::Yes);  // open it as text, NUL and all
  Start({path});
  ASSERT_EQ(Source().FileEncoding(), Encoding::Windows1251);
  Source().SetCaretPos(3, 0);
  Source().SelectRange(stStreamSel, 1, 0, 3, 0);

  Run("KoiWinAct");

  EXPECT_EQ(StoredLines(Source()),
            (std::vector<std::string>{ToUtf8(kHello) + " \u00a9",
                                      std::string("\0", 1) + "\u0430\u0410"}));
  EXPECT_EQ(Source().BlockBegin(), (TPosition{0, 1}));
  EXPECT_EQ(Source().BlockEnd(), (TPosition{0, 3}));
  EXPECT_EQ(Source().Caret(), (TPosition{0, 3}));
  EXPECT_FALSE(form->DosCharset());
  ASSERT_TRUE(form->Action("FileSaveAct").Execute());
  EXPECT_EQ(Read(path), std::string(kHello1251) + " \xA9\n" + std::string("\0", 1) + "\xE0\xC0\n");

  ASSERT_TRUE(form->Action("UndoAct").Execute());
  EXPECT_EQ(StoredLines(Source()),
            (std::vector<std::string>{ToUtf8(ReadAs(kHelloKoi, Encoding::Windows1251)) + " \u0457",
                                      std::string("\0", 1) + "\u0411\u0431"}));
}

TEST_F(ConvertCommandTest, WinToDosShowsTheDosDisplayAndDosToWinBringsTheTextBack) {
  Start();
  Type(kHello);
  const TCustomMemoSource& source = Source();

  Run("WinDosAct");
  EXPECT_EQ(source.StoredLine(0), ReadAs(kHello866, Encoding::Windows1251));
  EXPECT_TRUE(form->DosCharset());
  EXPECT_EQ(editor.Font().Charset(), OEM_CHARSET);
  EXPECT_EQ(form->Action("ToggleCharsetAct").Caption(), U"WINDOWS charset");
  EXPECT_EQ(form->StatusBarColor(), clInfoBk);

  Run("DosWinAct");
  EXPECT_EQ(source.StoredLine(0), kHello);
  EXPECT_FALSE(form->DosCharset());
  EXPECT_EQ(form->Action("ToggleCharsetAct").Caption(), U"DOS charset");
  EXPECT_EQ(form->StatusBarColor(), clBtnFace);
}

TEST_F(ConvertCommandTest, AnEmptyDocumentIsLeftAloneAndKeepsItsDisplayMode) {
  Start();
  for (const char* command : {"WinDosAct", "KoiWinAct", "TextHtmlAct"}) Run(command);
  EXPECT_FALSE(form->DosCharset());
  EXPECT_FALSE(Source().CanUndo());
  EXPECT_EQ(Scheme(), U"None");
  ASSERT_TRUE(form->Action("ToggleCharsetAct").Execute());
  Run("DosWinAct");
  EXPECT_TRUE(form->DosCharset());
}

TEST_F(ConvertCommandTest, TheDosDisplayTogglesBackAndEndsAtASchemeSelection) {
  Start();
  TAction& toggle = form->Action("ToggleCharsetAct");
  EXPECT_EQ(form->MenuNamed("EditMenu")->Find("ToggleCharsetAct")->Caption(), U"DOS charset");
  ASSERT_TRUE(toggle.Execute());
  EXPECT_TRUE(form->DosCharset());
  ASSERT_TRUE(toggle.Execute());
  EXPECT_FALSE(form->DosCharset());
  EXPECT_EQ(form->StatusBarColor(), clBtnFace);

  ASSERT_TRUE(toggle.Execute());
  form->AutoParser(U"page.css");
  EXPECT_FALSE(form->DosCharset());
  EXPECT_EQ(toggle.Caption(), U"DOS charset");
}

TEST_F(ConvertCommandTest, TextToHtmlMakesAPageInOneStepAndChoosesTheHtmlScheme) {
  Start();
  Type(U"if (a < b && c > \"d\")");
  Run("TextHtmlAct");
  EXPECT_EQ(
      StoredLines(Source()),
      (std::vector<std::string>{
          "<HTML>", "<HEAD>", "<META http-equiv=Content-Type content=\"text/html; charset=utf-8\">",
          "</HEAD>", "<BODY>", "<PRE>", "if (a &lt; b &amp;&amp; c &gt; &quot;d&quot;)", "",
          "</PRE>", "</BODY>", "</HTML>"}));
  EXPECT_EQ(Scheme(), U"HTML");
  ASSERT_TRUE(form->Action("UndoAct").Execute());
  EXPECT_EQ(StoredLines(Source()), std::vector<std::string>{"if (a < b && c > \"d\")"});
}

TEST_F(ConvertCommandTest, CaseCommandsNeedASelectionMapEachLetterSimplyAndKeepIt) {
  Start();
  Type(U"stra\u00dfe \u01c6 \u00ff i");
  EXPECT_FALSE(form->Action("UpperCaseAct").Enabled());
  Source().SelectRange(stStreamSel, 0, 0, 10, 0);
  form->RefreshCommandStates();
  ASSERT_TRUE(form->KeyDown('U', ssCtrl));
  // One character for one: the sharp s has no single capital.
  EXPECT_EQ(ToUtf8(Source().StoredLine(0)), "STRA\u00dfE \u01c4 \u0178 i");
  EXPECT_EQ(Source().BlockEnd(), (TPosition{0, 10}));
  ASSERT_TRUE(form->KeyDown('U', ssCtrl | ssAlt));
  EXPECT_EQ(ToUtf8(Source().StoredLine(0)), "stra\u00dfe \u01c6 \u00ff i");
  ASSERT_TRUE(form->Action("UndoAct").Execute());
  EXPECT_EQ(ToUtf8(Source().StoredLine(0)), "STRA\u00dfE \u01c4 \u0178 i");
}

}  // namespace
}  // namespace qs
