#include "app/batchvalidate.h"

#include "app/batchvalidation.h"
#include "app/validatoroptions.h"
#include "support/fileaccess.h"
#include "support/utf8.h"

namespace qs {

int RunValidateMode(const std::vector<std::string>& files, std::FILE* out, std::FILE* err) {
  if (files.empty()) {
    std::fputs("quillon: --validate needs at least one file\n", err);
    return 2;
  }
  const TValidationOptions& options = TValidatorOptions::Instance().Options();
  bool failed = false;
  for (const std::string& file : files) {
    for (const TValidationMessage& m : ValidateFile(HostFiles(), file, options)) {
      failed = failed || m.severity == TValidationSeverity::Error;
      const std::string text = ToUtf8(m.text);
      if (m.line > 0)
        std::fprintf(out, "%s:%d:%d: %s: %s\n", file.c_str(), m.line, m.column,
                     SeverityName(m.severity), text.c_str());
      else
        std::fprintf(out, "%s: %s: %s\n", file.c_str(), SeverityName(m.severity), text.c_str());
    }
  }
  return failed ? 1 : 0;
}

}  // namespace qs
