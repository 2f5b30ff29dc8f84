#include "syntax/syntaxtokens.h"

#include <string>

#include "support/errors.h"

namespace qs {

std::int32_t CheckedId(std::int64_t value) {
  if (value < kNoAttr || value > kMaxAttrId)
    throw Error("ID " + std::to_string(value) + " is outside -1..255");
  return static_cast<std::int32_t>(value);
}

const ClassInfo& TToken::StaticClassInfo() {
  using T = TToken;
  static const ClassInfo info("TToken", &TCollectionItem::StaticClassInfo(),
                              {Prop::Integer<T>("FontID", &T::FontID, &T::SetFontID, kNoAttr),
                               Prop::Boolean<T>("UseToken", &T::UseToken, &T::SetUseToken, true)});
  return info;
}

const ClassInfo& TLineToken::StaticClassInfo() {
  using T = TLineToken;
  static const ClassInfo info(
      "TLineToken", &TToken::StaticClassInfo(),
      {Prop::String<T>("LeftDelimiter", &T::LeftDelimiter, &T::SetLeftDelimiter)});
  return info;
}

const ClassInfo& TBlockToken::StaticClassInfo() {
  using T = TBlockToken;
  static const ClassInfo info(
      "TBlockToken", &TLineToken::StaticClassInfo(),
      {Prop::String<T>("RightDelimiter", &T::RightDelimiter, &T::SetRightDelimiter)});
  return info;
}

const ClassInfo& TKeywordSet::StaticClassInfo() {
  using T = TKeywordSet;
  static const ClassInfo info("TKeywordSet", &TToken::StaticClassInfo(),
                              {Prop::String<T>("Name", &T::Name, &T::SetName),
                               Prop::String<T>("Keywords", &T::Keywords, &T::SetKeywords)});
  return info;
}

const ClassInfo& TDelimiters::StaticClassInfo() {
  using T = TDelimiters;
  static const ClassInfo info(
      "TDelimiters", &TCollectionItem::StaticClassInfo(),
      {Prop::String<T>("LeftDelimiter", &T::LeftDelimiter, &T::SetLeftDelimiter),
       Prop::String<T>("RightDelimiter", &T::RightDelimiter, &T::SetRightDelimiter),
       Prop::Boolean<T>("DelimitersArePartOfBlock", &T::DelimitersArePartOfBlock,
                        &T::SetDelimitersArePartOfBlock, false),
       Prop::Boolean<T>("UseToken", &T::UseToken, &T::SetUseToken, true)});
  return info;
}

std::vector<String> SplitCommaText(StringView text) {
  std::vector<String> items;
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto separator = [](Char c) { return c == U',' || c <= U' '; };
  while (i < n) {
    while (i < n && separator(text[i])) ++i;
    if (i >= n) break;
    String item;
    if (text[i] == U'"') {
      ++i;
      while (i < n) {
        if (text[i] == U'"') {
          if (i + 1 < n && text[i + 1] == U'"') {
            item += U'"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
      // Text glued to the closing quote belongs to the same item.
      while (i < n && !separator(text[i])) item += text[i++];
    } else {
      while (i < n && !separator(text[i])) item += text[i++];
    }
    if (!item.empty()) items.push_back(std::move(item));
  }
  return items;
}

}  // namespace qs
