// Copying the stretches of text that a writer passes on unchanged: long runs
// of plain ASCII are most of a program's text, and copying them in one step
// instead of a character at a time is much of an export's speed.
#pragma once

#include <algorithm>
#include <string>

#include "support/qschar.h"

namespace qs {

// The length of the run at the start of text whose characters all pass
// `plain`.
template <typename Plain>
std::size_t PlainRunLength(StringView text, Plain plain) {
  return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), plain) - text.begin());
}

// Appends characters below U+0080 as their bytes.
inline void AppendAscii(std::string& out, StringView ascii) {
  const std::size_t at = out.size();
  out.resize(at + ascii.size());
  std::transform(ascii.begin(), ascii.end(), out.begin() + static_cast<std::ptrdiff_t>(at),
                 [](Char c) { return static_cast<char>(c); });
}

// Appends text: its plain runs as bytes, every other character through
// `special`.
template <typename Plain, typename Special>
void AppendConverted(std::string& out, StringView text, Plain plain, Special special) {
  while (!text.empty()) {
    const std::size_t run = PlainRunLength(text, plain);
    AppendAscii(out, text.substr(0, run));
    if (run == text.size()) return;
    special(out, text[run]);
    text.remove_prefix(run + 1);
  }
}

}  // namespace qs
