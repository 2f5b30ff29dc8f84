// A help viewer without help windows of its own: a help "file" is a folder of
// HTML pages, and a topic is one page of it, handed to the desktop's browser
// through the shell. The program cannot follow or close what the browser
// shows, so no window is ever reported open.
#pragma once

#include "platform/helpviewer.h"

namespace qs {

class IShell;

class ShellHelpViewer final : public IHelpViewer {
 public:
  explicit ShellHelpViewer(IShell& shell) : m_shell(shell) {}

  bool IsAvailable() const override { return true; }
  // Opens the topic's page (see ResolveHelpPage).
  int ShowTopic(const std::string& helpFile, const std::string& topic) override;
  bool IsWindowOpen(int) const override { return false; }
  void CloseAll() override {}

 private:
  IShell& m_shell;
};

}  // namespace qs
