// The code templates a scheme carries: named texts a user inserts by typing
// the name. Only the data lives here; lookup and insertion belong to the
// document and the editor.
#pragma once

#include "support/collection.h"

namespace qs {

class TMemoCodeTemplate : public TNamedCollectionItem {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& Description() const noexcept { return m_description; }
  void SetDescription(const String& s) { m_description = s; }
  // The template's lines; the first "|" marks where the caret goes.
  const StringVector& Code() const noexcept { return m_code; }
  void SetCode(const StringVector& lines) { m_code = lines; }

 private:
  String m_description;
  StringVector m_code;
};

using TMemoCodeTemplates = TOwnedCollection<TMemoCodeTemplate>;

}  // namespace qs
