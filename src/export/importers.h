// The formatted-text readers the program offers, made one per import: the
// editor control asks for them by these factories and knows nothing else of
// the readers.
#pragma once

#include <memory>

#include "export/importer.h"

namespace qs {

using TImporterClass = std::unique_ptr<TQSImporter> (*)();

[[nodiscard]] std::unique_ptr<TQSImporter> MakeRtfImporter();
[[nodiscard]] std::unique_ptr<TQSImporter> MakeHtmlImporter();

}  // namespace qs
