#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/errors.h"
#include "support/fontcharsets.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"
#include "syntax/schemefixture.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

using namespace fixtures;

std::string TempPath(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "quillon_syntax_tests";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(SchemeModel, NewSchemeHasOneRootBlockAndSavesMinimalText) {
  TSyntaxScheme s;
  ASSERT_EQ(s.SyntaxBlocks().Count(), 1);
  EXPECT_EQ(s.SyntaxBlocks().Items(0).Name(), U"Default");
  EXPECT_EQ(s.SyntaxBlocks().Items(0).ID(), 0);
  EXPECT_EQ(s.SyntaxBlocks().Items(0).ParentID(), -1);
  EXPECT_EQ(s.SyntaxVersion(), 1);
  EXPECT_EQ(s.FontTable().Count(), 0);
  s.Compile();
  EXPECT_EQ(s.SaveToText(),
            "object TPersHolder\r\n"
            "  P.SyntaxBlocks = <\r\n"
            "    item\r\n"
            "      Name = 'Default'\r\n"
            "      ID = 0\r\n"
            "      BlockDelimiters = <>\r\n"
            "    end>\r\n"
            "  P.FontTable = <>\r\n"
            "  P.CodeTemplates = <>\r\n"
            "  P.SyntaxVersion = 3\r\n"
            "end\r\n");
}

TEST(SchemeModel, FontIdsSkipTheUrlAttributeAndNeverUse255) {
  TSyntaxScheme s;
  for (int expected : {0, 1, 2}) EXPECT_EQ(s.FontTable().Add().FontID(), expected);
  for (int i = 3; i < 17; ++i) s.FontTable().Add();
  EXPECT_EQ(s.FontTable().Add().FontID(), 18);
  while (s.FontTable().NewFontID() >= 0) s.FontTable().Add();
  EXPECT_EQ(s.FontTable().Count(), 254);  // 0..254 without 17
  EXPECT_EQ(s.FontTable().FindAttr(255), nullptr);
  EXPECT_EQ(s.FontTable().Add().FontID(), -1);
  TAttrItem loose;
  EXPECT_EQ(loose.FontID(), -1);
}

TEST(SchemeModel, NewBlockIdRefusesWhenEveryIdIsTaken) {
  TSyntaxScheme s;
  EXPECT_EQ(s.NewBlockID(), 1);
  for (int id = 1; id < 255; ++id) s.SyntaxBlocks().Add().SetID(id);
  EXPECT_EQ(s.NewBlockID(), -1);
  s.SyntaxBlocks().Delete(7);
  EXPECT_EQ(s.NewBlockID(), 7);
}

TEST(SchemeModel, OldSchemesAreNormalised) {
  TSyntaxScheme s;
  TSyntaxBlock& root = s.SyntaxBlocks().Items(0);
  TAttrItem& text = s.FontTable().Add();
  TAttrItem& comment = s.FontTable().Add();
  TSyntaxBlock& second = s.SyntaxBlocks().Add();
  second.SetParentID(5);
  second.SetAttr(TBlockAttr::FIText, text.FontID());
  AddStarter(second, TTokenList::SingleLineCommentDelimiters, U"#", comment.FontID());
  root.SetParentID(3);
  s.Compile();
  EXPECT_EQ(second.ID(), 1);
  EXPECT_EQ(second.ParentID(), 0);
  EXPECT_EQ(root.ParentID(), -1);
  EXPECT_EQ(text.BlockID(), 1);
  EXPECT_EQ(comment.BlockID(), 1);
  EXPECT_EQ(s.SyntaxVersion(), 3);

  // A current scheme is left as it is.
  second.SetParentID(7);
  s.Compile();
  EXPECT_EQ(second.ParentID(), 7);
}

TEST(SchemeModel, IdOutsideTheTableIsRefused) {
  TAttrItem a;
  EXPECT_THROW(a.SetFontID(300), Error);
  EXPECT_THROW(a.SetBlockID(-2), Error);
  TSyntaxBlock b;
  EXPECT_THROW(b.SetAttr(TBlockAttr::FIText, 256), Error);
  EXPECT_NO_THROW(b.SetAttr(TBlockAttr::FIText, 255));
}

TEST(SchemeModel, KeywordSetsSplitAsCommaText) {
  EXPECT_EQ(SplitCommaText(U"if, else  while,,\"two words\",\"a\"\"b\""),
            (std::vector<String>{U"if", U"else", U"while", U"two words", U"a\"b"}));
  EXPECT_TRUE(SplitCommaText(U" , ,").empty());
}

// ---- Files -------------------------------------------------------------------

// A scheme using every kind of property, including rule lists whose switch is off.
void FillRichScheme(TSyntaxScheme& s) {
  s.SetName(U"Rich");
  s.SetExtensions(U"r;rich");
  TAttrItem& kw = s.FontTable().Add();
  kw.SetGlobalAttrID(U"Reserved words 1");
  TAttrFont f;
  f.SetName(U"Mono");
  f.SetHeight(-15);
  f.SetColor(clRed);
  f.SetStyle(SetBit(fsBold) | SetBit(fsItalic));
  f.SetCharset(TFontCharset::RUSSIAN_CHARSET);
  kw.SetFont(f);
  kw.SetBackColor(0x123456);
  kw.SetUseDefFont(false);
  TSyntaxBlock& root = s.SyntaxBlocks().Items(0);
  root.Set(TBlockFlag::UseMetaSymbol, true);
  root.Set(TBlockFlag::UseMetaToWrapLines, false);
  root.SetMetaSymbol(U'\\');
  root.Set(TBlockFlag::UseComments, true);
  root.SetAttr(TBlockAttr::FIText, kw.FontID());
  AddStarter(root, TTokenList::SingleLineCommentDelimiters, U"//", kw.FontID());
  AddPair(root, TTokenList::MultiLineStringDelimiters, U"<<<", U"\u00e9'\t", kw.FontID());
  AddKeywords(root, U"if,else", kw.FontID()).SetName(U"Main");
  root.Set(TBlockFlag::UseKeywords, false);  // kept although switched off
  CharSet other = DefaultOtherIdentChars();
  other.Add(U'-');
  other.Remove(U'_');
  root.SetOtherIdentChars(other);
  TSyntaxBlock& child = AddBlock(s, 4, 0, U"<?", U"?>", true);
  child.SetName(U"Code");
  child.SetLineDirectivePrefix(U"#");
  child.Set(TBlockFlag::UseLineDirectives, true);
  child.Set(TBlockFlag::EndsWithParent, true);
  TMemoCodeTemplate& t = s.CodeTemplates().Add();
  t.SetName(U"if");
  t.SetDescription(U"if statement");
  t.SetCode({U"if (|) {", U"}"});
  s.SetSyntaxVersion(3);
}

TEST(SchemeFile, SaveLoadSaveGivesTheSameText) {
  TSyntaxScheme s;
  FillRichScheme(s);
  const std::string path = TempPath("rich.sch");
  s.SaveToFile(path);
  const std::string text = s.SaveToText();
  EXPECT_NE(text.find("      OtherIdentChars = '\\-0-9A-Za-z'\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("KeywordSets = <"), std::string::npos);
  EXPECT_NE(text.find("UseMetaToWrapLines = False"), std::string::npos);
  EXPECT_NE(text.find("Font.Style = [fsBold, fsItalic]"), std::string::npos);
  EXPECT_NE(text.find("Font.Charset = RUSSIAN_CHARSET"), std::string::npos);
  EXPECT_NE(text.find("      EndsWithParent = True\r\n"), std::string::npos);
  // A switch that is off, as in every older scheme, is not written.
  EXPECT_EQ(text.find("EndsWithParent = False"), std::string::npos);

  TSyntaxScheme back;
  back.LoadFromFile(path);
  EXPECT_EQ(back.SaveToText(), text);
  const TSyntaxBlock& root = back.SyntaxBlocks().Items(0);
  ASSERT_EQ(root.KeywordSets().Count(), 1);
  EXPECT_EQ(root.KeywordSets().Items(0).Keywords(), U"if,else");
  EXPECT_EQ(root.Token(TTokenList::MultiLineStringDelimiters, 0).LeftDelimiter(), U"<<<");
  EXPECT_EQ(back.CodeTemplates().Items(0).Code()[0], U"if (|) {");
  EXPECT_EQ(back.FontTable().Items(0).Font().Height(), -15);
  EXPECT_TRUE(back.SyntaxBlocks().Items(1).Has(TBlockFlag::EndsWithParent));
  EXPECT_FALSE(root.Has(TBlockFlag::EndsWithParent));
}

// A scheme file with one attribute whose font has the given Charset line.
std::string FontFile(const std::string& charsetLine) {
  return "object TPersHolder\r\n"
         "  P.Name = 'Fonts'\r\n"
         "  P.FontTable = <\r\n"
         "    item\r\n"
         "      FontID = 0\r\n"
         "      " +
         charsetLine +
         "\r\n"
         "    end>\r\n"
         "end\r\n";
}

// The scheme fonts and the editor's fonts number charsets by the same byte
// and store them by the same names.
TEST(SchemeFile, FontCharsetsRoundTripByTheSharedTable) {
  const IntIdents table = CharsetIdents();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto charset = static_cast<TFontCharset>(i);
    TSyntaxScheme s;
    TAttrFont f;
    f.SetCharset(charset);
    EXPECT_EQ(f.CharsetByte(), table[i].value) << table[i].name;
    s.FontTable().Add().SetFont(f);
    const std::string path = TempPath("charset.sch");
    s.SaveToFile(path);
    const std::string text = s.SaveToText();
    if (table[i].value != DEFAULT_CHARSET) {
      EXPECT_NE(text.find("Font.Charset = " + std::string(table[i].name) + "\r\n"),
                std::string::npos)
          << text;
    }
    TSyntaxScheme back;
    back.LoadFromFile(path);
    ASSERT_EQ(back.FontTable().Count(), 1);
    EXPECT_EQ(back.FontTable().Items(0).Font().Charset(), charset) << table[i].name;
  }
  const struct {
    std::string line;
    std::int32_t byte;
    TFontCharset charset;
    std::string written;  // empty: the default, not written
  } cases[] = {
      {"Font.Charset = RUSSIAN_CHARSET", RUSSIAN_CHARSET, TFontCharset::RUSSIAN_CHARSET,
       "Font.Charset = RUSSIAN_CHARSET"},
      {"Font.Charset = 204", RUSSIAN_CHARSET, TFontCharset::RUSSIAN_CHARSET,
       "Font.Charset = RUSSIAN_CHARSET"},
      {"Font.Charset = 238", 238, TFontCharset::EASTEUROPE_CHARSET,
       "Font.Charset = EASTEUROPE_CHARSET"},
      {"Font.Charset = 100", 100, TFontCharset::DEFAULT_CHARSET, "Font.Charset = 100"},
      {"Font.Charset = 300", DEFAULT_CHARSET, TFontCharset::DEFAULT_CHARSET, ""},
  };
  for (const auto& c : cases) {
    const std::string path = TempPath("charset-in.sch");
    WriteText(path, FontFile(c.line));
    TSyntaxScheme s;
    s.LoadFromFile(path);
    ASSERT_EQ(s.FontTable().Count(), 1) << c.line;
    const TAttrFont& font = s.FontTable().Items(0).Font();
    EXPECT_EQ(font.CharsetByte(), c.byte) << c.line;
    EXPECT_EQ(font.Charset(), c.charset) << c.line;
    const std::string text = s.SaveToText();
    if (c.written.empty()) {
      EXPECT_EQ(text.find("Charset"), std::string::npos) << text;
    } else {
      EXPECT_NE(text.find(c.written + "\r\n"), std::string::npos) << text;
    }
  }
}

TEST(SchemeFile, ToleratesUnknownAndOutOfRangeProperties) {
  const std::string path = TempPath("odd.sch");
  WriteText(path,
            "object TPersHolder\r\n"
            "  P.Name = 'Odd'\r\n"
            "  P.Colour = 12\r\n"
            "  P.SyntaxBlocks = <\r\n"
            "    item\r\n"
            "      ID = 0\r\n"
            "      FIText = 999\r\n"
            "      Wobble = True\r\n"
            "    end>\r\n"
            "  P.FontTable = <\r\n"
            "    item\r\n"
            "      FontID = 300\r\n"
            "    end\r\n"
            "    item\r\n"
            "      FontID = 4\r\n"
            "    end>\r\n"
            "end\r\n");
  TSyntaxScheme s;
  s.LoadFromFile(path);
  EXPECT_EQ(s.Name(), U"Odd");
  EXPECT_EQ(s.SyntaxBlocks().Items(0).Attr(TBlockAttr::FIText), -1);
  ASSERT_EQ(s.FontTable().Count(), 2);
  EXPECT_EQ(s.FontTable().Items(0).FontID(), 0);  // the allocated one stays
  EXPECT_EQ(s.FontTable().Items(1).FontID(), 4);
  EXPECT_EQ(s.SyntaxVersion(), 3);  // no version: an old file, normalised
}

TEST(SchemeFile, FileWithoutBlocksGetsARootBlock) {
  const std::string path = TempPath("noblocks.sch");
  WriteText(path,
            "object TPersHolder\r\n  P.SyntaxBlocks = <>\r\n  P.SyntaxVersion = 3\r\nend\r\n");
  TSyntaxScheme s;
  s.LoadFromFile(path);
  ASSERT_EQ(s.SyntaxBlocks().Count(), 1);
  EXPECT_EQ(s.SyntaxBlocks().Items(0).ID(), 0);
}

TEST(SchemeFile, UnreadableFileFailsAndKeepsTheScheme) {
  const std::string binary = TempPath("binary.sch");
  WriteText(binary, std::string("TPF0\x0bTPersHolder\x00\x00", 17));
  const std::string notHolder = TempPath("other.sch");
  WriteText(notHolder, "object TForm1\r\nend\r\n");
  for (const std::string& path : {binary, notHolder, TempPath("missing.sch")}) {
    TSyntaxScheme s;
    FillRichScheme(s);
    const std::string before = s.SaveToText();
    try {
      s.LoadFromFile(path);
      ADD_FAILURE() << path;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "Can't read syntax scheme from file \"" + path + "\".");
    }
    EXPECT_EQ(s.SaveToText(), before);
  }
}

// A scheme file past the bound is refused before it is read, so a runaway
// file cannot take the memory of everything built from it.
TEST(SchemeFile, AFileLargerThanTheBoundIsRefusedByItsSize) {
  const std::string head = "object TPersHolder\r\n  P.Name = 'Big'\r\n  P.Extensions = '";
  const std::string tail = "'\r\nend\r\n";
  for (const std::uintmax_t size : {kMaxSchemeFileBytes, kMaxSchemeFileBytes + 1}) {
    const std::string path = TempPath("big.sch");
    std::string text = head + std::string(size - head.size() - tail.size(), 'x') + tail;
    // Object text breaks long strings; a plain long run is still one value.
    WriteText(path, text);
    TSyntaxScheme s;
    std::string message;
    try {
      s.LoadFromFile(path);
    } catch (const Error& e) {
      message = e.what();
    }
    if (size > kMaxSchemeFileBytes)
      EXPECT_NE(message.find("larger than 4 MB"), std::string::npos) << message;
    else
      EXPECT_EQ(message.find("larger than"), std::string::npos) << message;
  }
}

// A FIFO named like a scheme would block the start for ever, and a device
// would be read until memory ran out: neither is read.
TEST(SchemeFile, APipeOrADeviceIsRefusedWithoutBlocking) {
  const std::string fifo = TempPath("pipe.sch");
  std::filesystem::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero")}) {
    TSyntaxScheme s;
    EXPECT_THROW(s.LoadFromFile(path), Error) << path;
  }
  std::filesystem::remove(fifo);
}

