#include "regex/reference_matcher.h"

#include <functional>

namespace qs::reference {
namespace {

// ---- building random trees ----

constexpr StringView kLiterals = U"abA.{*";
constexpr StringView kMembers = U"abAB-]^";
constexpr StringView kPatternSpecials = U".[^${}*+\\";
constexpr StringView kClassSpecials = U"$*+.[]^{}-";

Char Pick(std::mt19937& rng, StringView from) {
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
}

bool Chance(std::mt19937& rng, int percent) {
  return std::uniform_int_distribution<int>(1, 100)(rng) <= percent;
}

Node RandomClass(std::mt19937& rng) {
  Node n;
  n.kind = Kind::Class;
  n.negated = Chance(rng, 30);
  const int count = std::uniform_int_distribution<int>(1, 3)(rng);
  for (int i = 0; i < count; ++i) {
    const Char lo = Pick(rng, kMembers);
    n.items.push_back({lo, Chance(rng, 30) ? Pick(rng, kMembers) : lo});
  }
  return n;
}

Node RandomAtom(std::mt19937& rng, int depth) {
  const int roll = std::uniform_int_distribution<int>(0, 9)(rng);
  Node n;
  if (roll <= 3) {
    n.ch = Pick(rng, kLiterals);
    n.escaped = kPatternSpecials.find(n.ch) != StringView::npos || Chance(rng, 10);
  } else if (roll == 4) {
    n.kind = Kind::Any;
  } else if (roll == 5) {
    n = RandomClass(rng);
  } else if (roll == 6) {
    n.kind = Chance(rng, 50) ? Kind::LineStart : Kind::LineEnd;
  } else if (depth > 0) {
    n.kind = Kind::Group;
    const int count = std::uniform_int_distribution<int>(0, 3)(rng);
    for (int i = 0; i < count; ++i) n.children.push_back(RandomAtom(rng, depth - 1));
  } else {
    n.ch = U'b';
  }
  const bool repeatable = n.kind != Kind::LineStart && n.kind != Kind::LineEnd;
  if (repeatable && Chance(rng, 40)) {
    Node r;
    r.kind = Chance(rng, 50) ? Kind::Star : Kind::Plus;
    r.children.push_back(std::move(n));
    return r;
  }
  return n;
}

// ---- rendering ----

void RenderClassChar(Char c, String& out) {
  if (kClassSpecials.find(c) != StringView::npos) out += U'\\';
  out += c;
}

void RenderNode(const Node& n, String& out) {
  switch (n.kind) {
    case Kind::Literal:
      if (n.escaped) out += U'\\';
      out += n.ch;
      break;
    case Kind::Any:
      out += U'.';
      break;
    case Kind::LineStart:
      out += U'^';
      break;
    case Kind::LineEnd:
      out += U'$';
      break;
    case Kind::Class:
      out += n.negated ? U"[^" : U"[";
      for (const ClassItem& item : n.items) {
        RenderClassChar(item.lo, out);
        if (item.hi != item.lo) {
          out += U'-';
          RenderClassChar(item.hi, out);
        }
      }
      out += U']';
      break;
    case Kind::Group:
      out += U'{';
      for (const Node& child : n.children) RenderNode(child, out);
      out += U'}';
      break;
    case Kind::Star:
    case Kind::Plus:
      RenderNode(n.children.front(), out);
      out += n.kind == Kind::Star ? U'*' : U'+';
      break;
  }
}

// ---- matching by backtracking ----

Char Upper(Char c) {
  return (c >= U'a' && c <= U'z') ? c - 32 : c;
}
Char Lower(Char c) {
  return (c >= U'A' && c <= U'Z') ? c + 32 : c;
}

using Next = std::function<bool(int)>;

class Backtracker {
 public:
  Backtracker(StringView text, bool caseSensitive) : m_text(text), m_cs(caseSensitive) {}

  bool Node(const reference::Node& n, int pos, const Next& next) const {
    const int size = static_cast<int>(m_text.size());
    switch (n.kind) {
      case Kind::Literal:
        return pos < size && SameLetter(m_text[pos], n.ch) && next(pos + 1);
      case Kind::Any:
        return pos < size && next(pos + 1);
      case Kind::Class:
        return pos < size && InClass(n, m_text[pos]) && next(pos + 1);
      case Kind::LineStart:
        return pos == 0 && next(pos);
      case Kind::LineEnd:
        return pos == size && next(pos);
      case Kind::Group:
        return Sequence(n.children, 0, pos, next);
      case Kind::Star:
        return Star(n.children.front(), pos, next);
      case Kind::Plus:
        // The first repetition may be empty; the further ones may not.
        return Node(n.children.front(), pos,
                    [&](int p) { return Star(n.children.front(), p, next); });
    }
    return false;
  }

 private:
  bool Sequence(const std::vector<reference::Node>& seq, std::size_t i, int pos,
                const Next& next) const {
    if (i == seq.size()) return next(pos);
    return Node(seq[i], pos, [&](int p) { return Sequence(seq, i + 1, p, next); });
  }

  // More repetitions first; each one must consume.
  bool Star(const reference::Node& body, int pos, const Next& next) const {
    return Node(body, pos, [&](int p) { return p > pos && Star(body, p, next); }) || next(pos);
  }

  bool SameLetter(Char t, Char p) const { return m_cs ? t == p : Upper(t) == Upper(p); }

  bool InClass(const reference::Node& n, Char c) const {
    auto member = [&](Char x) {
      for (const ClassItem& item : n.items) {
        if (item.lo <= x && x <= item.hi) return true;
      }
      return false;
    };
    const bool in = m_cs ? member(c) : member(c) || member(Upper(c)) || member(Lower(c));
    return in != n.negated;
  }

  StringView m_text;
  bool m_cs;
};

}  // namespace

Node RandomPattern(std::mt19937& rng, int depth) {
  Node root;
  root.kind = Kind::Group;
  const int count = std::uniform_int_distribution<int>(0, 4)(rng);
  for (int i = 0; i < count; ++i) root.children.push_back(RandomAtom(rng, depth));
  return root;
}

String Render(const Node& root) {
  String out;
  for (const Node& child : root.children) RenderNode(child, out);
  return out;
}

std::optional<RegexMatch> Search(const Node& root, StringView pattern, StringView text, int start,
                                 bool forward, bool caseSensitive,
                                 std::optional<int> emptyBanIndex) {
  if (pattern.empty()) return std::nullopt;
  const int n = static_cast<int>(text.size());
  const bool lineAnchor = pattern == U"^" || pattern == U"$" || pattern == U"^$";
  // A match may begin at a character; at the end of the line only for the
  // line-anchor patterns. Forward it begins at or after start; backward at
  // or before it, where a start at or past the length reaches the end.
  auto allowed = [&](int position) {
    if (position == n + 1 && !lineAnchor) return false;
    if (forward) return position >= start;
    return position <= start || (position == n + 1 && start >= n);
  };
  const Backtracker matcher(text, caseSensitive);
  for (int i = 0; i <= n; ++i) {
    const int position = forward ? i + 1 : n + 1 - i;
    if (!allowed(position)) continue;
    int end = -1;
    if (!matcher.Node(root, position - 1, [&](int p) {
          end = p;
          return true;
        })) {
      continue;
    }
    if (end == position - 1 && emptyBanIndex == position - 1) continue;
    return RegexMatch{position, end - (position - 1)};
  }
  return std::nullopt;
}

}  // namespace qs::reference
