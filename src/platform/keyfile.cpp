#include "platform/keyfile.h"

#include <algorithm>
#include <utility>

namespace qs {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The key of an entry line ("Key=value", "Key[de]=value"), or empty.
std::string EntryKey(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == '#' || trimmed.front() == '[') return {};
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {};
  return std::string(Trim(trimmed.substr(0, equals)));
}

std::string_view RawValue(std::string_view line) {
  return Trim(line.substr(line.find('=') + 1));
}

std::string Unescape(std::string_view raw) {
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      out += raw[i];
      continue;
    }
    switch (const char next = raw[++i]) {
      case 's':
        out += ' ';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      case ';':
        out += ';';
        break;
      default:
        out += '\\';
        out += next;
    }
  }
  return out;
}

}  // namespace

std::string EscapeKeyFileValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    switch (const char c = value[i]) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case ' ':
        out += i == 0 ? "\\s" : " ";
        break;
      default:
        out += c;
    }
  }
  return out;
}

TKeyFile TKeyFile::Parse(std::string_view text) {
  TKeyFile file;
  file.m_groups.push_back({});
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const std::string_view trimmed = Trim(line);
    if (trimmed.size() > 1 && trimmed.front() == '[' && trimmed.back() == ']') {
      file.m_groups.push_back({std::string(trimmed.substr(1, trimmed.size() - 2)), {}});
      continue;
    }
    file.m_groups.back().lines.push_back({std::string(line), EntryKey(line)});
  }
  return file;
}

std::string TKeyFile::Text() const {
  std::string out;
  for (const Group& group : m_groups) {
    if (&group != &m_groups.front() || !group.name.empty()) out += "[" + group.name + "]\n";
    for (const Line& line : group.lines) out += line.text + "\n";
  }
  return out;
}

const TKeyFile::Group* TKeyFile::Find(std::string_view name) const {
  for (std::size_t i = 1; i < m_groups.size(); ++i)
    if (m_groups[i].name == name) return &m_groups[i];
  return nullptr;
}

TKeyFile::Group* TKeyFile::Find(std::string_view name) {
  return const_cast<Group*>(std::as_const(*this).Find(name));
}

bool TKeyFile::HasGroup(std::string_view group) const {
  return Find(group) != nullptr;
}

std::vector<std::string> TKeyFile::Groups() const {
  std::vector<std::string> names;
  for (std::size_t i = 1; i < m_groups.size(); ++i) names.push_back(m_groups[i].name);
  return names;
}

std::optional<std::string> TKeyFile::RawGet(std::string_view group, std::string_view key) const {
  const Group* found = Find(group);
  if (!found) return std::nullopt;
  for (const Line& line : found->lines)
    if (line.key == key) return std::string(RawValue(line.text));
  return std::nullopt;
}

std::optional<std::string> TKeyFile::Get(std::string_view group, std::string_view key) const {
  const std::optional<std::string> raw = RawGet(group, key);
  if (!raw) return std::nullopt;
  return Unescape(*raw);
}

std::vector<std::string> TKeyFile::GetList(std::string_view group, std::string_view key) const {
  const std::string raw = RawGet(group, key).value_or("");
  std::vector<std::string> items;
  std::string item;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == ';') {
      if (!item.empty()) items.push_back(Unescape(item));
      item.clear();
      continue;
    }
    item += raw[i];
    if (raw[i] == '\\' && i + 1 < raw.size()) item += raw[++i];
  }
  if (!item.empty()) items.push_back(Unescape(item));
  return items;
}

void TKeyFile::SetRaw(std::string_view group, std::string_view key, std::string rawValue) {
  Group* found = Find(group);
  if (!found) {
    if (m_groups.empty()) m_groups.push_back({});
    // A blank line between groups, as the desktop's own tools write them.
    if (!m_groups.back().lines.empty() && !m_groups.back().lines.back().text.empty())
      m_groups.back().lines.push_back({"", ""});
    m_groups.push_back({std::string(group), {}});
    found = &m_groups.back();
  }
  Line entry{std::string(key) + "=" + rawValue, std::string(key)};
  for (Line& line : found->lines)
    if (line.key == key) {
      line = std::move(entry);
      return;
    }
  // New entries go before the blank lines that end the group.
  auto at = found->lines.end();
  while (at != found->lines.begin() && Trim((at - 1)->text).empty()) --at;
  found->lines.insert(at, std::move(entry));
}

void TKeyFile::Set(std::string_view group, std::string_view key, std::string_view value) {
  SetRaw(group, key, EscapeKeyFileValue(value));
}

void TKeyFile::SetList(std::string_view group, std::string_view key,
                       const std::vector<std::string>& items) {
  std::string raw;
  for (const std::string& item : items) {
    for (const char c : EscapeKeyFileValue(item)) {
      if (c == ';') raw += '\\';
      raw += c;
    }
    raw += ';';
  }
  SetRaw(group, key, std::move(raw));
}

bool TKeyFile::Remove(std::string_view group, std::string_view key) {
  Group* found = Find(group);
  if (!found) return false;
  const auto it = std::find_if(found->lines.begin(), found->lines.end(),
                               [&](const Line& line) { return line.key == key; });
  if (it == found->lines.end()) return false;
  found->lines.erase(it);
  return true;
}

bool TKeyFile::RemoveGroup(std::string_view group) {
  const Group* found = Find(group);
  if (!found) return false;
  m_groups.erase(m_groups.begin() + (found - m_groups.data()));
  return true;
}

bool TKeyFile::Empty() const {
  return std::none_of(m_groups.begin(), m_groups.end(), [](const Group& group) {
    return std::any_of(group.lines.begin(), group.lines.end(),
                       [](const Line& line) { return !line.key.empty(); });
  });
}

}  // namespace qs
