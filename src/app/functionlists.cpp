#include "app/functionlists.h"

#include <algorithm>

#include "platform/filesystem.h"
#include "support/errors.h"
#include "support/guardedcall.h"
#include "support/unicodecase.h"
#include "support/utf8.h"

namespace qs {

namespace {

// Far beyond any list of functions; a larger file is no list of ours.
constexpr std::uint64_t kMaxListBytes = 16u << 20;

StringView Trimmed(StringView s) {
  while (!s.empty() && s.front() <= U' ') s.remove_prefix(1);
  while (!s.empty() && s.back() <= U' ') s.remove_suffix(1);
  return s;
}

std::vector<String> SplitLines(StringView text) {
  std::vector<String> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(U'\n', start);
    if (end == StringView::npos) end = text.size();
    StringView line = text.substr(start, end - start);
    if (!line.empty() && line.back() == U'\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

String FileLanguageName(StringView language) {
  String name;
  for (Char c : ToLower(language))
    if ((c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') || c == U'_' || c == U'-')
      name.push_back(c);
  return name;
}

std::optional<String> TFunctionsListItem::ValueOf(StringView name) const {
  if (!names || !lines) return std::nullopt;
  const String wanted = ToLower(name);
  for (std::size_t i = 0; i < names->size(); ++i) {
    if (ToLower((*names)[i]) != wanted) continue;
    const String& line = (*lines)[i];
    return line.substr(std::min(line.size(), (*names)[i].size() + 1));
  }
  return std::nullopt;
}

TFunctionValue SplitFunctionValue(StringView value) {
  const std::size_t dash = value.find(U" - ");
  if (dash == StringView::npos) return {String(Trimmed(value)), {}};
  return {String(Trimmed(value.substr(0, dash))), String(Trimmed(value.substr(dash + 3)))};
}

TFunctionLists::TFunctionLists(IFileSystem& files, std::string folder)
    : m_files(files), m_folder(std::move(folder)) {}

const TFunctionsListItem& TFunctionLists::GetFunctionList(StringView language) {
  const String key = FileLanguageName(language);
  for (const auto& item : m_cache)
    if (item->language == key) return *item;
  auto item = std::make_unique<TFunctionsListItem>();
  item->language = key;
  // A list that cannot be read gives no hints, like a missing one; the
  // reason goes to the log, not into the user's typing.
  if (!key.empty() && !m_folder.empty()) LoggedCall("function list", [&] { Load(*item); });
  m_cache.push_back(std::move(item));
  return *m_cache.back();
}

void TFunctionLists::Load(TFunctionsListItem& item) {
  const std::string path = m_folder + "/" + ToUtf8(item.language) + ".ini";
  if (!m_files.Exists(path) || m_files.IsDirectory(path)) return;
  if (m_files.FileSize(path) > kMaxListBytes)
    throw Error("The function list \"" + path + "\" is too large.");
  std::vector<String> lines = SplitLines(FromUtf8(m_files.ReadFile(path)));
  std::vector<String> names;
  names.reserve(lines.size());
  for (const String& line : lines) names.push_back(line.substr(0, line.find(U'=')));
  item.lines = std::move(lines);
  item.names = std::move(names);
}

}  // namespace qs
