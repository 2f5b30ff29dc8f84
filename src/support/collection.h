// Ordered collections of owned items, each item knowing its collection and its
// index and reporting its changes to the collection, which reports them to
// whoever owns it through one change callback.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

#include "support/persistent.h"

namespace qs {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  TCollection* Collection() const noexcept { return m_collection; }
  int Index() const noexcept { return m_index; }  // -1 while not in a collection
  void SetIndex(int index);                       // moves the item within its collection

 protected:
  TCollectionItem() = default;
  // Tells the collection that this item changed.
  void Changed();

 private:
  friend class TCollection;
  TCollection* m_collection = nullptr;
  int m_index = -1;
};

using ItemFactory = std::function<std::unique_ptr<TCollectionItem>()>;

class TCollection : public TPersistent {
 public:
  // item == nullptr: the collection as a whole changed (items added, removed,
  // moved, or a bracket of changes ended).
  using ChangeCallback = std::function<void(TCollectionItem* item)>;

  explicit TCollection(ItemFactory factory);
  ~TCollection() override;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // Replaces the items with copies of the source collection's items. The
  // source's items must be assignable to this collection's item class; if one
  // is not, the error is thrown and the old items are kept.
  void Assign(const TPersistent& source) override;

  int Count() const noexcept { return static_cast<int>(m_items.size()); }
  // Throws qs::Error "List index out of bounds (<i>)" for a bad index.
  TCollectionItem& Items(int index);
  const TCollectionItem& Items(int index) const;

  TCollectionItem& Add();
  TCollectionItem& Insert(int index);  // 0 <= index <= Count()
  void Delete(int index);
  void Clear();
  void Move(int from, int to);

  // Brackets nest; changes inside them are reported once, when the outermost
  // bracket closes and something did change.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  bool IsUpdating() const noexcept { return m_updateCount > 0; }

  void SetOnChange(ChangeCallback callback) { m_onChange = std::move(callback); }
  const ItemFactory& Factory() const noexcept { return m_factory; }

 protected:
  // Called for every reported change; the default calls the change callback.
  virtual void Update(TCollectionItem* item);

 private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* item);
  void CheckIndex(int index, int limit) const;
  void Renumber(std::size_t from);
  void Adopt(int index, std::unique_ptr<TCollectionItem> item);

  ItemFactory m_factory;
  std::vector<std::unique_ptr<TCollectionItem>> m_items;
  ChangeCallback m_onChange;
  int m_updateCount = 0;
  bool m_pending = false;
};

// A collection whose items are all of one class, with typed access.
template <class Item>
class TOwnedCollection : public TCollection {
  static_assert(std::is_base_of_v<TCollectionItem, Item>);

 public:
  TOwnedCollection() : TCollection([] { return std::make_unique<Item>(); }) {}
  Item& Items(int index) { return static_cast<Item&>(TCollection::Items(index)); }
  const Item& Items(int index) const { return static_cast<const Item&>(TCollection::Items(index)); }
  Item& Add() { return static_cast<Item&>(TCollection::Add()); }
  Item& Insert(int index) { return static_cast<Item&>(TCollection::Insert(index)); }
};

// An item with a name, published first as "Name" and always written.
class TNamedCollectionItem : public TCollectionItem {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& Name() const noexcept { return m_name; }
  void SetName(const String& name);

 private:
  String m_name;
};

// The first item whose name matches, comparing ASCII letters without case when
// asked; items that are not named items never match. -1 / nullptr: none.
int IndexOfName(const TCollection& collection, StringView name, bool ignoreCase = false);
TNamedCollectionItem* FindItemByName(TCollection& collection, StringView name,
                                     bool ignoreCase = false);

namespace Prop {

template <class T, class Coll>
PropBuilder<T> Collection(std::string name, Coll& (T::*getter)()) {
  static_assert(std::is_base_of_v<TCollection, Coll>);
  PropBuilder<T> b = detail::Make<T>(std::move(name), PropKind::Collection, std::nullopt);
  b.collection = [getter](TPersistent& o) -> TCollection& {
    return (static_cast<T&>(o).*getter)();
  };
  return b;
}

}  // namespace Prop

}  // namespace qs
