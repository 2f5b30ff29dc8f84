#include "export/importers.h"

#include "support/errors.h"

namespace qs {

// Until the readers are part of the program, choosing an import says so
// before anything is read or changed.
std::unique_ptr<TQSImporter> MakeRtfImporter() {
  throw Error("Importing RTF is not available in this version.");
}

std::unique_ptr<TQSImporter> MakeHtmlImporter() {
  throw Error("Importing HTML is not available in this version.");
}

}  // namespace qs
