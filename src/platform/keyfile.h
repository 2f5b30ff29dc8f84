// The desktop's "key file" notation (desktop entries, mimeapps.list, the
// settings of many desktop programs): groups of key=value lines. A file is
// edited in place: every line this code does not change (comments, other
// groups, localised keys) is written back as it was read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qs {

class TKeyFile {
 public:
  TKeyFile() = default;
  // Never fails: a line that is neither a group header nor an entry is kept
  // as it stands and otherwise ignored.
  [[nodiscard]] static TKeyFile Parse(std::string_view text);
  [[nodiscard]] std::string Text() const;

  [[nodiscard]] bool HasGroup(std::string_view group) const;
  [[nodiscard]] std::vector<std::string> Groups() const;
  // The value with its escapes (\s \n \t \r \\ \;) undone.
  [[nodiscard]] std::optional<std::string> Get(std::string_view group, std::string_view key) const;
  // The items of a ";"-separated list; a missing key is an empty list.
  [[nodiscard]] std::vector<std::string> GetList(std::string_view group,
                                                 std::string_view key) const;

  // Replaces the value of the first entry of that key, or adds the entry at
  // the end of the group, adding the group at the end of the file.
  void Set(std::string_view group, std::string_view key, std::string_view value);
  // Each item ends with ";", and a ";" inside an item is escaped.
  void SetList(std::string_view group, std::string_view key, const std::vector<std::string>& items);
  // False when there was no such entry.
  bool Remove(std::string_view group, std::string_view key);
  bool RemoveGroup(std::string_view group);
  // True when no group holds an entry (comments alone do not count).
  [[nodiscard]] bool Empty() const;

 private:
  struct Line {
    std::string text;  // the whole line as written
    std::string key;   // empty for comments, blank and unreadable lines
  };
  struct Group {
    std::string name;  // empty for the lines before the first header
    std::vector<Line> lines;
  };
  [[nodiscard]] const Group* Find(std::string_view name) const;
  Group* Find(std::string_view name);
  [[nodiscard]] std::optional<std::string> RawGet(std::string_view group,
                                                  std::string_view key) const;
  void SetRaw(std::string_view group, std::string_view key, std::string rawValue);

  std::vector<Group> m_groups;
};

// The escapes of a value as a key file holds it.
[[nodiscard]] std::string EscapeKeyFileValue(std::string_view value);

}  // namespace qs
