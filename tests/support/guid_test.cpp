#include "support/guid.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

namespace qs {
namespace {

constexpr std::size_t kVersionDigit = 14, kVariantDigit = 19;

bool IsDash(std::size_t k) {
  return k == 8 || k == 13 || k == 18 || k == 23;
}

// 8-4-4-4-12 upper-case hex digits, version 4, variant bits 10.
bool HasGuidShape(std::string_view guid) {
  if (guid.size() != 36) return false;
  for (std::size_t k = 0; k < guid.size(); ++k) {
    const std::string_view allowed = IsDash(k)            ? "-"
                                     : k == kVersionDigit ? "4"
                                     : k == kVariantDigit ? "89AB"
                                                          : "0123456789ABCDEF";
    if (allowed.find(guid[k]) == std::string_view::npos) return false;
  }
  return true;
}

TEST(NewGuid, IsAnUpperCaseVersion4IdentifierThatNeverRepeats) {
  std::set<std::string> seen;
  std::vector<std::set<char>> digitsAt(36);
  for (int i = 0; i < 500; ++i) {
    const std::string guid = NewGuid();
    ASSERT_TRUE(HasGuidShape(guid)) << guid;
    EXPECT_TRUE(seen.insert(guid).second) << guid;
    for (std::size_t k = 0; k < guid.size(); ++k) digitsAt[k].insert(guid[k]);
  }
  // Every random digit takes several values: no byte is left unfilled.
  for (std::size_t k = 0; k < digitsAt.size(); ++k) {
    if (IsDash(k) || k == kVersionDigit) continue;
    EXPECT_GT(digitsAt[k].size(), 1u) << "position " << k;
  }
}

}  // namespace
}  // namespace qs
