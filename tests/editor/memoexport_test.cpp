#include <gtest/gtest.h>

#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "export/htmlexporter.h"
#include "export/rtfexporter.h"
#include "memofixture.h"
#include "platform/headlessclipboard.h"
#include "platform/headlessplatform.h"
#include "platform/platform.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"
#include "textmodel/attributesource.h"

namespace qs::testing {
namespace {

// Letters red on yellow, digits blue, the rest black, all in one font.
class ColouredParser : public KindParser, public IAttributeSource {
 public:
  const IAttributeSource* AttributeSource() const noexcept override { return this; }
  TAttributeLook AttributeLook(std::int32_t id) const override {
    TAttributeLook look;
    look.font.name = U"Mono";
    look.font.size = 10;
    look.color = id == 1 ? clRed : id == 2 ? clBlue : clBlack;
    if (id == 1) look.background = clYellow;
    return look;
  }
};

class MemoExportTest : public MemoTest {
 protected:
  MemoExportTest() {
    memo.Font().SetName(U"Mono");
    memo.Font().SetSize(10);
    memo.Font().SetColor(clBlack);
    memo.SetColor(clWhite);
    memo.Source().SetEditedName(U"T");
  }

  std::string Export(TExporterClass exporterClass, bool selectionOnly = false) {
    TStringStream out;
    memo.ExportToStream(out, exporterClass, selectionOnly);
    return out.TakeBytes();
  }
  std::string Html(bool selectionOnly = false) {
    return Export(&TQSHTMLExporter::Create, selectionOnly);
  }
  // What the page holds between the document-level font tags.
  std::string HtmlBody(bool selectionOnly = false) {
    const std::string html = Html(selectionOnly);
    const std::string open = "<font color=\"#000000\">";
    const std::size_t from = html.find(open);
    const std::size_t to = html.rfind("</font></font></font></Body>");
    if (from == std::string::npos || to == std::string::npos) return "frame missing: " + html;
    return html.substr(from + open.size(), to - from - open.size());
  }