TEST(SchemeFile, FailedSaveLeavesWhatWasThere) {
  TSyntaxScheme s;
  // The rename over a directory fails: it stays, and no temporary is left.
  const std::string blocked = TempPath("blocked.sch");
  std::filesystem::create_directories(blocked);
  EXPECT_THROW(s.SaveToFile(blocked), Error);
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
  for (const auto& entry : std::filesystem::directory_iterator(TempPath("")))
    EXPECT_EQ(entry.path().string().find("blocked.sch."), std::string::npos) << entry.path();
}

// ---- Attribute resolution -------------------------------------------------------

class FakeStyles : public IStyleResolver {
 public:
  TAttrFont GlobalFont() const override {
    TAttrFont f;
    f.SetName(U"Global Mono");
    f.SetHeight(-20);
    return f;
  }
  TColor GlobalBackground() const override { return clYellow; }
  std::optional<TGlobalStyle> FindStyle(StringView name) const override {
    if (name == U"Whitespace") return TGlobalStyle{clNavy, 0, clWindow, true};
    if (name == U"Comment") return TGlobalStyle{clGray, SetBit(fsItalic), clAqua, false};
    if (name == U"Url") return TGlobalStyle{clPurple, 0, clWindow, true};
    return std::nullopt;
  }
};

TEST(AttributeResolution, DefaultFontComesFromTheNearestBlockText) {
  TSyntaxScheme s;
  TAttrItem& rootText = s.FontTable().Add();
  TAttrFont big;
  big.SetName(U"Big");
  big.SetHeight(-30);
  rootText.SetFont(big);
  rootText.SetUseDefFont(false);
  rootText.SetUseDefBack(false);
  rootText.SetBackColor(clSilver);
  TAttrItem& childText = s.FontTable().Add();  // defers to its block
  childText.SetBlockID(1);
  TAttrItem& word = s.FontTable().Add();
  word.SetBlockID(1);
  word.Font().SetColor(clRed);
  s.SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, rootText.FontID());
  TSyntaxBlock& child = AddBlock(s, 1, 0, U"<", U">", true);
  child.SetAttr(TBlockAttr::FIText, childText.FontID());
  s.SetSyntaxVersion(3);
  s.Compile();
  EXPECT_EQ(s.GetAttrFont(word.FontID()).Name(), U"Big");
  EXPECT_EQ(s.GetAttrFont(word.FontID()).Height(), -30);
  EXPECT_EQ(s.GetAttrFont(word.FontID()).Color(), clRed);
  EXPECT_EQ(s.GetAttrBackColor(word.FontID()), clSilver);
  // Out of range or empty entries fall back on the whitespace attribute.
  EXPECT_EQ(&s.AttrOf(-1), &s.WhitespaceAttr());
  EXPECT_EQ(&s.AttrOf(200), &s.WhitespaceAttr());
  EXPECT_EQ(&s.AttrOf(kUrlAttrId), &s.UrlAttr());

  // Nothing to defer to at the root: the base font; a parent cycle ends.
  rootText.SetUseDefFont(true);
  s.SyntaxBlocks().Items(0).SetParentID(1);
  s.Compile();
  EXPECT_EQ(s.GetAttrFont(word.FontID()).Name(), U"Courier New");
}

