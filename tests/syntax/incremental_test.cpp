// Re-highlighting through the document after edits gives what a highlight
// from scratch gives, and skips lines whose start state did not change.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "support/utf8.h"
#include "syntax/qsparser.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

const std::string kRoot = QUILLON_SOURCE_DIR;

std::vector<String> SampleLines(const std::string& name) {
  std::ifstream in(kRoot + "/tests/syntax/golden/" + name);
  std::vector<String> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(FromUtf8(l));
  return lines;
}

struct Fresh {
  std::vector<std::string> bytes;
  std::vector<std::int32_t> ends;
};

Fresh FromScratch(TSyntaxParser& parser, TMemoSource& doc) {
  Fresh f;
  std::int32_t state = 0;
  for (std::int32_t l = 0; l < doc.LineCount(); ++l) {
    const StringView text = doc.StoredLine(l);
    std::string b(text.size(), '\0');
    state = parser.ParseLine(text, state, false, b);
    f.bytes.push_back(text.empty() ? std::string() : b);
    f.ends.push_back(state);
  }
  return f;
}

struct EditRun {
  const char* scheme;
  const char* sample;
  std::vector<String> pieces;  // what the edits insert
};

TEST(IncrementalHighlight, RandomEditsMatchAFreshHighlight) {
  const EditRun runs[] = {
      {"php.sch",
       "sample.php",
       {U"/*", U"*/", U"\"", U"<?php ", U"?>", U"<script>", U"</script>", U"<", U">", U"`", U"x",
        U" ", U"<!--", U"-->", U"&amp;", U"'"}},
      // Values that end at their own semicolon or at the rule's brace.
      {"css.sch",
       "sample.css",
       {U"{", U"}", U":", U";", U"@media x {", U"/*", U"*/", U"\"", U"a", U" ", U"-moz-"}},
  };
  for (const EditRun& run : runs) {
    SCOPED_TRACE(run.scheme);
    TSyntaxScheme scheme;
    scheme.LoadFromFile(kRoot + "/syntaxschemes/" + run.scheme);
    TSyntaxParser parser;
    parser.SetSyntaxScheme(scheme);
    const std::vector<String>& pieces = run.pieces;
    std::mt19937 rng(7);
    TMemoSource doc;
    for (const String& l : SampleLines(run.sample)) doc.Lines().Insert(doc.LineCount(), l);
    doc.SetSyntaxParser(&parser);
    for (int step = 0; step < 400; ++step) {
      const int line = static_cast<int>(rng() % static_cast<unsigned>(doc.LineCount()));
      String text(doc.StoredLine(line));
      switch (rng() % 4) {
        case 0: {  // insert a piece
          const std::size_t at = text.empty() ? 0 : rng() % (text.size() + 1);
          text.insert(at, pieces[rng() % pieces.size()]);
          doc.Lines().Put(line, text);
          break;
        }
        case 1:  // delete a character
          if (!text.empty()) text.erase(rng() % text.size(), 1);
          doc.Lines().Put(line, text);
          break;
        case 2:
          doc.Lines().Insert(line, pieces[rng() % pieces.size()]);
          break;
        default:
          if (doc.LineCount() > 1) doc.Lines().Delete(line);
          break;
      }
      doc.ParseLines(0, doc.LineCount() - 1, false);
      // The same parser: states name stacks in its interned list.
      const Fresh f = FromScratch(parser, doc);
      for (std::int32_t l = 0; l < doc.LineCount(); ++l) {
        const TStringItem& item = *doc.GetLineItem(l);
        ASSERT_EQ(item.EndState, f.ends[l]) << "step " << step << " line " << l;
        if (!item.Text().empty()) {
          ASSERT_EQ(item.StyleBytes, f.bytes[l]) << "step " << step;
        }
      }
    }
  }
}

TEST(IncrementalHighlight, AnEditThatKeepsTheEndStateParsesOneLine) {
  TSyntaxScheme scheme;
  scheme.LoadFromFile(kRoot + "/syntaxschemes/javascript.sch");
  TSyntaxParser parser;
  parser.SetSyntaxScheme(scheme);
  TMemoSource doc;
  for (int i = 0; i < 1000; ++i) doc.Lines().Insert(i, U"var x = 1; // note");
  doc.SetSyntaxParser(&parser);
  doc.ParseLines(0, doc.LineCount() - 1, false);
  parser.ResetParsedLineCount();
  doc.Lines().Put(500, U"var y = 2;");
  doc.ParseLines(0, doc.LineCount() - 1, false);
  EXPECT_EQ(parser.ParsedLineCount(), 1);
  // Opening a comment at the top re-parses everything once.
  parser.ResetParsedLineCount();
  doc.Lines().Put(0, U"/*");
  doc.ParseLines(0, doc.LineCount() - 1, false);
  EXPECT_EQ(parser.ParsedLineCount(), 1000);
}

}  // namespace
}  // namespace qs
