#include "syntax/attritem.h"

#include <bitset>
#include <memory>

#include "syntax/syntaxtokens.h"

namespace qs {

void TAttrItem::SetFontID(std::int32_t id) {
  m_fontId = CheckedId(id);
}
void TAttrItem::SetBlockID(std::int32_t id) {
  m_blockId = CheckedId(id);
}

const ClassInfo& TAttrItem::StaticClassInfo() {
  using T = TAttrItem;
  static const ClassInfo info(
      "TAttrItem", &TCollectionItem::StaticClassInfo(),
      {Prop::Integer<T>("FontID", &T::FontID, &T::SetFontID, -1).NoDefault(),
       Prop::String<T>("GlobalAttrID", &T::GlobalAttrID, &T::SetGlobalAttrID),
       Prop::Integer<T>("BlockID", &T::BlockID, &T::SetBlockID, 0),
       Prop::Object<T>("Font", static_cast<TAttrFont& (T::*)()>(&T::Font)),
       Prop::Colour<T>("BackColor", &T::BackColor, &T::SetBackColor, clWindow),
       Prop::Boolean<T>("UseDefFont", &T::UseDefFont, &T::SetUseDefFont, true),
       Prop::Boolean<T>("UseDefBack", &T::UseDefBack, &T::SetUseDefBack, true)});
  return info;
}

TDefAttrItem::TDefAttrItem() {
  m_useDefFont = false;
  m_useDefBack = false;
}

const ClassInfo& TDefAttrItem::StaticClassInfo() {
  using T = TDefAttrItem;
  static const ClassInfo info(
      "TDefAttrItem", &TAttrItem::StaticClassInfo(),
      {Prop::Boolean<T>("UseDefFont", &T::UseDefFont, &T::SetUseDefFont, false),
       Prop::Boolean<T>("UseDefBack", &T::UseDefBack, &T::SetUseDefBack, false)});
  return info;
}

void TDefAttrItem::SetFont(const TAttrFont& font) {
  TAttrItem::SetFont(font);
  if (OnChange) OnChange();
}

void TDefAttrItem::SetBackColor(TColor c) {
  TAttrItem::SetBackColor(c);
  if (OnChange) OnChange();
}

TFontList::TFontList()
    : TCollection([this] {
        auto item = std::make_unique<TAttrItem>();
        item->m_fontId = NewFontID();
        return item;
      }) {}

std::int32_t TFontList::NewFontID() const {
  std::bitset<256> used;
  used.set(kUrlAttrId);
  for (int i = 0; i < Count(); ++i) {
    const std::int32_t id = Items(i).FontID();
    if (id >= 0 && id <= kMaxAttrId) used.set(static_cast<std::size_t>(id));
  }
  // 255 is the byte of -1 ("the block's text") and never names an attribute.
  for (std::int32_t id = 0; id < kMaxAttrId; ++id)
    if (!used.test(static_cast<std::size_t>(id))) return id;
  return -1;
}

TAttrItem* TFontList::FindAttr(std::int32_t fontId) {
  for (int i = 0; i < Count(); ++i)
    if (Items(i).FontID() == fontId) return &Items(i);
  return nullptr;
}

const TAttrItem* TFontList::FindAttr(std::int32_t fontId) const {
  return const_cast<TFontList*>(this)->FindAttr(fontId);
}

}  // namespace qs