// What a view paints a style byte with is the scheme's resolved attribute,
// and a document highlighted by the parser knows a scheme highlights it.
TEST(AttributeResolution, TheParserIsTheAttributeSourceOfItsScheme) {
  TSyntaxScheme s;
  TAttrItem& item = s.FontTable().Add();
  TAttrFont font;
  font.SetName(U"Big");
  font.SetHeight(-30);
  font.SetColor(clRed);
  font.SetStyle(SetBit(fsBold) | SetBit(fsUnderline));
  item.SetFont(font);
  item.SetUseDefFont(false);
  item.SetUseDefBack(false);
  item.SetBackColor(clSilver);
  TSyntaxParser parser;
  parser.SetSyntaxScheme(s);
  const std::int32_t id = parser.SyntaxScheme().FontTable().Items(0).FontID();
  ASSERT_EQ(parser.AttributeSource(), &parser);
  const TAttributeLook look = parser.AttributeLook(id);
  EXPECT_EQ(look.font.name, U"Big");
  EXPECT_EQ(look.font.height, -30);
  EXPECT_TRUE(look.font.bold);
  EXPECT_FALSE(look.font.italic);
  EXPECT_TRUE(look.font.underline);
  EXPECT_FALSE(look.font.strikeOut);
  EXPECT_EQ(look.color, clRed);
  EXPECT_EQ(look.background, std::optional<TColor>(clSilver));

  TMemoSource document;
  document.SetSyntaxParser(&parser);
  EXPECT_TRUE(document.IsSchemeParser());
}

