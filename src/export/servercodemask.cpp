#include "export/servercodemask.h"

#include <algorithm>

#include "support/asciicase.h"

namespace qs {

namespace {

bool IsBreak(Char c) {
  return c == U'\n' || c == U'\r';
}

bool StartsWithNoCase(StringView text, std::size_t at, StringView word) {
  return text.size() - at >= word.size() &&
         EqualsIgnoringAsciiCase(text.substr(at, word.size()), word);
}

// The length of the opener at `at`, or 0 when no server block starts there.
std::size_t OpenerAt(StringView text, std::size_t at) {
  if (text[at] != U'<' || at + 1 >= text.size() || text[at + 1] != U'?') return 0;
  if (StartsWithNoCase(text, at, U"<?php")) return 5;
  if (StartsWithNoCase(text, at, U"<?xml")) return 0;
  return 2;  // "<?=" and the short opener: the code after it is masked anyway
}

// Reads PHP from `at` to the end of its block; returns the index after "?>"
// or the text's end. Strings and block comments may hold "?>"; line
// comments end at it, as the server reads them.
std::size_t BlockEnd(StringView text, std::size_t at) {
  const std::size_t n = text.size();
  const auto closes = [&](std::size_t i) {
    return text[i] == U'?' && i + 1 < n && text[i + 1] == U'>';
  };
  while (at < n) {
    const Char c = text[at];
    if (closes(at)) return at + 2;
    if (c == U'\'' || c == U'"' || c == U'`') {
      for (++at; at < n && text[at] != c; ++at)
        if (text[at] == U'\\') ++at;
      ++at;
    } else if (c == U'/' && at + 1 < n && text[at + 1] == U'*') {
      const std::size_t close = text.find(U"*/", at + 2);
      at = close == StringView::npos ? n : close + 2;
    } else if (c == U'#' || (c == U'/' && at + 1 < n && text[at + 1] == U'/')) {
      while (at < n && !IsBreak(text[at]) && !closes(at)) ++at;
    } else {
      ++at;
    }
  }
  return n;
}

}  // namespace

String MaskServerCode(StringView text) {
  String masked(text);
  for (std::size_t at = 0; at < masked.size();) {
    const std::size_t opener = OpenerAt(text, at);
    if (opener == 0) {
      if (masked[at] == U'\t') masked[at] = U' ';
      ++at;
      continue;
    }
    const std::size_t end = std::min(BlockEnd(text, at + opener), text.size());
    for (; at < end; ++at)
      if (!IsBreak(masked[at])) masked[at] = U' ';
  }
  return masked;
}

}  // namespace qs
