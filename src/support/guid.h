// Random globally unique identifiers, for whatever needs a name that no one
// else can have chosen.
#pragma once

#include <string>

namespace qs {

// 128 random bits as a version 4 (random) identifier in upper-case hex,
// 8-4-4-4-12 digits without braces, e.g. "3F2504E0-4F89-41D3-9A0C-0305E82C3301".
std::string NewGuid();

}  // namespace qs