  HeadlessPlatform headless;
  PlatformInstallation installed{headless.Get()};
};

TEST_F(MemoExportTest, APlainExportIsTheDocumentInsideTheControlsFormatting) {
  SetText(U"a<b");
  EXPECT_EQ(Html(),
            "<!DOCTYPE html>\r\n<Html><Head><meta charset=\"utf-8\"><Title>T</Title></Head>\r\n"
            "<Body BGCOLOR=\"#FFFFFF\">\r\n<font face=\"Mono, monospace\"><font SIZE=\"2\">"
            "<font color=\"#000000\">a&lt;b</font></font></font></Body></Html>");
  SetText(U"");
  EXPECT_EQ(HtmlBody(), "");
}

TEST_F(MemoExportTest, HighlightedRunsMergeAndCarryOnlyTheTagsTheyNeed) {
  ColouredParser parser;
  memo.SetSyntaxParser(&parser);
  SetText(U"ab 12cd\n9");
  // The first run of a line names font, size and colour; later ones only
  // what changed (the background has no HTML form).
  EXPECT_EQ(HtmlBody(),
            "<font face=\"Mono, monospace\"><font SIZE=\"2\"><font color=\"#FF0000\">ab"
            "</font></font></font><font color=\"#000000\">&nbsp;</font>"
            "<font color=\"#0000FF\">12</font>"
            "<font color=\"#FF0000\">cd</font><BR>\r\n"
            "<font face=\"Mono, monospace\"><font SIZE=\"2\"><font color=\"#0000FF\">9"
            "</font></font></font>");
}

TEST_F(MemoExportTest, EmptyLinesAfterALineStayInsideItsLastRun) {
  ColouredParser parser;
  memo.SetSyntaxParser(&parser);
  SetText(U"\nx\n\n\ny");
  const std::string body = HtmlBody();
  EXPECT_EQ(body.find("<BR>\r\n<font"), 0u) << body;  // the first, empty line
  EXPECT_NE(body.find(">x<BR>\r\n<BR>\r\n</font></font></font><BR>\r\n<font"), std::string::npos)
      << body;
}

TEST_F(MemoExportTest, UrlMarksWithoutSyntaxColoursGiveTheControlsTextAndTheUrlStyle) {
  ColouredParser parser;
  memo.SetSyntaxParser(&parser);
  memo.SetOptions(memo.Options() & ~SetBit(moColorSyntax));
  memo.TextStyles().Items(17).Font().SetColor(clGreen);
  memo.Source().SetHighlightUrls(true);
  SetText(U"see http://x.org now");
  const std::string body = HtmlBody();
  EXPECT_EQ(body.find("#FF0000"), std::string::npos) << body;  // no syntax colour
  EXPECT_NE(body.find("#000000\">see&nbsp;</font>"), std::string::npos) << body;
  EXPECT_NE(body.find("#008000\">http://x.org</font>"), std::string::npos) << body;
}

TEST_F(MemoExportTest, SelectionsExportTheirColumns) {
  SetText(U"abcd\nefgh\nijkl");
  struct Case {
    const char* what;
    TSelectionType type;
    int beginColumn, beginLine, endColumn, endLine;
    const char* body;
  } cases[] = {
      {"stream", stStreamSel, 2, 0, 1, 1, "cd<BR>\r\ne"},
      {"stream ending at column 0", stStreamSel, 1, 0, 0, 2, "bcd<BR>\r\nefgh<BR>\r\n"},
      {"block includes its right column", stBlockSel, 1, 0, 2, 2, "bc<BR>\r\nfg<BR>\r\njk"},
  };
  for (const Case& c : cases) {
    memo.Source().SelectRange(c.type, c.beginColumn, c.beginLine, c.endColumn, c.endLine);
    EXPECT_EQ(HtmlBody(true), c.body) << c.what;
  }
  memo.Source().SetSelectionType(stNotSelected);
  EXPECT_EQ(HtmlBody(true), "");
}

TEST_F(MemoExportTest, RtfKeepsTabsAndMapsSelectedColumnsIntoTheStoredLine) {
  SetText(U"\tab\u00e9c");
  // From inside the TAB's cells up to and with the "é".
  const auto accent = static_cast<std::int32_t>(memo.Source().ExpandedLine(0).find(U'\u00e9'));
  memo.Source().SelectRange(stStreamSel, 1, 0, accent + 1, 0);
  const std::string rtf = Export(&TQSRTFExporter::Create, true);
  EXPECT_NE(rtf.find("\\cb2 \\tab ab\\u233?}"), std::string::npos) << rtf;
  EXPECT_EQ(Html().find("\t"), std::string::npos);  // HTML gets the TAB's spaces
}

// The control's background is under every character, so light text of a
// dark scheme stays readable in a reader with a white page.
TEST_F(MemoExportTest, RtfWritesTheControlsBackgroundUnderTheText) {
  memo.SetColor(clNavy);
  memo.Font().SetColor(clWhite);
  SetText(U"x");
  const std::string rtf = Export(&TQSRTFExporter::Create);
  EXPECT_NE(rtf.find("\\red0\\green0\\blue128;"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\cf1 {\\highlight2\\cb2 x}}"), std::string::npos) << rtf;
}

TEST_F(MemoExportTest, TheWalkReadsTheHighlightingAfterTheLatestEdit) {
  const TGlobalStyleResolver resolver(MemoEnvOptions());
  TSyntaxParser parser;
  parser.SetStyleResolver(&resolver);
  parser.SetUseGlobalOptions(true);
  TSyntaxScheme scheme;
  scheme.LoadFromFile(std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes/css.sch");
  parser.SetSyntaxScheme(scheme);
  memo.SetSyntaxParser(&parser);
  SetText(U"/*\nb { color: red; }\n*/");
  const std::string fresh = Html();
  memo.Source().SetCaretPos(0, 0);
  memo.Source().DeleteChar();
  memo.Source().DeleteChar();
  const std::string edited = Html();
  // A fresh document with the edited text is what the export must show.
  TQSMemo other(host, measure);
  other.Font().SetName(U"Mono");
  other.Font().SetSize(10);
  other.Font().SetColor(clBlack);
  other.SetColor(clWhite);
  other.Source().SetEditedName(U"T");
  other.SetSyntaxParser(&parser);
  other.Source().LoadFromText(U"\nb { color: red; }\n*/");
  TStringStream expected;
  other.ExportToStream(expected, &TQSHTMLExporter::Create, false);
  EXPECT_EQ(edited, expected.Bytes());
  EXPECT_NE(edited, fresh);
  other.SetSyntaxParser(nullptr);
}

TEST_F(MemoExportTest, ExportToFileReplacesTheFileOnlyWhenAllIsWritten) {
  SetText(U"new");
  headless.files.CreateDirectories("/d");
  headless.files.WriteFileAtomic("/d/out.html", "old");
  memo.OnExportString = [](TQSExporter&, std::string&) { throw Error("disk full"); };
  EXPECT_THROW(memo.SaveToHtml("/d/out.html"), Error);
  EXPECT_EQ(headless.files.ReadFile("/d/out.html"), "old");

  memo.OnExportString = nullptr;
  headless.files.FailNext(FileFault::Write);
  EXPECT_THROW(memo.SaveToRtf("/d/out.html"), Error);
  EXPECT_EQ(headless.files.ReadFile("/d/out.html"), "old");

  memo.SaveToRtf("/d/out.html");
  EXPECT_EQ(headless.files.ReadFile("/d/out.html").rfind("{\\rtf1", 0), 0u);
}

TEST_F(MemoExportTest, CopyInRtfModePutsTheSelectionsRtfBesideTheText) {
  SetText(U"one\ntwo");
  memo.Source().SelectRange(stStreamSel, 1, 0, 2, 1);
  memo.SetClipboardType(cbRtf);
  memo.CopyToClipboard();
  EXPECT_EQ(headless.clipboard.GetText(), U"ne\r\ntw");
  EXPECT_EQ(headless.clipboard.GetRtf(), Export(&TQSRTFExporter::Create, true));
  EXPECT_NE(headless.clipboard.GetRtf().find("ne{\\line \r\n}tw"), std::string::npos);

  memo.SetClipboardType(cbNormal);
  memo.CopyToClipboard();
  EXPECT_FALSE(headless.clipboard.HasRtf());
}

}  // namespace
}  // namespace qs::testing
