// Long random edit sequences: undoing everything gives back the exact initial
// text and caret (and, where style bytes are content, the exact attributes),
// redoing everything the exact final ones, and the modified flag never says
// "unmodified" while the text differs from the saved one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "platform/headlessplatform.h"
#include "sourcefixture.h"
#include "textmodel/codetemplates.h"

namespace qs {
namespace {

using test::Fill;
using test::StoredLines;

int OperationCount() {
  if (const char* env = std::getenv("QUILLON_EDIT_RANDOM_OPS")) {
    const int n = std::atoi(env);
    if (n > 0) return n;
  }
  return 30000;
}

// A highlighter whose style bytes are content: parsing only fits them to the text.
class KeepingParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return "TKeepingParser"; }
  bool KeepsStyleBytes() const override { return true; }
  void PrepareStyleBytes(std::int32_t, StringView text, std::string& styleBytes) override {
    styleBytes.resize(text.size(), '\0');
  }
  std::int32_t ParseLine(StringView, std::int32_t state, bool, std::string&) override {
    return state;
  }
};

struct State {
  std::vector<std::string> lines;
  std::vector<std::string> styles;  // only where style bytes are content
  TPosition caret;
  bool operator==(const State&) const = default;
};

State Snapshot(TMemoSource& s) {
  State state{StoredLines(s), {}, s.Caret()};
  if (s.KeepsStyleBytes())
    for (std::int32_t l = 0; l < s.LineCount(); ++l) state.styles.push_back(s.GetStyleBytes(l));
  return state;
}

class RandomEditor {
 public:
  RandomEditor(TMemoSource& s, std::uint32_t seed) : m_s(s), m_rng(seed) {
    TMemoCodeTemplate& t = m_s.CodeTemplates().Add();
    t.SetName(U"for");
    t.SetCode({U"for (|;;) {", U"\tbody", U"}"});
  }

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

  void MoveSomewhere() {
    const int lines = std::max(m_s.LineCount(), 1);
    m_s.SetCaretPos(Pick(14), Pick(lines + 1));
  }

  void SelectSomething() {
    const int lines = std::max(m_s.LineCount(), 1);
    const int b = Pick(lines);
    const int e = std::min(b + Pick(3), lines);
    m_s.SelectRange(Pick(3) == 0 ? stBlockSel : stStreamSel, Pick(10), b, Pick(10), e);
  }

  // Recolours part of a line as a rich-text highlighter does, or sets the
  // attribute the next typed text takes.
  void Recolour() {
    const int lines = m_s.LineCount();
    if (lines == 0) return;
    if (Pick(3) == 0) {
      m_s.SetTypingAttribute(Pick(4) - 1);
      return;
    }
    const std::string bytes(static_cast<std::size_t>(1 + Pick(4)), static_cast<char>(Pick(6)));
    m_s.ReplaceStyleBytes(Pick(lines), 1 + Pick(8), bytes);
  }

  void Step() {
    static constexpr Char kChars[] = {U'a', U'b', U' ', U'(', U')', U'X', U'\u00e9', U'z'};
    if (m_s.KeepsStyleBytes() && Pick(10) == 0) return Recolour();
    switch (Pick(30)) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
      case 5:
        m_s.TypeChar(kChars[Pick(8)]);
        break;
      case 6:
        m_s.BackSpace();
        break;
      case 7:
        m_s.DeleteChar();
        break;
      case 8:
        m_s.NewLine();
        break;
      case 9:
        m_s.InsertTab();
        break;
      case 10:
        m_s.BackTab();
        break;
      case 11:
        m_s.DeleteLine();
        break;
      case 12:
        m_s.DeleteWordLeft();
        break;
      case 13:
        m_s.DeleteWordRight();
        break;
      case 14:
        MoveSomewhere();
        break;
      case 15:
        m_s.CursorDown();
        break;
      case 16:
        m_s.CursorRight();
        break;
      case 17:
        SelectSomething();
        m_s.DeleteBlock();
        break;
      case 18:
        SelectSomething();
        m_s.CopyBlock();
        break;
      case 19:
        SelectSomething();
        MoveSomewhere();
        m_s.MoveBlock();
        break;
      case 20:
        SelectSomething();
        (Pick(2) ? m_s.UpperCaseBlock() : m_s.ToggleCaseBlock());
        break;
      case 21:
        SelectSomething();
        (Pick(2) ? m_s.IndentBlock() : m_s.UnindentBlock());
        break;
      case 22:
        SelectSomething();
        m_s.CopyToClipboard();
        MoveSomewhere();
        m_s.PasteFromClipboard();
        break;
      case 23:
        m_s.InsertTextBlock(Pick(2) ? U"one\r\n\ttwo" : U"x\ny\nz");
        break;
      case 24:
        InsertTemplate(m_s, m_s.CodeTemplates().Items(0));
        break;
      case 25:
        m_s.JoinLine();
        break;
      case 26:
        m_s.DeleteToLineBegin();
        break;
      case 27:
        m_s.CapitalizeWord();
        break;
      case 28:
        SelectSomething();
        m_s.QuoteBlock();
        break;
      default:
        m_s.InsertLineBreak();
        break;
    }
  }

 private:
  TMemoSource& m_s;
  std::mt19937 m_rng;
};

