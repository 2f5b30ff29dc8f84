// What the main window asks of the scheme catalogue: the selector's items,
// the scheme a document gets on its own, and loading a chosen scheme into the
// document's highlighter. The catalogue behind it keeps its list in step with
// the scheme folders; the main window neither knows nor cares how.
#pragma once

#include <vector>

#include "support/qschar.h"

namespace qs {

class TCustomMemoSource;
class TSyntaxParser;

class ISchemeCatalogue {
 public:
  virtual ~ISchemeCatalogue() = default;

  // The selector's items in catalogue order; item 0 is "None" and item i is
  // scheme i, the numbering IndexForDocument and LoadScheme use.
  virtual std::vector<String> SelectorItems() const = 0;

  // The scheme the file's name (or, for a name without an extension, the
  // document's content) asks for; 0 for none.
  virtual int IndexForDocument(StringView fileName, const TCustomMemoSource& document) const = 0;

  // Puts scheme index into parser. Throws qs::Error with the parser left as
  // it was when the scheme cannot be read; index 0 is not a scheme.
  virtual void LoadScheme(int index, TSyntaxParser& parser) = 0;
};

}  // namespace qs
