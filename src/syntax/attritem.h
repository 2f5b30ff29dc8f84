// Display attributes of a scheme: the font-table items that style bytes name,
// the highlighter's default attribute, and the font table that hands out IDs.
#pragma once

#include <cstdint>
#include <functional>

#include "support/collection.h"
#include "syntax/attrfont.h"
#include "textmodel/urlmarker.h"

namespace qs {

// The attribute ID the URL marking writes; never handed out to a new attribute.
inline constexpr std::int32_t kUrlAttrId = kUrlStyleByte;

class TAttrItem : public TCollectionItem {
 public:
  TAttrItem() = default;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  std::int32_t FontID() const noexcept { return m_fontId; }
  void SetFontID(std::int32_t id);  // -1..255, else qs::Error
  const String& GlobalAttrID() const noexcept { return m_globalAttrId; }
  void SetGlobalAttrID(const String& s) { m_globalAttrId = s; }
  std::int32_t BlockID() const noexcept { return m_blockId; }
  void SetBlockID(std::int32_t id);  // -1..255, else qs::Error
  TAttrFont& Font() noexcept { return m_font; }
  const TAttrFont& Font() const noexcept { return m_font; }
  virtual void SetFont(const TAttrFont& font) { m_font.Assign(font); }
  TColor BackColor() const noexcept { return m_backColor; }
  virtual void SetBackColor(TColor c) { m_backColor = c; }
  bool UseDefFont() const noexcept { return m_useDefFont; }
  void SetUseDefFont(bool on) { m_useDefFont = on; }
  bool UseDefBack() const noexcept { return m_useDefBack; }
  void SetUseDefBack(bool on) { m_useDefBack = on; }

  // What painting uses, filled by the scheme's attribute resolution.
  const TAttrFont& ResolvedFont() const noexcept { return m_resolvedFont; }
  TColor ResolvedBack() const noexcept { return m_resolvedBack; }
  void SetResolved(const TAttrFont& font, TColor back) {
    m_resolvedFont.Assign(font);
    m_resolvedBack = back;
  }

 protected:
  bool m_useDefFont = true;
  bool m_useDefBack = true;

 private:
  friend class TFontList;
  std::int32_t m_fontId = -1;
  String m_globalAttrId;
  std::int32_t m_blockId = 0;
  TAttrFont m_font;
  TColor m_backColor = clWindow;
  TAttrFont m_resolvedFont;
  TColor m_resolvedBack = clWindow;
};

// The highlighter's own attribute: the base font of a scheme that does not
// follow the global text styles. Its owner hears of font and background changes.
class TDefAttrItem : public TAttrItem {
 public:
  TDefAttrItem();
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  void SetFont(const TAttrFont& font) override;
  void SetBackColor(TColor c) override;
  std::function<void()> OnChange;
};

class TFontList : public TCollection {
 public:
  TFontList();
  TAttrItem& Items(int index) { return static_cast<TAttrItem&>(TCollection::Items(index)); }
  const TAttrItem& Items(int index) const {
    return static_cast<const TAttrItem&>(TCollection::Items(index));
  }
  // A new item carries the lowest free FontID.
  TAttrItem& Add() { return static_cast<TAttrItem&>(TCollection::Add()); }
  // The lowest ID in 0..254 no item uses, skipping the URL attribute's; -1 when none.
  std::int32_t NewFontID() const;
  TAttrItem* FindAttr(std::int32_t fontId);
  const TAttrItem* FindAttr(std::int32_t fontId) const;
};

}  // namespace qs
