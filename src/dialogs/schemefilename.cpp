#include "dialogs/schemefilename.h"

namespace qs {

namespace {

bool IsAsciiAlnum(Char c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

}  // namespace

std::string SuggestSchemeFileName(StringView schemeName) {
  std::string name;
  for (const Char c : schemeName) {
    if (IsAsciiAlnum(c))
      name.push_back(static_cast<char>(c));
    else if (!name.empty() && name.back() != '_')
      name.push_back('_');
  }
  if (!name.empty() && name.back() == '_') name.pop_back();
  if (name.empty()) name = "scheme";
  return name + ".sch";
}

}  // namespace qs
