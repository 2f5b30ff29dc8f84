// An insertion-ordered list of named entries whose names compare ignoring ASCII
// letter case and keep the case they were first given. Lookups are hashed, so a
// long list read from a file costs linear time to build.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qs {

// Lower-cases ASCII letters only; every other byte (UTF-8 included) is kept.
inline std::string FoldAscii(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

template <class T>
class FoldedList {
 public:
  struct Entry {
    std::string name;
    T value;
  };

  T* Find(std::string_view name) {
    const auto it = m_index.find(FoldAscii(name));
    return it == m_index.end() ? nullptr : &m_entries[it->second].value;
  }
  const T* Find(std::string_view name) const {
    const auto it = m_index.find(FoldAscii(name));
    return it == m_index.end() ? nullptr : &m_entries[it->second].value;
  }

  // Sets the entry of this name, keeping its place and the case of its first name,
  // or appends a new entry.
  T& Set(std::string_view name, T value) {
    if (T* present = Find(name)) {
      *present = std::move(value);
      return *present;
    }
    m_index.emplace(FoldAscii(name), m_entries.size());
    m_entries.push_back(Entry{std::string(name), std::move(value)});
    return m_entries.back().value;
  }

  // Removes the entry; the others keep their order.
  bool Erase(std::string_view name) {
    const auto it = m_index.find(FoldAscii(name));
    if (it == m_index.end()) return false;
    const std::size_t at = it->second;
    m_index.erase(it);
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(at));
    for (auto& slot : m_index)
      if (slot.second > at) --slot.second;
    return true;
  }

  void Clear() {
    m_entries.clear();
    m_index.clear();
  }
  bool Empty() const noexcept { return m_entries.empty(); }
  const std::vector<Entry>& Entries() const noexcept { return m_entries; }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    names.reserve(m_entries.size());
    for (const Entry& e : m_entries) names.push_back(e.name);
    return names;
  }

 private:
  std::vector<Entry> m_entries;
  std::unordered_map<std::string, std::size_t> m_index;  // folded name -> position
};

}  // namespace qs
