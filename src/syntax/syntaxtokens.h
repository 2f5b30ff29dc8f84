// The rule items of a syntax block: delimiter tokens, keyword sets and the
// delimiter pairs that open child blocks, each in an ordered collection whose
// order is the order in which the highlighter tries them.
#pragma once

#include <cstdint>

#include "support/collection.h"

namespace qs {

// An attribute reference: -1 (the block's text attribute) or 0..255.
inline constexpr std::int32_t kNoAttr = -1;
inline constexpr std::int32_t kMaxAttrId = 255;
// Throws qs::Error for a value outside -1..255, so that a reader skips it.
std::int32_t CheckedId(std::int64_t value);

class TToken : public TCollectionItem {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  std::int32_t FontID() const noexcept { return m_fontId; }
  void SetFontID(std::int32_t id) { m_fontId = CheckedId(id); }
  bool UseToken() const noexcept { return m_useToken; }
  void SetUseToken(bool on) { m_useToken = on; }

 private:
  std::int32_t m_fontId = kNoAttr;
  bool m_useToken = true;
};

class TLineToken : public TToken {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& LeftDelimiter() const noexcept { return m_left; }
  void SetLeftDelimiter(const String& s) { m_left = s; }

 private:
  String m_left;
};

class TBlockToken : public TLineToken {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& RightDelimiter() const noexcept { return m_right; }
  void SetRightDelimiter(const String& s) { m_right = s; }

 private:
  String m_right;
};

class TKeywordSet : public TToken {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& Name() const noexcept { return m_name; }
  void SetName(const String& s) { m_name = s; }
  // Comma text: items separated by commas or blanks, an item may be double-quoted.
  const String& Keywords() const noexcept { return m_keywords; }
  void SetKeywords(const String& s) { m_keywords = s; }

 private:
  String m_name;
  String m_keywords;
};

class TDelimiters : public TCollectionItem {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& LeftDelimiter() const noexcept { return m_left; }
  void SetLeftDelimiter(const String& s) { m_left = s; }
  const String& RightDelimiter() const noexcept { return m_right; }
  void SetRightDelimiter(const String& s) { m_right = s; }
  bool DelimitersArePartOfBlock() const noexcept { return m_partOfBlock; }
  void SetDelimitersArePartOfBlock(bool on) { m_partOfBlock = on; }
  bool UseToken() const noexcept { return m_useToken; }
  void SetUseToken(bool on) { m_useToken = on; }

 private:
  String m_left;
  String m_right;
  bool m_partOfBlock = false;
  bool m_useToken = true;
};

using TLineTokenList = TOwnedCollection<TLineToken>;
using TBlockTokenList = TOwnedCollection<TBlockToken>;
using TKeywordSetList = TOwnedCollection<TKeywordSet>;
using TDelimitersList = TOwnedCollection<TDelimiters>;

// Splits comma text: commas and blanks (characters up to #32) separate items,
// and a double-quoted item may hold both ("" inside it is one quote).
std::vector<String> SplitCommaText(StringView text);

}  // namespace qs
