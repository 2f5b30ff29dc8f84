#include "support/collection.h"

#include <algorithm>
#include <string>

#include "support/asciicase.h"
#include "support/errors.h"
#include "support/updatebracket.h"

namespace qs {

namespace {

bool SameName(StringView a, StringView b, bool ignoreCase) {
  return ignoreCase ? EqualsIgnoringAsciiCase(a, b) : a == b;
}

}  // namespace

const ClassInfo& TCollectionItem::StaticClassInfo() {
  static const ClassInfo info("TCollectionItem", &TPersistent::StaticClassInfo());
  return info;
}

void TCollectionItem::SetIndex(int index) {
  if (m_collection && index != m_index) m_collection->Move(m_index, index);
}

void TCollectionItem::Changed() {
  if (m_collection) m_collection->Changed(this);
}

TCollection::TCollection(ItemFactory factory) : m_factory(std::move(factory)) {}

TCollection::~TCollection() {
  // Items may report changes while they are destroyed; nobody listens any more.
  m_onChange = nullptr;
  for (auto& item : m_items) item->m_collection = nullptr;
}

const ClassInfo& TCollection::StaticClassInfo() {
  static const ClassInfo info("TCollection", &TPersistent::StaticClassInfo());
  return info;
}

void TCollection::Assign(const TPersistent& source) {
  if (&source == this) return;
  const auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other) throw Error("Cannot assign a " + source.ClassName() + " to a " + ClassName());
  UpdateBracket bracket(*this);
  // Items are added before they are assigned so that they see their collection
  // while their properties are set, as they do when built one by one.
  std::vector<std::unique_ptr<TCollectionItem>> old = std::move(m_items);
  m_items.clear();
  try {
    for (int i = 0; i < other->Count(); ++i) Add().Assign(other->Items(i));
  } catch (...) {
    for (auto& item : m_items) item->m_collection = nullptr;
    m_items = std::move(old);
    throw;
  }
  for (auto& item : old) item->m_collection = nullptr;
  if (!old.empty()) m_pending = true;
}

void TCollection::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit)
    throw Error("List index out of bounds (" + std::to_string(index) + ")");
}

TCollectionItem& TCollection::Items(int index) {
  CheckIndex(index, Count());
  return *m_items[static_cast<std::size_t>(index)];
}

const TCollectionItem& TCollection::Items(int index) const {
  CheckIndex(index, Count());
  return *m_items[static_cast<std::size_t>(index)];
}

void TCollection::Renumber(std::size_t from) {
  for (std::size_t i = from; i < m_items.size(); ++i) m_items[i]->m_index = static_cast<int>(i);
}

void TCollection::Adopt(int index, std::unique_ptr<TCollectionItem> item) {
  if (!item) throw Error("The item factory of " + ClassName() + " gave no item");
  item->m_collection = this;
  m_items.insert(m_items.begin() + index, std::move(item));
  Renumber(static_cast<std::size_t>(index));
  Changed(nullptr);
}

TCollectionItem& TCollection::Add() {
  return Insert(Count());
}

TCollectionItem& TCollection::Insert(int index) {
  CheckIndex(index, Count() + 1);
  Adopt(index, m_factory());
  return *m_items[static_cast<std::size_t>(index)];
}

void TCollection::Delete(int index) {
  CheckIndex(index, Count());
  std::unique_ptr<TCollectionItem> gone = std::move(m_items[static_cast<std::size_t>(index)]);
  m_items.erase(m_items.begin() + index);
  gone->m_collection = nullptr;
  gone->m_index = -1;
  Renumber(static_cast<std::size_t>(index));
  gone.reset();
  Changed(nullptr);
}

void TCollection::Clear() {
  if (m_items.empty()) return;
  std::vector<std::unique_ptr<TCollectionItem>> gone = std::move(m_items);
  m_items.clear();
  for (auto& item : gone) item->m_collection = nullptr;
  gone.clear();
  Changed(nullptr);
}

void TCollection::Move(int from, int to) {
  CheckIndex(from, Count());
  CheckIndex(to, Count());
  if (from == to) return;
  std::unique_ptr<TCollectionItem> item = std::move(m_items[static_cast<std::size_t>(from)]);
  m_items.erase(m_items.begin() + from);
  m_items.insert(m_items.begin() + to, std::move(item));
  Renumber(static_cast<std::size_t>(std::min(from, to)));
  Changed(nullptr);
}

void TCollection::BeginUpdate() {
  ++m_updateCount;
}

void TCollection::EndUpdate() {
  if (m_updateCount == 0) return;
  if (--m_updateCount == 0 && m_pending) {
    m_pending = false;
    Update(nullptr);
  }
}

void TCollection::Changed(TCollectionItem* item) {
  if (m_updateCount > 0)
    m_pending = true;
  else
    Update(item);
}

void TCollection::Update(TCollectionItem* item) {
  if (m_onChange) m_onChange(item);
}

const ClassInfo& TNamedCollectionItem::StaticClassInfo() {
  static const ClassInfo info(
      "TNamedCollectionItem", &TCollectionItem::StaticClassInfo(),
      {Prop::String<TNamedCollectionItem>("Name", &TNamedCollectionItem::Name,
                                          &TNamedCollectionItem::SetName)
           .NoDefault()});
  return info;
}

void TNamedCollectionItem::SetName(const String& name) {
  m_name = name;
  Changed();
}

int IndexOfName(const TCollection& collection, StringView name, bool ignoreCase) {
  for (int i = 0; i < collection.Count(); ++i) {
    const auto* item = dynamic_cast<const TNamedCollectionItem*>(&collection.Items(i));
    if (item && SameName(item->Name(), name, ignoreCase)) return i;
  }
  return -1;
}

TNamedCollectionItem* FindItemByName(TCollection& collection, StringView name, bool ignoreCase) {
  const int i = IndexOfName(collection, name, ignoreCase);
  return i < 0 ? nullptr : static_cast<TNamedCollectionItem*>(&collection.Items(i));
}

}  // namespace qs
