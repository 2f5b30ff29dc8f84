// The compiled form of a pattern: a flat program of instructions that the
// matcher runs as a set of threads, one text position at a time.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "regex/charclass.h"
#include "support/qschar.h"

namespace qs::rx {

enum class Op : std::uint8_t {
  Char,       // one character equal to ch (already folded when case-insensitive)
  Any,        // any one character
  Class,      // one character of classes[x]
  LineStart,  // empty, only before the first character
  LineEnd,    // empty, only after the last character
  Split,      // go on at x and, with lower priority, at y
  Jump,       // go on at x
  Match,      // success
  Nop,        // placeholder while compiling; never in a finished program
};

struct Inst {
  Op op = Op::Nop;
  Char ch = 0;
  int x = 0;
  int y = 0;
};

// The characters a match can begin with, so the matcher can skip text that no
// match starts in. Only set up for patterns that cannot match the empty string.
struct FirstChars {
  bool enabled = false;
  bool anyHigh = false;  // some character at or above 256 may begin a match
  std::bitset<256> low;

  bool MayStartWith(Char c) const { return c < 256 ? low.test(c) : anyHigh; }
};

struct Program {
  std::vector<Inst> code;  // entry at 0; ends in Match
  std::vector<CharClass> classes;
  bool caseSensitive = true;
  FirstChars first;
};

// Compiles a pattern; throws qs::RegexError naming the offending position.
Program CompilePattern(StringView pattern, bool caseSensitive);

}  // namespace qs::rx
