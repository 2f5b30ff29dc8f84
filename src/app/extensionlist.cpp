#include "app/extensionlist.h"

#include <algorithm>

#include "platform/mimeglobs.h"
#include "support/asciicase.h"
#include "support/errors.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr StringView kSeparators = U" *,.;";

}  // namespace

std::vector<std::string> ParseExtensionList(StringView text) {
  std::vector<std::string> parts;
  String part;
  const auto flush = [&] {
    if (!part.empty()) parts.push_back(ToUtf8(part));
    part.clear();
  };
  for (const Char c : text) {
    if (kSeparators.find(c) != StringView::npos || c == U'\t' || c == U'\n' || c == U'\r')
      flush();
    else
      part += AsciiLower(c);
  }
  flush();
  std::sort(parts.begin(), parts.end());
  parts.erase(std::unique(parts.begin(), parts.end()), parts.end());
  return parts;
}

String JoinExtensionList(const std::vector<std::string>& extensions) {
  String text;
  for (const std::string& extension : extensions) {
    if (!text.empty()) text += U',';
    text += FromUtf8(extension);
  }
  return text;
}

void RequireValidExtensions(const std::vector<std::string>& extensions) {
  for (const std::string& extension : extensions)
    if (!IsValidExtension(extension))
      throw Error("\"" + extension +
                  "\" is not a valid file extension: use letters, digits, \"_\", \"-\" and \"+\" "
                  "only, at most 32 of them");
}

}  // namespace qs
