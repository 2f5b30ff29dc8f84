#include "regex/pikevm.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qs::rx {
namespace {

struct Thread {
  int pc;
  int start;
};

// Buffers reused from one search to the next on the same thread, so a search
// over many short lines allocates nothing after the first.
struct Scratch {
  std::vector<std::uint32_t> mark;  // generation in which each pc was last visited
  std::uint32_t generation = 0;
  std::vector<Thread> current;  // threads at the position, in priority order
  std::vector<Thread> pending;  // threads that consumed a character, for the next position
  std::vector<int> stack;

  void Prepare(std::size_t codeSize) {
    if (mark.size() < codeSize) mark.resize(codeSize, 0);
    current.clear();
    pending.clear();
  }
  std::uint32_t NextGeneration() {
    if (++generation == 0) {
      std::fill(mark.begin(), mark.end(), 0);
      generation = 1;
    }
    return generation;
  }
};

thread_local Scratch t_scratch;

// Priority order: a thread that wants more repetitions comes before one that
// wants fewer, and of two threads reaching the same instruction at the same
// position only the first goes on, since the rest of their way is the same.
class Machine {
 public:
  Machine(const Program& program, StringView text, Scratch& scratch)
      : m_program(program),
        m_code(program.code),
        m_text(text),
        m_length(static_cast<int>(text.size())),
        m_s(scratch) {
    m_s.Prepare(m_code.size());
  }

  std::optional<Found> Run(const SearchWindow& window);

 private:
  void AddThread(int pc, int start, int pos, std::uint32_t generation);
  bool Accepts(const Inst& inst, Char c) const;
  int NextPossibleStart(int from, int last) const;
  Char Folded(int pos) const {
    const Char c = m_text[pos];
    return m_program.caseSensitive ? c : FoldAscii(c);
  }

  const Program& m_program;
  const std::vector<Inst>& m_code;
  StringView m_text;
  int m_length;
  Scratch& m_s;
};

std::optional<Found> Machine::Run(const SearchWindow& window) {
  std::optional<Found> best;
  int pos = NextPossibleStart(window.first, window.last);
  for (; pos <= m_length; ++pos) {
    const std::uint32_t generation = m_s.NextGeneration();
    const bool startHere = pos <= window.last && (window.rightmost || !best);
    m_s.current.clear();
    if (startHere && window.rightmost) AddThread(0, pos, pos, generation);
    for (const Thread& t : m_s.pending) AddThread(t.pc, t.start, pos, generation);
    if (startHere && !window.rightmost) AddThread(0, pos, pos, generation);
    m_s.pending.clear();

    const Char c = pos < m_length ? Folded(pos) : 0;
    for (const Thread& t : m_s.current) {
      const Inst& inst = m_code[t.pc];
      if (inst.op == Op::Match) {
        if (t.start == pos && pos == window.emptyBan) continue;
        best = Found{t.start, pos - t.start};
        break;  // threads of lower priority can only give a worse match
      }
      if (pos < m_length && Accepts(inst, c)) m_s.pending.push_back({t.pc + 1, t.start});
    }

    if (m_s.pending.empty()) {
      if (pos >= window.last || (best && !window.rightmost)) break;
      pos = NextPossibleStart(pos + 1, window.last) - 1;
    }
  }
  return best;
}

void Machine::AddThread(int pc, int start, int pos, std::uint32_t generation) {
  std::vector<int>& stack = m_s.stack;
  stack.clear();
  stack.push_back(pc);
  while (!stack.empty()) {
    const int at = stack.back();
    stack.pop_back();
    if (m_s.mark[at] == generation) continue;
    m_s.mark[at] = generation;
    const Inst& inst = m_code[at];
    switch (inst.op) {
      case Op::Split:
        stack.push_back(inst.y);
        stack.push_back(inst.x);
        break;
      case Op::Jump:
        stack.push_back(inst.x);
        break;
      case Op::LineStart:
        if (pos == 0) stack.push_back(at + 1);
        break;
      case Op::LineEnd:
        if (pos == m_length) stack.push_back(at + 1);
        break;
      case Op::Nop:
        stack.push_back(at + 1);
        break;
      case Op::Char:
      case Op::Any:
      case Op::Class:
      case Op::Match:
        m_s.current.push_back({at, start});
        break;
    }
  }
}

bool Machine::Accepts(const Inst& inst, Char c) const {
  switch (inst.op) {
    case Op::Char:
      return inst.ch == c;
    case Op::Any:
      return true;
    case Op::Class:
      return m_program.classes[inst.x].Matches(c);
    default:
      return false;
  }
}

// The first start index at or after from (up to last) that a match could
// begin at; past last when there is none.
int Machine::NextPossibleStart(int from, int last) const {
  if (!m_program.first.enabled) return from;
  const FirstChars& first = m_program.first;
  const int end = std::min(last, m_length - 1);
  if (m_program.caseSensitive) {
    for (int i = from; i <= end; ++i) {
      if (first.MayStartWith(m_text[i])) return i;
    }
  } else {
    for (int i = from; i <= end; ++i) {
      if (first.MayStartWith(FoldAscii(m_text[i]))) return i;
    }
  }
  return last + 1;
}

}  // namespace

std::optional<Found> RunProgram(const Program& program, StringView text,
                                const SearchWindow& window) {
  if (window.first > window.last) return std::nullopt;
  return Machine(program, text, t_scratch).Run(window);
}

}  // namespace qs::rx
