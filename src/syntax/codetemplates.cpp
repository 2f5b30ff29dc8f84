#include "syntax/codetemplates.h"

namespace qs {

const ClassInfo& TMemoCodeTemplate::StaticClassInfo() {
  using T = TMemoCodeTemplate;
  static const ClassInfo info("TMemoCodeTemplate", &TNamedCollectionItem::StaticClassInfo(),
                              {Prop::String<T>("Description", &T::Description, &T::SetDescription),
                               Prop::StringList<T>("Code", &T::Code, &T::SetCode)});
  return info;
}

}  // namespace qs
