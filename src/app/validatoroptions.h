// The markup checker's options the user changes (HTML Validator Options),
// kept in the settings store under "HTMLValidator\".
#pragma once

#include "export/htmlvalidator.h"
#include "support/optionobject.h"

namespace qs {

class TValidatorOptions : public TOptionExt {
 public:
  static constexpr int kMaxAccessibilityLevel = 3;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "HTMLValidator\\"; }

  // The registered instance, made and loaded on first use.
  static TValidatorOptions& Instance();

  // One of the doctypes the checker knows (kValidatorDoctypes); another
  // name is refused with qs::Error.
  const String& Doctype() const noexcept { return m_options.doctype; }
  void SetDoctype(const String& v);
  // Kept within 0..kMaxAccessibilityLevel.
  int AccessibilityLevel() const noexcept { return m_options.accessibilityLevel; }
  void SetAccessibilityLevel(int v);
  bool ShowWarnings() const noexcept { return m_options.showWarnings; }
  void SetShowWarnings(bool v);
  bool DropProprietaryAttributes() const noexcept { return m_options.dropProprietaryAttributes; }
  void SetDropProprietaryAttributes(bool v);

  const TValidationOptions& Options() const noexcept { return m_options; }

 private:
  TValidationOptions m_options;
};

inline constexpr StringView kValidatorDoctypes[] = {U"auto",  U"html5",        U"strict",
                                                    U"loose", U"transitional", U"omit"};

}  // namespace qs
