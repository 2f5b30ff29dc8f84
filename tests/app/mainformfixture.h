// A main window over a headless editor, with scripted dialogs and forms and
// the real file system in a folder of its own, as a whole session needs.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/folderschemecatalogue.h"
#include "app/mainform.h"
#include "app/systopt.h"
#include "common/localfilesplatform.h"
#include "editor/qsmemo.h"
#include "platform/headlesscanvas.h"
#include "platform/headlessplatform.h"
#include "platform/headlesswindowhost.h"
#include "platform/localfilesystem.h"
#include "support/utf8.h"

namespace qs {

class MainFormTest : public ::testing::Test, public qs::testing::LocalFilesPlatform {
 protected:
  MainFormTest() {
    static int counter = 0;
    m_dir = std::filesystem::temp_directory_path() /
            ("quillon-mainform-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(m_dir);
  }
  ~MainFormTest() override {
    form.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
  }

  void Start(std::vector<std::string> args = {}) {
    form = std::make_unique<TMainForm>(editor, schemes, platform, options, std::move(args));
    form->OnClose = [this] { ++closed; };
    form->FormShow();
  }

  std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
  std::string Write(const std::string& name, const std::string& content) {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
  }
  void Type(StringView text) {
    for (Char c : text) editor.Source().TypeChar(c);
  }
  static FileChoice Choice(const std::string& path, int filterIndex = 1) {
    return FileChoice{{path}, filterIndex};
  }
  String Scheme() const { return form->SchemeItems().at(form->SchemeIndex()); }
  std::string DocumentName() const { return ToUtf8(form->DocumentName()); }
  // The texts of the message boxes shown so far.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const Prompt& prompt : headless.dialogs.Prompts())
      if (prompt.kind == PromptKind::Message) texts.push_back(ToUtf8(prompt.text));
    return texts;
  }

  std::filesystem::path m_dir;
  HeadlessWindowHost host;
  HeadlessCanvas canvas;
  TQSMemo editor{host, canvas};
  TFolderSchemeCatalogue schemes{files, std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes"};
  TSysOptions options;
  std::unique_ptr<TMainForm> form;
  int closed = 0;
};

}  // namespace qs
