// The RTF reader: what text and look each construct gives, what it leaves
// out, and that hostile input ends in bounded time without reading astray.
#include <gtest/gtest.h>

#include "export/importfixture.h"
#include "export/rtfimporter.h"

namespace qs {
namespace {

using testing::ImportedRun;
using testing::RunWith;
using testing::TextOf;

constexpr auto ImportRtf = &testing::ImportWith<TQSRtfImporter>;
constexpr auto RtfText = &testing::TextImportedBy<TQSRtfImporter>;

TEST(RtfImporter, WorkedExampleGivesFontsSizesColoursAndCharsets) {
  const auto runs = ImportRtf(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern\\fcharset204 Courier "
      "New;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\plain\\f0\\fs20 Hello {\\b\\cf1 "
      "red}\\par\\f1 x\\'e9y}");
  EXPECT_EQ(TextOf(runs), "Hello red\r\nx\xd0\xb9y");  // 0xE9 in the Russian code page
  const ImportedRun* hello = RunWith(runs, "Hello");
  ASSERT_NE(hello, nullptr);
  EXPECT_EQ(hello->font.Face.name, U"Arial");
  EXPECT_EQ(hello->font.Face.size, 10);
  EXPECT_EQ(hello->font.Color, clBlack);
  EXPECT_FALSE(hello->font.Face.bold);
  const ImportedRun* red = RunWith(runs, "red");
  EXPECT_TRUE(red->font.Face.bold);
  EXPECT_EQ(red->font.Color, clRed);
  const ImportedRun* x = RunWith(runs, "x");
  EXPECT_EQ(x->font.Face.name, U"Courier New");
  EXPECT_EQ(x->font.Face.charset, 204);
  EXPECT_EQ(x->font.Face.size, 10);
}

TEST(RtfImporter, TextOfConstructs) {
  const struct {
    const char* input;
    const char* text;
  } cases[] = {
      {"{\\rtf1 Hello}", "Hello"},
      {"{\\rtf1 a\\par b\\line c\\tab d}", "a\r\nb\r\nc\td"},
      {"{\\rtf1 \\\\ \\{x\\}}", "\\ {x}"},
      {"{\\rtf1 \\lquote q\\rquote  \\endash\\~.}", "'q' - ."},
      {"{\\rtf1 a\\-b\\_c}", "ab-c"},
      {"{\\rtf1 line\\\r\nnext}", "line\r\nnext"},
      {"{\\rtf1 a{\\*\\x skipped}{\\stylesheet{\\s1 Normal;}}{\\pict 0a0b}{\\title T}b}", "ab"},
      {"{\\rtf1 {\\info{\\subject S}{\\company C}}x}", "x"},
      {"{\\rtf1 {\\s1 kept} {\\pn\\pnlvlblt kept too}}", "kept kept too"},
      {"{\\rtf1 {\\header head}body}", "body"},
      {"{\\rtf1 \\u233?xy}", "\xc3\xa9xy"},
      {"{\\rtf1 \\u233 ?xy}", "\xc3\xa9xy"},
      {"{\\rtf1 \\uc2\\u233??x}", "\xc3\xa9x"},
      {"{\\rtf1 \\uc0\\u233 x}", "\xc3\xa9x"},
      {"{\\rtf1 \\u8226\\'95\\tab item}", "\xe2\x80\xa2\titem"},
      {"{\\rtf1 \\u-10179?\\u-8704?!}", "\xf0\x9f\x98\x80!"},
      {"{\\rtf1 \\u-10179?x}", "\xef\xbf\xbdx"},
      {"{\\rtf1 {\\u233?}x}", "\xc3\xa9x"},
      {"{\\rtf1 a\\bin3 {}}b}", "ab"},
      {"{\\rtf1 a\\'01\\'7f\\'81b}", "ab"},
      {"{\\rtf1\\ansi\\ansicpg1251 \\'ef\\'f0\\'e8}", "\xd0\xbf\xd1\x80\xd0\xb8"},
      {"{\\rtf1 12 apples \\b 3.5}", "12 apples 3.5"},
      {"{\\rtf1 {Group text}x}", "Group textx"},
  };
  for (const auto& c : cases) EXPECT_EQ(RtfText(c.input), c.text) << c.input;
}

TEST(RtfImporter, StylesSwitchAndPlainStartsFromNothing) {
  const auto runs = ImportRtf(
      "{\\rtf1 {\\b on\\b0 off\\b1 again}{\\b\\ul\\strike {\\plain\\i plain}}{\\ul u\\ulnone n}}");
  EXPECT_TRUE(RunWith(runs, "on")->font.Face.bold);
  EXPECT_FALSE(RunWith(runs, "off")->font.Face.bold);
  EXPECT_TRUE(RunWith(runs, "again")->font.Face.bold);
  const ImportedRun* plain = RunWith(runs, "plain");
  EXPECT_TRUE(plain->font.Face.italic);
  EXPECT_FALSE(plain->font.Face.bold);  // not the outer group's
  EXPECT_FALSE(plain->font.Face.underline);
  EXPECT_FALSE(plain->font.Face.strikeOut);
  EXPECT_TRUE(RunWith(runs, "u")->font.Face.underline);
  EXPECT_FALSE(RunWith(runs, "n")->font.Face.underline);
}

TEST(RtfImporter, ColoursAndBackgroundsFromTheTable) {
  const auto runs = ImportRtf(
      "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
      "{\\cf1 r}{\\cf0 auto}{\\cf9 out}{\\highlight2 hi}{\\highlight0 none}{\\chcbpat1 pat}"
      "{\\cb2 cb}{\\cf-1 neg}}");
  EXPECT_EQ(RunWith(runs, "r")->font.Color, clRed);
  EXPECT_EQ(RunWith(runs, "auto")->font.Color, clBlack);
  EXPECT_EQ(RunWith(runs, "out")->font.Color, clBlack);
  EXPECT_EQ(RunWith(runs, "neg")->font.Color, clBlack);
  EXPECT_EQ(RunWith(runs, "hi")->back, clBlue);
  EXPECT_EQ(RunWith(runs, "none")->back, kImportNoColor);
  EXPECT_EQ(RunWith(runs, "pat")->back, clRed);
  EXPECT_EQ(RunWith(runs, "cb")->back, clBlue);
  EXPECT_EQ(RunWith(runs, "r")->back, kImportNoColor);
}

TEST(RtfImporter, FontTableOfAWordProcessor) {
  TQSRtfImporter owner;
  std::vector<ImportedRun> runs;
  owner.OnImportText = [&runs](TQSImporter&, StringView text, TColor back,
                               const TImportFont& font) {
    runs.push_back({String(text), font, back});
  };
  TRtfImporter worker(
      owner,
      "{\\rtf1\\deff1{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
      "{\\f1\\fnil\\fcharset2 OpenSymbol{\\*\\falt Arial Unicode MS};}"
      "{\\f2\\fswiss{\\*\\panose 020b0604020202020204}Liberation Sans{\\*\\falt Arial};}"
      "{\\f7 Semi\\'3bcolon;}{\\f9{\\*\\falt Only Alt};}{\\f2147483647 Far;}}"
      "\\plain x\\f2 y\\f9 z}");
  worker.Run();
  ASSERT_EQ(worker.FontTable.size(), 5u);
  EXPECT_EQ(worker.FontTable[0].Name, U"Times New Roman");
  EXPECT_EQ(worker.FontTable[0].Charset, 0);
  EXPECT_EQ(worker.FontTable[1].Name, U"OpenSymbol");
  EXPECT_EQ(worker.FontTable[1].Charset, 2);
  EXPECT_EQ(worker.FontTable[2].Name, U"Liberation Sans");
  EXPECT_EQ(worker.FontTable[7].Name, U"Semi;colon");
  EXPECT_EQ(worker.FontTable.count(9), 0u);  // only an alternate name: no face
  EXPECT_EQ(worker.FontTable[2147483647].Name, U"Far");
  EXPECT_EQ(RunWith(runs, "x")->font.Face.name, U"OpenSymbol");  // the default font
  EXPECT_EQ(RunWith(runs, "y")->font.Face.name, U"Liberation Sans");
  EXPECT_EQ(RunWith(runs, "z")->font.Face.name, U"Liberation Sans");  // no font 9
}

TEST(RtfImporter, TheDefaultFontAndClampedSizes) {
  const auto runs = ImportRtf(
      "{\\rtf1\\deff1{\\fonttbl{\\f0 Zero;}{\\f1 One;}}\\plain x{\\f0 y}{\\f5 z}"
      "{\\fs2147483647 big}{\\fs1 small}{\\fs-4 negative}{\\fs odd}}");
  EXPECT_EQ(RunWith(runs, "x")->font.Face.name, U"One");
  EXPECT_EQ(RunWith(runs, "y")->font.Face.name, U"Zero");
  EXPECT_EQ(RunWith(runs, "z")->font.Face.name, U"One");
  EXPECT_EQ(RunWith(runs, "big")->font.Face.size, kMaxImportPoints);
  EXPECT_EQ(RunWith(runs, "small")->font.Face.size, kMinImportPoints);
  EXPECT_EQ(RunWith(runs, "negative")->font.Face.size, 12);
  EXPECT_EQ(RunWith(runs, "odd")->font.Face.size, 12);
}

TEST(RtfImporter, CanImportOnlyWhatStartsAsRtf) {
  const TQSRtfImporter importer;
  EXPECT_TRUE(importer.CanImport("{\\rtf1}"));
  EXPECT_FALSE(importer.CanImport("{\\rt"));
  EXPECT_FALSE(importer.CanImport("{\\RTF1 x}"));
  EXPECT_FALSE(importer.CanImport("\xd0\xcf\x11\xe0 a .doc file"));
}

TEST(RtfImporter, HostileInputEndsCleanly) {
  const struct {
    std::string input;
    std::string text;
  } cases[] = {
      {"{\\rtf1 x\\'", "x"},
      {"{\\rtf1 x\\'4", "x"},
      {"{\\rtf1 x\\'4g}", "xg"},
      {"{\\rtf1 x\\", "x"},
      {"{\\rtf1 {\\*\\x {", ""},
      {"{\\rtf1 {\\fonttbl{\\f1 A", ""},
      {"{\\rtf1 {\\colortbl;\\red9", ""},
      {"{\\rtf1 {\\f2147483647 A;}x}", "A;x"},
      {"{\\rtf1 \\u99999999999 ?x}", "x"},
      {"{\\rtf1 \\u-99999999999 ?x}", "x"},
      {"{\\rtf1 \\bin99999999999 abc}", ""},
      {"{\\rtf1 \\uc99999\\u233 abc}", "\xc3\xa9"},
      {std::string("{\\rtf1 a\0b}", 11), "ab"},
  };
  for (const auto& c : cases) EXPECT_EQ(RtfText(c.input), c.text) << c.input;
}

TEST(RtfImporter, DeepNestingCostsNeitherStackNorQuadraticTime) {
  constexpr int kDepth = 200000;
  std::string input = "{\\rtf1 ";
  for (int i = 0; i < kDepth; ++i) input += "{\\b x";
  for (int i = 0; i < kDepth; ++i) input += "}";
  input += "{\\i end}}";
  const auto runs = ImportRtf(input);
  EXPECT_EQ(TextOf(runs), std::string(kDepth, 'x') + "end");
  EXPECT_TRUE(runs.front().font.Face.bold);
  EXPECT_FALSE(runs.back().font.Face.bold);  // every group closed again
  EXPECT_TRUE(runs.back().font.Face.italic);
}

}  // namespace
}  // namespace qs