TStringsOptions RandomOptions(std::mt19937& rng) {
  TStringsOptions o = kDefaultStringsOptions;
  const auto coin = [&] { return (rng() & 1u) != 0; };
  o.Set(soUseTabCharacter, coin());
  o.Set(soSmartTab, !o.Has(soUseTabCharacter) && coin());
  o.Set(soPersistentBlocks, coin());
  o.Set(soGroupUndo, coin());
  o.Set(soLimitEOL, coin());
  o.Set(soBeyondFileEnd, coin());
  o.Set(soCursorAlwaysOnTabs, coin());
  o.Set(soBackUnindents, coin());
  return o;
}

void RunRandomSequences(int total, bool keepStyles) {
  HeadlessPlatform platform;
  PlatformInstallation installed(platform);
  const int perRun = 300;
  int done = 0;
  int changedRuns = 0;
  int runs = 0;
  for (std::uint32_t seed = 1; done < total; ++seed) {
    std::mt19937 rng(seed);
    TMemoSource s;
    KeepingParser parser;
    s.SetKeepTrailingBlanks(seed % 5 == 0);
    Fill(s, {"alpha beta", "\tgamma", "", "  delta (x)", "omega"});
    if (keepStyles) {
      s.SetSyntaxParser(&parser);
      for (std::int32_t l = 0; l < s.LineCount(); ++l)
        for (char& b : s.GetLineItem(l)->StyleBytes) b = static_cast<char>(rng() % 7);
    }
    s.SetOptions(RandomOptions(rng));
    s.SetCaretPos(rng() % 6, rng() % 5);
    s.ClearUndo();
    s.ResetModified();
    const State start = Snapshot(s);
    std::vector<std::string> saved = start.lines;
    RandomEditor editor(s, seed);
    for (int i = 0; i < perRun; ++i, ++done) {
      if (TCustomMemoSource::OverwriteMode() != (editor.Pick(8) == 0)) s.ToggleInsertMode();
      editor.Step();
      if (editor.Pick(15) == 0) {
        // Part of the history back and forth, then editing goes on from there.
        const int back = 1 + editor.Pick(4);
        for (int k = 0; k < back; ++k) s.Undo();
        const int forward = editor.Pick(back + 1);
        for (int k = 0; k < forward; ++k) s.Redo();
      }
      if (editor.Pick(40) == 0) {
        s.ResetModified();
        saved = StoredLines(s);
      }
      ASSERT_TRUE(s.DocModified() || StoredLines(s) == saved)
          << "seed " << seed << " step " << i << ": unmodified but the text changed";
    }
    if (TCustomMemoSource::OverwriteMode()) s.ToggleInsertMode();
    // Steps undone last and not overwritten since are part of the history too.
    while (s.CanRedo()) s.Redo();
    const State end = Snapshot(s);
    ++runs;
    if (end.lines != start.lines) ++changedRuns;
    int steps = 0;
    while (s.CanUndo()) {
      s.Undo();
      ASSERT_LT(++steps, 100000) << "seed " << seed;
      ASSERT_TRUE(s.DocModified() || StoredLines(s) == saved) << "seed " << seed;
    }
    const State undone = Snapshot(s);
    ASSERT_EQ(undone.lines, start.lines) << "seed " << seed;
    ASSERT_EQ(undone.styles, start.styles) << "seed " << seed;
    ASSERT_EQ(undone.caret, start.caret) << "seed " << seed;
    while (s.CanRedo()) s.Redo();
    const State redone = Snapshot(s);
    ASSERT_EQ(redone.lines, end.lines) << "seed " << seed;
    ASSERT_EQ(redone.styles, end.styles) << "seed " << seed;
    ASSERT_EQ(redone.caret, end.caret) << "seed " << seed;
  }
  // The sequences must really edit, or the comparisons above prove nothing.
  EXPECT_GT(changedRuns * 10, runs * 9);
}

TEST(EditingRandom, UndoAllRestoresTheStartAndRedoAllTheEnd) {
  RunRandomSequences(OperationCount(), false);
}

TEST(EditingRandom, AttributesComeBackWithTheTextWhereTheyAreContent) {
  RunRandomSequences(OperationCount() / 3, true);
}

}  // namespace
}  // namespace qs
