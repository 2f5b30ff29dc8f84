#include "support/atomicfile.h"
#include "support/documentfile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/errors.h"

namespace qs {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qs_atomic_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "target.txt").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(AtomicFile, ReplacesContentAndReadsItBack) {
  WriteFileAtomically(path_, "old");
  WriteFileAtomically(path_, std::string("new\0bytes", 9));
  EXPECT_EQ(ReadDocumentFile(path_), std::string("new\0bytes", 9));
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(AtomicFile, AFailureAtAnyStepKeepsTheOldFileAndLeavesNoTemporary) {
  for (AtomicStep failing :
       {AtomicStep::Create, AtomicStep::Write, AtomicStep::Flush, AtomicStep::Rename}) {
    WriteFileAtomically(path_, "previous");
    EXPECT_THROW(
        WriteFileAtomically(path_, "replacement", [&](AtomicStep s) { return s == failing; }),
        Error);
    EXPECT_EQ(ReadDocumentFile(path_), "previous");
    EXPECT_EQ(FilesInDir(), 1u);
  }
}

TEST_F(AtomicFile, ErrorsNameTheFile) {
  const std::string missing = (dir_ / "no" / "such.txt").string();
  try {
    WriteFileAtomically(missing, "x");
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
  }
  EXPECT_THROW(ReadDocumentFile(missing), Error);
}

}  // namespace
}  // namespace qs