TEST(AttributeResolution, GlobalStylesGiveColoursAndKeepOwnWhenMissing) {
  TSyntaxScheme s;
  TAttrItem& comment = s.FontTable().Add();
  comment.SetGlobalAttrID(U"Comment");
  TAttrItem& unknown = s.FontTable().Add();
  unknown.SetGlobalAttrID(U"No such style");
  unknown.Font().SetColor(clLime);
  unknown.Font().SetStyle(SetBit(fsBold));
  FakeStyles styles;
  s.SetUseGlobalStyles(true);
  s.ResolveAttributes(nullptr, &styles);
  EXPECT_EQ(s.GetAttrFont(comment.FontID()).Color(), clGray);
  EXPECT_EQ(s.GetAttrFont(comment.FontID()).Style(), SetBit(fsItalic));
  EXPECT_EQ(s.GetAttrFont(comment.FontID()).Name(), U"Global Mono");
  EXPECT_EQ(s.GetAttrBackColor(comment.FontID()), clAqua);
  EXPECT_EQ(s.GetAttrFont(unknown.FontID()).Color(), clLime);
  EXPECT_EQ(s.GetAttrFont(unknown.FontID()).Style(), SetBit(fsBold));
  EXPECT_EQ(s.GetAttrBackColor(unknown.FontID()), clYellow);  // the Whitespace style's default back
  EXPECT_EQ(s.UrlAttr().ResolvedFont().Color(), clPurple);
  EXPECT_EQ(s.UrlAttr().ResolvedFont().Style(), SetBit(fsUnderline));
  EXPECT_EQ(s.WhitespaceAttr().ResolvedFont().Color(), clNavy);

  s.SetUseGlobalStyles(false);
  s.ResolveAttributes(nullptr, &styles);
  EXPECT_EQ(s.GetAttrFont(comment.FontID()).Color(), clWindowText);
  EXPECT_EQ(s.GetAttrFont(comment.FontID()).Name(), U"Courier New");
}

}  // namespace
}  // namespace qs
