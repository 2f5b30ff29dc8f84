// What the parts of the scheme editor (its token lists, its keyword page)
// need from the editor itself.
#pragma once

#include <cstdint>
#include <memory>

#include "dialogs/attrstyle.h"
#include "dialogs/schemepopupform.h"

namespace qs {

class IDialogs;
class TSyntaxBlock;
class TSyntaxScheme;
struct TItemLook;

class ISchemeEditHost {
 public:
  virtual ~ISchemeEditHost() = default;
  virtual TSyntaxScheme& Working() = 0;
  // The block selected in the tree, or nullptr.
  virtual TSyntaxBlock* CurrentBlock() = 0;
  virtual IDialogs& Dialogs() = 0;
  [[nodiscard]] virtual std::unique_ptr<TSchemePopupForm> MakePopup(TPopupKind kind) = 0;
  // The names a global text style may have.
  [[nodiscard]] virtual const std::vector<String>& TextStyleNames() const = 0;
  [[nodiscard]] virtual TDefaultFont DefaultFont() const = 0;
  // How an element with that attribute is drawn: its font and colours, or
  // the plain-text attribute of the current block for an element without one.
  [[nodiscard]] virtual TItemLook LookOf(std::int32_t fontId) = 0;
};

}  // namespace qs
