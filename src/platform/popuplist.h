// A list window to pick from, shown over the editor without ever taking the
// keyboard focus from it: the editor's keys move its selection.
#pragma once

#include <functional>
#include <vector>

#include "platform/geometry.h"
#include "support/qschar.h"

namespace qs {

// One entry, drawn as `kind` (coloured), `name` (bold), then `detail`.
struct TPopupEntry {
  String kind;
  String name;
  String detail;
  bool operator==(const TPopupEntry&) const = default;
};

class IPopupList {
 public:
  virtual ~IPopupList() = default;

  // The window's outer size in pixels, for placing it on the screen.
  [[nodiscard]] virtual TSize ListSize() const = 0;
  // Replaces the entries; the first is selected (none when empty).
  virtual void SetEntries(std::vector<TPopupEntry> entries) = 0;
  [[nodiscard]] virtual const std::vector<TPopupEntry>& Entries() const = 0;
  // -1 for none.
  [[nodiscard]] virtual int Selected() const = 0;
  virtual void SetSelected(int index) = 0;
  // at: screen pixels of the top left corner; stays on top.
  virtual void ShowList(TPoint at) = 0;
  virtual void HideList() = 0;
  [[nodiscard]] virtual bool IsListVisible() const = 0;

  // A double click on an entry, or Enter while the list has the pointer.
  std::function<void(int index)> OnAccept;
};

}  // namespace qs
