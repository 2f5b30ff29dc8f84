#include "platform/globmatch.h"

namespace qs {
namespace {

char Fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Iterative matcher with one backtrack point: linear in practice and immune to
// the exponential blow-up of recursive "*" handling on hostile patterns.
bool MatchOne(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*") return true;
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<std::string> SplitGlobList(std::string_view patterns) {
  std::vector<std::string> parts;
  while (true) {
    const std::size_t semi = patterns.find(';');
    const std::string_view part = Trim(patterns.substr(0, semi));
    if (!part.empty()) parts.emplace_back(part);
    if (semi == std::string_view::npos) break;
    patterns.remove_prefix(semi + 1);
  }
  return parts;
}

bool MatchesGlob(std::string_view name, std::string_view pattern) {
  for (const std::string& part : SplitGlobList(pattern))
    if (MatchOne(name, part)) return true;
  return false;
}

}  // namespace qs
