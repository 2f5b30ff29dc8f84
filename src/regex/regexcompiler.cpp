// Pattern text to program, in one pass from left to right. Every atom and
// group starts with a placeholder, so a quantifier that follows it can turn
// that placeholder into the loop's entry without moving code.
#include <optional>
#include <vector>

#include "regex/regex.h"
#include "regex/regexprogram.h"

namespace qs::rx {
namespace {

// Inside a class, a backslash makes only these characters literal; before any
// other it is a member itself.
constexpr StringView kClassEscapes = U"$*+.[]^{}-";

// What the latest element of the current sequence is, for a quantifier after it.
enum class Last { Nothing, Atom, Group, Other };

class Compiler {
 public:
  Compiler(StringView pattern, bool caseSensitive) : m_pattern(pattern) {
    m_program.caseSensitive = caseSensitive;
  }

  Program Run();

 private:
  void Literal(Char c) { Atom({Op::Char, m_program.caseSensitive ? c : FoldAscii(c)}); }
  void Atom(Inst inst);
  void Anchor(Op op);
  void OpenGroup();
  void CloseGroup();
  void Repeat(bool oneOrMore);
  void Class();
  Char ClassChar(std::size_t& at) const;
  void Compact();
  void FindFirstChars();
  int Here() const { return static_cast<int>(m_program.code.size()); }
  void Emit(Inst inst) { m_program.code.push_back(inst); }
  [[noreturn]] void Fail(std::size_t at) const {
    throw RegexError(m_pattern, static_cast<int>(at) + 1);
  }

