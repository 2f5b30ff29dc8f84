// The source tree keeps its layering, and the check behind that catches each
// way of breaking it: on small trees built here, since the real one is meant
// to have nothing to find.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "layers/layercheck.h"

namespace qs::layers {
namespace {

namespace fs = std::filesystem;

std::string ListViolations(const Report& report) {
  std::string text;
  for (const Violation& v : report.violations) text += Describe(v) + "\n";
  return text;
}

TEST(SourceTree, KeepsTheLayering) {
  const fs::path src = fs::path(QUILLON_SOURCE_DIR) / "src";
  const Report report = CheckLayers(src, LayerOrder());
  // A wrong path would find nothing to object to.
  ASSERT_GT(report.files, 0) << "no sources under " << src;
  ASSERT_GT(report.includes, 0);
  EXPECT_TRUE(report.violations.empty()) << ListViolations(report);
}

TEST(ParseInclude, ReadsOnlyIncludeDirectives) {
  struct Case {
    const char* line;
    const char* name;  // null: not an include
    bool angled;
  };
  const Case cases[] = {
      {"#include \"editor/qsmemo.h\"", "editor/qsmemo.h", false},
      {"  #  include <QtGui/QPainter>  // drawing", "QtGui/QPainter", true},
      {"#\tinclude_next <stdlib.h>", "stdlib.h", true},
      {"// #include \"app/mainform.h\"", nullptr, false},
      {"#define include_guard", nullptr, false},
      {"#include HEADER_MACRO", nullptr, false},
      {"#include \"unterminated.h", nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const std::optional<Include> inc = ParseInclude(c.line);
    ASSERT_EQ(inc.has_value(), c.name != nullptr);
    if (!inc) continue;
    EXPECT_EQ(inc->name, c.name);
    EXPECT_EQ(inc->angled, c.angled);
  }
}

// A tree with a header in every layer folder, to which a case adds one file.
class LayerTree : public testing::Test {
 protected:
  void SetUp() override {
    m_root = fs::path(testing::TempDir()) /
             ("layers-" + std::to_string(getpid()) + "-" +
              testing::UnitTest::GetInstance()->current_test_info()->name());
    Reset();
  }
  void TearDown() override { fs::remove_all(m_root); }

  void Reset() {
    fs::remove_all(m_root);
    for (const std::string& folder : LayerOrder()) Write(folder + "/" + folder + ".h", "");
  }
  void Write(const std::string& rel, const std::string& text) {
    const fs::path p = m_root / rel;
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
  }
  Report Check() const { return CheckLayers(m_root, LayerOrder()); }

  fs::path m_root;
};

TEST_F(LayerTree, FindsEachWayOfBreakingTheLayers) {
  struct Case {
    const char* what;
    const char* file;
    const char* text;
    bool breaks;
  };
  const Case cases[] = {
      {"a lower layer reaches up", "support/s.cpp", "#include \"editor/editor.h\"\n", true},
      {"one step up the order", "regex/r.cpp", "#include \"platform/platform.h\"\n", true},
      {"down to the lowest layer", "app/a.cpp", "#include \"support/support.h\"\n", false},
      {"its own folder", "syntax/s.cpp", "#include \"syntax/syntax.h\"\n", false},
      {"a header beside it", "editor/e.cpp", "#include \"editor.h\"\n", false},
      {"up through a relative path", "textmodel/t.cpp", "#include \"../app/app.h\"\n", true},
      {"a missing header of a higher layer", "support/s.h", "#include \"dialogs/none.h\"\n", true},
      {"from a subfolder", "support/deep/d.h", "#include \"syntax/syntax.h\"\n", true},
      {"a Qt class header below qt", "platform/p.cpp", "#include <QString>\n", true},
      {"a Qt module path below qt", "editor/e.cpp", "# include <QtGui/QPainter>\n", true},
      {"a lower-case Qt header below qt", "app/a.cpp", "#include <qtversionchecks.h>\n", true},
      {"Qt and the app from qt", "qt/q.cpp", "#include <QWidget>\n#include \"app/app.h\"\n", false},
      {"a standard header named like a folder", "support/s.cpp",
       "#include <regex>\n#include <vector>\n", false},
      {"commented out", "support/s.cpp", "// #include \"app/app.h\"\n/* #include <QWidget> */\n",
       false},
      {"a folder outside the order", "extra/x.cpp", "", true},
      {"a source file beside the folders", "loose.cpp", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    Write(c.file, c.text);
    const Report report = Check();
    EXPECT_EQ(!report.violations.empty(), c.breaks) << ListViolations(report);
  }
}

TEST_F(LayerTree, NamesFileLineAndInclude) {
  Write("syntax/s.cpp", "#include <vector>\n\n#include \"app/app.h\"\n");
  const Report report = Check();
  ASSERT_EQ(report.violations.size(), 1u) << ListViolations(report);
  const Violation& v = report.violations.front();
  EXPECT_EQ(v.file, "syntax/s.cpp");
  EXPECT_EQ(v.line, 3);
  EXPECT_EQ(v.include.name, "app/app.h");
  EXPECT_EQ(Describe(v),
            "syntax/s.cpp:3: #include \"app/app.h\": 'syntax' may not reach up to 'app'");
}

}  // namespace
}  // namespace qs::layers
