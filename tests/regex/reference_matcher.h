// A slow, obviously-correct matcher for checking the engine: patterns are
// trees built by the test (never parsed), matched by plain backtracking.
#pragma once

#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "regex/regex.h"
#include "support/qschar.h"

namespace qs::reference {

enum class Kind { Literal, Any, Class, LineStart, LineEnd, Group, Star, Plus };

struct ClassItem {
  Char lo;
  Char hi;  // lo == hi for a single member
};

struct Node {
  Kind kind = Kind::Literal;
  Char ch = 0;
  bool escaped = false;          // Literal: written with a backslash
  bool negated = false;          // Class
  std::vector<ClassItem> items;  // Class
  std::vector<Node> children;    // Group: its sequence; Star, Plus: the one repeated node
};

// A random valid pattern over a small alphabet, at most depth groups deep.
Node RandomPattern(std::mt19937& rng, int depth);

// The pattern text that stands for the tree.
String Render(const Node& root);

// What a search by the engine must return, from the rules alone.
std::optional<RegexMatch> Search(const Node& root, StringView pattern, StringView text, int start,
                                 bool forward, bool caseSensitive,
                                 std::optional<int> emptyBanIndex = std::nullopt);

}  // namespace qs::reference
