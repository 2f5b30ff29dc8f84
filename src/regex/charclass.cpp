#include "regex/charclass.h"

#include <algorithm>

namespace qs::rx {

namespace {
constexpr Char kLowLimit = 256;
}

void CharClass::AddRange(Char lo, Char hi) {
  if (hi < lo) return;
  for (Char c = lo; c <= hi && c < kLowLimit; ++c) m_low.set(c);
  if (hi >= kLowLimit) m_highRanges.emplace_back(std::max(lo, kLowLimit), hi);
}

void CharClass::AddUpperCaseTwins() {
  for (Char c = U'a'; c <= U'z'; ++c) {
    if (m_low.test(c)) m_low.set(FoldAscii(c));
  }
}

bool CharClass::Contains(Char c) const {
  if (c < kLowLimit) return m_low.test(c);
  return std::any_of(m_highRanges.begin(), m_highRanges.end(),
                     [c](const auto& r) { return r.first <= c && c <= r.second; });
}

}  // namespace qs::rx
