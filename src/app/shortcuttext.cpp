#include "app/shortcuttext.h"

#include <array>
#include <string>

#include "support/unicodecase.h"
#include "support/utf8.h"

namespace qs {

namespace {

struct NamedKey {
  TKey key;
  StringView name;
};

// Keys outside letters, digits and function keys. A key without a name is
// written as "#" and its code, which reads back as well.
constexpr std::array kNamedKeys{
    NamedKey{vk::Space, U"Space"}, NamedKey{vk::Insert, U"Ins"}, NamedKey{vk::Delete, U"Del"},
    NamedKey{vk::Back, U"BkSp"},   NamedKey{vk::Escape, U"Esc"}, NamedKey{vk::Return, U"Enter"},
    NamedKey{vk::Tab, U"Tab"},     NamedKey{vk::Home, U"Home"},  NamedKey{vk::End, U"End"},
    NamedKey{vk::Prior, U"PgUp"},  NamedKey{vk::Next, U"PgDn"},  NamedKey{vk::Left, U"Left"},
    NamedKey{vk::Right, U"Right"}, NamedKey{vk::Up, U"Up"},      NamedKey{vk::Down, U"Down"},
};

struct Modifier {
  TShiftState flag;
  StringView name;
};

// In the order the text writes them.
constexpr std::array kModifiers{Modifier{ssShift, U"Shift"}, Modifier{ssCtrl, U"Ctrl"},
                                Modifier{ssAlt, U"Alt"}};

std::optional<int> Decimal(StringView digits, int maxValue) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  int value = 0;
  for (Char c : digits) {
    if (c < U'0' || c > U'9') return std::nullopt;
    value = value * 10 + static_cast<int>(c - U'0');
  }
  if (value > maxValue) return std::nullopt;
  return value;
}

bool SameName(StringView a, StringView b) {
  return ToUpper(a) == ToUpper(b);
}

}  // namespace

String KeyToText(TKey key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return String(1, Char(key));
  if (key >= vk::F1 && key <= vk::F24) return U"F" + FromUtf8(std::to_string(key - vk::F1 + 1));
  for (const NamedKey& named : kNamedKeys)
    if (named.key == key) return String(named.name);
  return U"#" + FromUtf8(std::to_string(key));
}

std::optional<TKey> KeyFromText(StringView name) {
  if (name.size() == 1) {
    const Char c = ToUpperChar(name[0]);
    if ((c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9')) return static_cast<TKey>(c);
    return std::nullopt;
  }
  for (const NamedKey& named : kNamedKeys)
    if (SameName(name, named.name)) return named.key;
  if (name.size() > 1 && (name[0] == U'F' || name[0] == U'f')) {
    if (std::optional<int> n = Decimal(name.substr(1), vk::F24 - vk::F1 + 1); n && *n >= 1)
      return static_cast<TKey>(vk::F1 + *n - 1);
    return std::nullopt;
  }
  if (name[0] == U'#') {
    if (std::optional<int> code = Decimal(name.substr(1), 0xFFFF); code && *code > 0)
      return static_cast<TKey>(*code);
  }
  return std::nullopt;
}

String ShortCutToText(TShortCut shortCut) {
  if (shortCut.IsEmpty()) return {};
  String text;
  for (const Modifier& modifier : kModifiers)
    if ((shortCut.shift & modifier.flag) != 0) text += String(modifier.name) + U"+";
  return text + KeyToText(shortCut.key);
}

std::optional<TShortCut> TextToShortCut(StringView text) {
  if (text.empty()) return TShortCut{};
  TShortCut shortCut;
  for (;;) {
    const std::size_t plus = text.find(U'+');
    if (plus == StringView::npos) break;
    const StringView part = text.substr(0, plus);
    bool known = false;
    for (const Modifier& modifier : kModifiers) {
      if (SameName(part, modifier.name)) {
        shortCut.shift |= modifier.flag;
        known = true;
      }
    }
    if (!known) return std::nullopt;
    text.remove_prefix(plus + 1);
  }
  const std::optional<TKey> key = KeyFromText(text);
  if (!key) return std::nullopt;
  shortCut.key = *key;
  return shortCut;
}

}  // namespace qs
