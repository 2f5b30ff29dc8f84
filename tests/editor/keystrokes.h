// Key strokes written as text for keyboard tests: strokes separated by
// blanks, each "Ctrl+Shift+Alt+" (any of them, any order) and a key name:
// a letter or digit, "[", "]", F1..F12, Home, End, PgUp, PgDn, Up, Down,
// Left, Right, Ins, Del, BkSp, Enter, Esc, Tab, Num-, Num+, Num*.
#pragma once

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/keys.h"

namespace qs::testing {

struct Stroke {
  TKey key = 0;
  TShiftState shift = 0;
};

inline TKey KeyNamed(const std::string& name) {
  static const std::map<std::string, TKey> kNames = {
      {"Home", vk::Home},        {"End", vk::End},       {"PgUp", vk::Prior},
      {"PgDn", vk::Next},        {"Up", vk::Up},         {"Down", vk::Down},
      {"Left", vk::Left},        {"Right", vk::Right},   {"Ins", vk::Insert},
      {"Del", vk::Delete},       {"BkSp", vk::Back},     {"Enter", vk::Return},
      {"Esc", vk::Escape},       {"Tab", vk::Tab},       {"Num-", vk::Subtract},
      {"Num+", vk::Add},         {"Num*", vk::Multiply}, {"[", vk::OemOpenBracket},
      {"]", vk::OemCloseBracket}};
  if (const auto it = kNames.find(name); it != kNames.end()) return it->second;
  if (name.size() == 1 &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
    return static_cast<TKey>(name[0]);
  if (name.size() >= 2 && name[0] == 'F') return vk::Function(std::stoi(name.substr(1)));
  throw std::invalid_argument("unknown key name " + name);
}

inline Stroke ParseStroke(std::string text) {
  Stroke s;
  const std::pair<const char*, TShiftState> modifiers[] = {
      {"Ctrl+", ssCtrl}, {"Shift+", ssShift}, {"Alt+", ssAlt}};
  for (bool found = true; found;) {
    found = false;
    for (const auto& [prefix, flag] : modifiers) {
      const std::string p = prefix;
      if (text.size() > p.size() && text.compare(0, p.size(), p) == 0) {
        s.shift |= flag;
        text.erase(0, p.size());
        found = true;
      }
    }
  }
  s.key = KeyNamed(text);
  return s;
}

inline std::vector<Stroke> ParseStrokes(const std::string& text) {
  std::vector<Stroke> strokes;
  std::istringstream in(text);
  for (std::string word; in >> word;) strokes.push_back(ParseStroke(word));
  return strokes;
}

}  // namespace qs::testing
