#include "export/htmlvalidator.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "export/servercodemask.h"
#include "support/errors.h"
#include "support/utf8.h"

namespace qs {

namespace {

// Without a bound the library stops after six errors.
constexpr int kMaxErrors = 100000;

struct TidyDocRelease {
  void operator()(TidyDoc doc) const { tidyRelease(doc); }
};
using TidyDocument = std::unique_ptr<std::remove_pointer_t<TidyDoc>, TidyDocRelease>;

struct TidyBufferScope {
  TidyBuffer buffer{};
  TidyBufferScope() { tidyBufInit(&buffer); }
  ~TidyBufferScope() { tidyBufFree(&buffer); }
  TidyBufferScope(const TidyBufferScope&) = delete;
  TidyBufferScope& operator=(const TidyBufferScope&) = delete;
};

std::optional<TValidationSeverity> SeverityOf(TidyReportLevel level) {
  switch (level) {
    case TidyInfo:
      return TValidationSeverity::Info;
    case TidyWarning:
      return TValidationSeverity::Warning;
    case TidyAccess:
      return TValidationSeverity::Access;
    case TidyError:
    case TidyBadDocument:
    case TidyFatal:
      return TValidationSeverity::Error;
    default:
      return std::nullopt;  // configuration and dialogue texts are no findings
  }
}

struct TCollector {
  std::vector<TValidationMessage> found;
  bool showWarnings = true;

  bool Wanted(TValidationSeverity severity, int line) const {
    // The library's switch leaves some warnings on; ours means all of them.
    if (severity == TValidationSeverity::Warning) return showWarnings;
    // The guess of the document's kind is news about the library, not the page.
    return line > 0 || severity != TValidationSeverity::Info;
  }
};

Bool TIDY_CALL Collect(TidyMessage message) {
  auto& collector = *static_cast<TCollector*>(tidyGetAppData(tidyGetMessageDoc(message)));
  const auto severity = SeverityOf(tidyGetMessageLevel(message));
  const int line = tidyGetMessageLine(message);
  if (severity && collector.Wanted(*severity, line))
    collector.found.push_back(
        {line, tidyGetMessageColumn(message), *severity, FromUtf8(tidyGetMessage(message))});
  return no;  // nothing goes to the library's own error output
}

void Require(bool accepted, const std::string& what) {
  if (!accepted) throw Error("The HTML validator refused the option " + what + ".");
}

void Configure(TidyDoc doc, const TValidationOptions& options) {
  Require(tidySetInCharEncoding(doc, "utf8") == 0, "input-encoding");
  Require(tidyOptSetBool(doc, TidyQuiet, yes), "quiet");
  Require(tidyOptSetBool(doc, TidyShowInfo, no), "show-info");
  Require(tidyOptSetInt(doc, TidyShowErrors, kMaxErrors), "show-errors");
  Require(tidyOptSetBool(doc, TidyShowWarnings, options.showWarnings ? yes : no), "show-warnings");
  Require(tidyOptSetBool(doc, TidyDropPropAttrs, options.dropProprietaryAttributes ? yes : no),
          "drop-proprietary-attributes");
  Require(tidyOptSetInt(doc, TidyAccessibilityCheckLevel,
                        static_cast<ulong>(std::clamp(options.accessibilityLevel, 0, 3))),
          "accessibility-check");
  const std::string doctype = ToUtf8(options.doctype.empty() ? U"auto" : options.doctype);
  Require(tidyOptParseValue(doc, "doctype", doctype.c_str()), "doctype \"" + doctype + "\"");
}

}  // namespace

const char* SeverityName(TValidationSeverity severity) {
  switch (severity) {
    case TValidationSeverity::Info:
      return "info";
    case TValidationSeverity::Warning:
      return "warning";
    case TValidationSeverity::Access:
      return "access";
    case TValidationSeverity::Error:
      break;
  }
  return "error";
}

std::vector<TValidationMessage> ValidateHtml(StringView text, const TValidationOptions& options) {
  TCollector collector;
  collector.showWarnings = options.showWarnings;
  const TidyDocument doc(tidyCreate());
  if (!doc) throw Error("The HTML validator could not start.");
  tidySetAppData(doc.get(), &collector);
  tidySetMessageCallback(doc.get(), Collect);
  Configure(doc.get(), options);
  // The library writes its cleaned copy to an error buffer of its own unless
  // it has one; ours keeps it away from the terminal.
  TidyBufferScope errors;
  tidySetErrorBuffer(doc.get(), &errors.buffer);
  std::string bytes = ToUtf8(MaskServerCode(text));
  // A buffer, not a C string, so a NUL in the page does not end it early.
  TidyBuffer input{};
  tidyBufAttach(&input, reinterpret_cast<byte*>(bytes.data()), static_cast<uint>(bytes.size()));
  const int parsed = tidyParseBuffer(doc.get(), &input);
  tidyBufDetach(&input);
  if (parsed >= 0 && tidyCleanAndRepair(doc.get()) >= 0) tidyRunDiagnostics(doc.get());
  std::vector<TValidationMessage>& found = collector.found;
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return std::pair(a.line, a.column) < std::pair(b.line, b.column);
  });
  return std::move(found);
}

}  // namespace qs
