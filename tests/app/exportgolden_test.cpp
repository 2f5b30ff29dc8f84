// The shipped samples exported to HTML and RTF, compared with the reviewed
// outputs in tests/export/golden. A mismatch writes <name>.new beside the
// golden file; QUILLON_UPDATE_GOLDEN=1 rewrites the golden files instead.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/batchexport.h"
#include "common/environmentscope.h"
#include "common/scratchdir.h"

namespace qs::testing {
namespace {

const std::string kSamples = std::string(QUILLON_SOURCE_DIR) + "/tests/syntax/golden/";
const std::string kGolden = std::string(QUILLON_SOURCE_DIR) + "/tests/export/golden/";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(ExportGoldenTest, TheSamplesExportAsReviewed) {
  ScratchDir dir("exportgolden");
  EnvironmentScope env;
  env.Set("XDG_DATA_HOME", dir.File("data").c_str());
  const bool update = std::getenv("QUILLON_UPDATE_GOLDEN") != nullptr;
  for (const char* sample :
       {"sample.css", "sample.html", "sample.java", "sample.js", "sample.log", "sample.php",
        "sample.shtml", "sample.sql", "sample.txt", "sample.vbs", "sample.xml"}) {
    for (const char* format : {"html", "rtf"}) {
      const std::string name = std::string(sample) + "." + format;
      const std::string out = dir.File(name);
      ASSERT_EQ(
          RunBatchMode({std::string("--export-") + format, kSamples + sample, out}, stdout, stderr),
          0)
          << name;
      const std::string actual = ReadAll(out);
      const std::string golden = kGolden + name;
      if (update) {
        std::ofstream(golden, std::ios::binary) << actual;
        continue;
      }
      if (actual != ReadAll(golden)) {
        std::ofstream(golden + ".new", std::ios::binary) << actual;
        ADD_FAILURE() << name << " differs from its golden file; see " << golden << ".new";
      }
    }
  }
}

}  // namespace
}  // namespace qs::testing
