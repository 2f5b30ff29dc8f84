#include "app/validatoroptions.h"

#include <algorithm>

#include "support/errors.h"
#include "support/utf8.h"

namespace qs {

const ClassInfo& TValidatorOptions::StaticClassInfo() {
  using T = TValidatorOptions;
  static const ClassInfo info(
      "TValidatorOptions", &TOptionExt::StaticClassInfo(),
      {Prop::String<T>("Doctype", &T::Doctype, &T::SetDoctype, String(U"auto")),
       Prop::Integer<T>("AccessibilityLevel", &T::AccessibilityLevel, &T::SetAccessibilityLevel, 0),
       Prop::Boolean<T>("ShowWarnings", &T::ShowWarnings, &T::SetShowWarnings, true),
       Prop::Boolean<T>("DropProprietaryAttributes", &T::DropProprietaryAttributes,
                        &T::SetDropProprietaryAttributes, false)});
  return info;
}

TValidatorOptions& TValidatorOptions::Instance() {
  return RegisteredOptions<TValidatorOptions>();
}

void TValidatorOptions::SetDoctype(const String& v) {
  if (std::find(std::begin(kValidatorDoctypes), std::end(kValidatorDoctypes), v) ==
      std::end(kValidatorDoctypes))
    throw Error("\"" + ToUtf8(v) + "\" is not a doctype the HTML validator knows.");
  if (v == m_options.doctype) return;
  m_options.doctype = v;
  Changed();
}

void TValidatorOptions::SetAccessibilityLevel(int v) {
  v = std::clamp(v, 0, kMaxAccessibilityLevel);
  if (v == m_options.accessibilityLevel) return;
  m_options.accessibilityLevel = v;
  Changed();
}

void TValidatorOptions::SetShowWarnings(bool v) {
  if (v == m_options.showWarnings) return;
  m_options.showWarnings = v;
  Changed();
}

void TValidatorOptions::SetDropProprietaryAttributes(bool v) {
  if (v == m_options.dropProprietaryAttributes) return;
  m_options.dropProprietaryAttributes = v;
  Changed();
}

}  // namespace qs