  StringView m_pattern;
  std::size_t m_at = 0;  // index into the pattern
  Program m_program;
  Last m_last = Last::Nothing;
  int m_lastBegin = 0;  // the placeholder of the latest atom or group
  struct Open {
    int begin;
    std::size_t at;
  };
  std::vector<Open> m_open;  // groups not yet closed, innermost last
};

Program Compiler::Run() {
  while (m_at < m_pattern.size()) {
    const Char c = m_pattern[m_at];
    switch (c) {
      case U'.':
        Atom({Op::Any});
        break;
      case U'[':
        Class();
        continue;
      case U'^':
        Anchor(Op::LineStart);
        break;
      case U'$':
        Anchor(Op::LineEnd);
        break;
      case U'{':
        OpenGroup();
        break;
      case U'}':
        CloseGroup();
        break;
      case U'*':
      case U'+':
        Repeat(c == U'+');
        break;
      case U'\\':
        if (m_at + 1 == m_pattern.size()) Fail(m_at);
        Literal(m_pattern[++m_at]);
        break;
      default:
        Literal(c);
    }
    ++m_at;
  }
  if (!m_open.empty()) Fail(m_open.back().at);
  Emit({Op::Match});
  Compact();
  FindFirstChars();
  return std::move(m_program);
}

void Compiler::Atom(Inst inst) {
  m_lastBegin = Here();
  Emit({Op::Nop});
  Emit(inst);
  m_last = Last::Atom;
}

void Compiler::Anchor(Op op) {
  Emit({op});
  m_last = Last::Other;
}

void Compiler::OpenGroup() {
  m_open.push_back({Here(), m_at});
  Emit({Op::Nop});
  m_last = Last::Nothing;
}

void Compiler::CloseGroup() {
  if (m_open.empty()) Fail(m_at);
  m_lastBegin = m_open.back().begin;
  m_open.pop_back();
  m_last = Last::Group;
}

// Applies only to the atom or the group that ends right before the
// quantifier; after an anchor, another quantifier, "{" or nothing it is an error.
void Compiler::Repeat(bool oneOrMore) {
  if (m_last != Last::Atom && m_last != Last::Group) Fail(m_at);
  const int begin = m_lastBegin;
  const int exit = Here() + 1;
  if (oneOrMore) {
    // body; Split(body, exit): the first pass through the body is required.
    Emit({Op::Split, 0, begin + 1, exit});
  } else {
    // Split(body, exit); body; Jump(Split). An empty pass through the body
    // comes back to the Split at the same position, which the matcher has
    // already visited there, so it ends: each repetition must consume.
    m_program.code[begin] = {Op::Split, 0, begin + 1, exit};
    Emit({Op::Jump, 0, begin});
  }
  m_last = Last::Other;
}

void Compiler::Class() {
  const std::size_t open = m_at;
  std::size_t at = m_at + 1;
  CharClass members;
  if (at < m_pattern.size() && m_pattern[at] == U'^') {
    members.SetNegated(true);
    ++at;
  }
  bool hasItem = false;
  std::optional<Char> single;  // the latest single character, which may start a range
  for (;;) {
    if (at >= m_pattern.size()) Fail(open);
    const Char c = m_pattern[at];
    if (c == U']') break;
    if (c == U'-') {
      // A range needs a character right before the "-" and one after it.
      if (!single) Fail(at);
      const std::size_t dash = at++;
      if (at >= m_pattern.size()) Fail(open);
      if (m_pattern[at] == U']') Fail(dash);
      members.AddRange(*single, ClassChar(at));
      single.reset();
      continue;
    }
    const Char member = ClassChar(at);
    if (single) members.AddRange(*single, *single);
    single = member;
    hasItem = true;
  }
  if (single) members.AddRange(*single, *single);
  if (!hasItem) Fail(at);  // "[]" or "[^]"
  if (!m_program.caseSensitive) members.AddUpperCaseTwins();
  m_program.classes.push_back(members);
  Atom({Op::Class, 0, static_cast<int>(m_program.classes.size()) - 1});
  m_at = at + 1;
}

Char Compiler::ClassChar(std::size_t& at) const {
  const Char c = m_pattern[at++];
  if (c == U'\\' && at < m_pattern.size() &&
      kClassEscapes.find(m_pattern[at]) != StringView::npos) {
    return m_pattern[at++];
  }
  return c;
}

// Drops the placeholders that no quantifier took, pointing jumps at whatever
// follows them; the program always ends in Match, so something does.
void Compiler::Compact() {
  std::vector<Inst>& code = m_program.code;
  std::vector<int> newIndex(code.size());
  int kept = 0;
  for (std::size_t pc = 0; pc < code.size(); ++pc) {
    newIndex[pc] = kept;
    if (code[pc].op != Op::Nop) ++kept;
  }
  std::vector<Inst> compact;
  compact.reserve(kept);
  for (Inst inst : code) {
    if (inst.op == Op::Nop) continue;
    if (inst.op == Op::Split || inst.op == Op::Jump) inst.x = newIndex[inst.x];
    if (inst.op == Op::Split) inst.y = newIndex[inst.y];
    compact.push_back(inst);
  }
  code = std::move(compact);
}

// Walks every path from the entry that consumes nothing (taking anchors as
// passable) and collects the instructions that consume the first character.
void Compiler::FindFirstChars() {
  const std::vector<Inst>& code = m_program.code;
  FirstChars first;
  std::vector<bool> seen(code.size(), false);
  std::vector<int> stack{0};
  while (!stack.empty()) {
    const int pc = stack.back();
    stack.pop_back();
    if (seen[pc]) continue;
    seen[pc] = true;
    const Inst& inst = code[pc];
    switch (inst.op) {
      case Op::Match:
        return;  // may match the empty string: no filter
      case Op::Split:
        stack.push_back(inst.y);
        [[fallthrough]];
      case Op::Jump:
        stack.push_back(inst.x);
        break;
      case Op::LineStart:
      case Op::LineEnd:
      case Op::Nop:
        stack.push_back(pc + 1);
        break;
      case Op::Char:
        if (inst.ch < 256) {
          first.low.set(inst.ch);
        } else {
          first.anyHigh = true;
        }
        break;
      case Op::Any:
        first.low.set();
        first.anyHigh = true;
        break;
      case Op::Class: {
        const CharClass& members = m_program.classes[inst.x];
        for (Char c = 0; c < 256; ++c) {
          if (members.Matches(c)) first.low.set(c);
        }
        first.anyHigh = true;
        break;
      }
    }
  }
  first.enabled = true;
  m_program.first = first;
}

}  // namespace

Program CompilePattern(StringView pattern, bool caseSensitive) {
  return Compiler(pattern, caseSensitive).Run();
}

}  // namespace qs::rx
