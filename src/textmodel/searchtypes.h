// What the document's search and replace operations share with their callers:
// the hooks they raise and the state they keep between calls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "support/qschar.h"

namespace qs {

class TCustomMemoSource;
class TForm;

enum class TSearchKind : std::uint8_t { skFind, skReplace };
using enum TSearchKind;

// Offered every search message first; setting handled keeps it from the user.
using TSearchExceptionEvent =
    std::function<void(TCustomMemoSource&, const String& message, bool& handled)>;
using TSearchStartEvent = std::function<void(TCustomMemoSource&, TSearchKind)>;
// Creates the find or replace dialog (left empty: no dialog is shown). The
// dialog fills the search options; it closes with mrOk, or mrAll for replace.
using TCreateDialogEvent =
    std::function<void(TCustomMemoSource&, TSearchKind, std::unique_ptr<TForm>& dialog)>;

struct TSearchState {
  std::int32_t replacedCount = 0;
  int keepSelection = 0;  // while above zero, search edits keep the selection
};

}  // namespace qs
