// The markup checker: runs the HTML checking library over a page held in
// memory, with its server code masked, and gives back what it found with the
// line and column (1-based, in characters) where it found it.
#pragma once

#include <vector>

#include "support/qschar.h"

namespace qs {

enum class TValidationSeverity { Info, Warning, Access, Error };

// "info", "warning", "access" or "error".
const char* SeverityName(TValidationSeverity severity);

struct TValidationMessage {
  int line = 0;  // 0 for a message about the whole document
  int column = 0;
  TValidationSeverity severity = TValidationSeverity::Warning;
  String text;
  bool operator==(const TValidationMessage&) const = default;
};

// The checker's options a user changes.
struct TValidationOptions {
  String doctype = U"auto";    // auto, html5, strict, loose, transitional, omit
  int accessibilityLevel = 0;  // 0 (none) .. 3
  bool showWarnings = true;
  bool dropProprietaryAttributes = false;
};

// Messages in the order of their place in the text. Throws qs::Error when
// the options are refused or the checker cannot run.
std::vector<TValidationMessage> ValidateHtml(StringView text, const TValidationOptions& options);

}  // namespace qs
