#include "app/schemematch.h"

#include <algorithm>

#include "app/schemefolders.h"
#include "platform/filesystem.h"
#include "support/errors.h"
#include "support/unicodecase.h"
#include "syntax/qsSyntax.h"
#include "textmodel/qsstring.h"

namespace qs {

namespace {

StringView Trimmed(StringView s) {
  while (!s.empty() && s.front() <= U' ') s.remove_prefix(1);
  while (!s.empty() && s.back() <= U' ') s.remove_suffix(1);
  return s;
}

// From the last "." of the file-name part on; empty when there is none.
String ExtensionOf(StringView fileName) {
  const String name = ToLower(Trimmed(fileName));
  const std::size_t slash = name.find_last_of(U"/\\");
  const std::size_t base = slash == String::npos ? 0 : slash + 1;
  const std::size_t dot = name.rfind(U'.');
  if (dot == String::npos || dot < base) return {};
  return name.substr(dot);
}

bool ContainsHtmlTag(StringView line) {
  return ToLower(line).find(U"<html") != String::npos;
}

}  // namespace

int SchemeIndexForFile(std::span<const TSchemeEntry> entries, StringView fileName) {
  const String extension = ExtensionOf(fileName);
  if (extension.size() <= 1) return 0;
  const String wrapped = U";" + extension.substr(1) + U";";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const String listed = U";" + ToLower(entries[i].extensions) + U";";
    if (listed.find(wrapped) != String::npos) return static_cast<int>(i) + 1;
  }
  return 0;
}

int AutoSchemeIndex(std::span<const TSchemeEntry> entries, StringView fileName,
                    const TCustomMemoSource& document) {
  int index = SchemeIndexForFile(entries, fileName);
  if (index == 0 && ExtensionOf(fileName).empty()) {
    const String lower = ToLower(fileName);
    if (lower.find(U"\\temporary internet files\\") != String::npos ||
        lower.find(U"/temporary internet files/") != String::npos)
      index = SchemeIndexForFile(entries, U".html");
  }
  if (index == 0) {
    const std::int32_t lines = std::min<std::int32_t>(document.LineCount(), 10);
    for (std::int32_t i = 0; i < lines; ++i) {
      if (ContainsHtmlTag(document.StoredLine(i))) {
        index = SchemeIndexForFile(entries, U"z.html");
        break;
      }
    }
  }
  return index;
}

std::vector<TSchemeEntry> ReadSchemeFolder(IFileSystem& files, const std::string& folder) {
  std::vector<TSchemeEntry> entries;
  if (!files.IsDirectory(folder)) return entries;
  for (const std::string& file : files.ListDirectory(folder, "*.sch")) {
    TSyntaxScheme scheme;
    try {
      LoadSchemeFile(files, JoinPath(folder, file), scheme);
    } catch (const Error&) {
      continue;
    }
    entries.push_back({file, scheme.Name(), scheme.Extensions()});
  }
  return entries;
}

}  // namespace qs
