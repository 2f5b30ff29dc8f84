#include "app/batchexport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/environmentscope.h"
#include "common/scratchdir.h"

namespace qs::testing {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Runs the batch mode with its output and errors caught in files.
struct BatchRun {
  std::optional<int> status;
  std::string out, err;
};

class BatchExportTest : public ::testing::Test {
 protected:
  BatchExportTest() {
    // The user's own schemes must not shadow the shipped ones here.
    env.Set("XDG_DATA_HOME", dir.File("data").c_str());
  }

  BatchRun Run(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    BatchRun run;
    run.status = RunBatchMode(args, out, err);
    run.out = Contents(out);
    run.err = Contents(err);
    return run;
  }

  static std::string Contents(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    std::fclose(file);
    return text;
  }

  ScratchDir dir{"batchexport"};
  EnvironmentScope env;
};

TEST_F(BatchExportTest, OnlyBatchArgumentsAreBatchMode) {
  EXPECT_FALSE(Run({}).status);
  EXPECT_FALSE(Run({"file.txt", "/p"}).status);

  const BatchRun help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option :
       {"--export-html IN OUT", "--export-rtf IN OUT", "--scheme NAME", "--print-pdf IN OUT.pdf"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST_F(BatchExportTest, ExportsByTheExtensionsSchemeOrTheOneNamed) {
  const std::string in = dir.File("page.php");
  WriteAll(in, "<?php $next_page = 1; // n\xC3\xA9 ?>\n");
  const BatchRun html = Run({"--export-html", in, dir.File("page.html")});
  ASSERT_EQ(html.status, 0) << html.err;
  EXPECT_EQ(html.err, "");
  const std::string page = ReadAll(dir.File("page.html"));
  EXPECT_NE(page.find("<Title>page.php</Title>"), std::string::npos);
  EXPECT_NE(page.find("n\xC3\xA9"), std::string::npos);
  EXPECT_GE(std::count(page.begin(), page.end(), '#'), 4) << "expected several colours";

  ASSERT_EQ(Run({"--scheme", "none", "--export-rtf", in, dir.File("plain.rtf")}).status, 0);
  const std::string rtf = ReadAll(dir.File("plain.rtf"));
  EXPECT_NE(rtf.find("<?php $next_page = 1; // n\\u233? ?>"), std::string::npos) << rtf;
}

TEST_F(BatchExportTest, AFailureIsOneLineAndStatusOne) {
  const std::string in = dir.File("a.txt");
  WriteAll(in, "x");
  struct Case {
    std::vector<std::string> args;
    const char* says;
  } cases[] = {
      {{"--export-html", dir.File("missing.txt"), dir.File("o.html")}, "missing.txt"},
      {{"--export-html", in}, "--export-html needs 2 arguments"},
      {{"--export-rtf", in, dir.File("o.rtf"), "--scheme", "Cobol"}, "no scheme \"Cobol\""},
      {{"--export-rtf", in, dir.File("no/such/folder/o.rtf")}, "o.rtf"},
      {{"--export-rtf", in, dir.File("o.rtf"), "extra"}, "unexpected argument \"extra\""},
  };
  for (const Case& c : cases) {
    const BatchRun run = Run(c.args);
    EXPECT_EQ(run.status, 1) << c.says;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.rtf")));
}

}  // namespace
}  // namespace qs::testing
