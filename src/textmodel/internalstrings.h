// The stored line list: line records in line order, owning them, plus the
// large text blocks that loaded lines point into.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "textmodel/linechangelog.h"
#include "textmodel/stringitem.h"
#include "textmodel/tstrings.h"

namespace qs {

// Large blocks of characters that loaded lines borrow their text from. A block
// lives as long as the list that owns it; an edited line copies its text out.
class TextBlocks {
 public:
  // Room for at least n characters, valid until the next Reserve.
  Char* Reserve(std::size_t n);
  // Keeps the first n characters of the last reservation.
  void Commit(std::size_t n) { m_used += n; }
  void Clear();
  std::size_t BlockCount() const { return m_blocks.size(); }

 private:
  static constexpr std::size_t kBlockChars = std::size_t{1} << 20;
  std::vector<std::unique_ptr<Char[]>> m_blocks;
  std::size_t m_used = 0;
  std::size_t m_size = 0;
};

class TInternalStrings : public TStrings {
 public:
  using ItemFactory = std::function<std::unique_ptr<TStringItem>()>;
  using Expander = std::function<String(StringView)>;

  TInternalStrings();
  ~TInternalStrings() override;

  int Count() const override { return static_cast<int>(m_items.size()); }
  // Stored text, or the expander's result unless the raw switch is on.
  String Get(int index) const override;
  StringView Stored(int index) const;
  void* GetObject(int index) const override;
  // Replaces the stored text and clears the parsed bit.
  void Put(int index, StringView text) override;
  void PutObject(int index, void* obj) override;
  void Insert(int index, StringView text) override;
  void Delete(int index) override;
  void Clear() override;  // frees every record and the capacity

  // The record of line index, or nullptr outside the list.
  TStringItem* Item(int index) noexcept;
  const TStringItem* Item(int index) const noexcept;
  // Inserts a fresh record (made by the factory) and returns it.
  TStringItem& InsertItem(int index);
  // Inserts fresh records holding texts before index, in one move of the list.
  void InsertRange(int index, const std::vector<String>& texts);
  // Removes count records from index, in one move of the list.
  void DeleteRange(int index, int count);
  std::size_t Capacity() const noexcept { return m_items.capacity(); }

  void SetItemFactory(ItemFactory factory) { m_factory = std::move(factory); }
  // The break every record the list creates starts with.
  TOutFormatType NewLineBreak() const noexcept { return m_newBreak; }
  void SetNewLineBreak(TOutFormatType lineBreak) noexcept { m_newBreak = lineBreak; }
  void SetExpander(Expander expander) { m_expander = std::move(expander); }
  // Where inserted and removed lines are noted (none by default).
  void SetChangeLog(TLineChangeLog* log) noexcept { m_log = log; }
  bool Raw() const { return m_raw; }
  void SetRaw(bool raw) { m_raw = raw; }

  TextBlocks& Blocks() { return m_blocks; }
  // Exchanges the lines and text blocks (not the factory or the expander).
  void SwapContent(TInternalStrings& other) noexcept;

 private:
  bool Valid(int index) const noexcept { return index >= 0 && index < Count(); }
  void Grow();

  std::vector<std::unique_ptr<TStringItem>> m_items;
  TextBlocks m_blocks;
  ItemFactory m_factory;
  Expander m_expander;
  bool m_raw = false;
  TOutFormatType m_newBreak = ofUnix;
  TLineChangeLog* m_log = nullptr;
};

}  // namespace qs
