#include "export/importers.h"

#include "export/htmlimporter.h"
#include "export/rtfimporter.h"

namespace qs {

std::unique_ptr<TQSImporter> MakeRtfImporter() {
  return std::make_unique<TQSRtfImporter>();
}

std::unique_ptr<TQSImporter> MakeHtmlImporter() {
  return std::make_unique<TQSHTMLImporter>();
}

}  // namespace qs
