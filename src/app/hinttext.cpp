#include "app/hinttext.h"

#include "app/functionlists.h"

namespace qs {

namespace {

bool IsArgumentEnd(Char c) {
  return c == U'(' || c == U')' || c == U',' || c == U'[' || c == U']';
}

bool IsSkippedBeforeArgument(Char c) {
  return c == U' ' || c == U'\t' || IsArgumentEnd(c);
}

}  // namespace

String MarkArgument(StringView declaration, int argument) {
  int seen = 0;
  std::size_t i = 0;
  for (; i < declaration.size(); ++i) {
    const Char c = declaration[i];
    if ((c == U'(' || c == U')' || c == U',') && ++seen == argument) break;
  }
  if (argument < 1 || i >= declaration.size()) return String(declaration);
  std::size_t start = i;
  while (start < declaration.size() && IsSkippedBeforeArgument(declaration[start])) ++start;
  std::size_t end = start;
  while (end < declaration.size() && !IsArgumentEnd(declaration[end])) ++end;
  // More arguments typed than declared: nothing to mark.
  if (end == start) return String(declaration);
  String marked(declaration.substr(0, start));
  marked += U'~';
  marked += declaration.substr(start, end - start);
  marked += U'~';
  marked += declaration.substr(end);
  return marked;
}

String FunctionHintText(StringView value, int argument) {
  const TFunctionValue parts = SplitFunctionValue(value);
  return MarkArgument(parts.declaration, argument) + U"\r\n" + parts.description;
}

String ArgumentPart(StringView declaration) {
  const std::size_t open = declaration.find(U'(');
  if (open == StringView::npos) return {};
  const std::size_t close = declaration.find(U')', open);
  if (close == StringView::npos) return {};
  return String(declaration.substr(open, close - open + 1));
}

}  // namespace qs
