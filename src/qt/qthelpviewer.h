// The help viewer of the desktop program: one window of its own that shows
// our HTML help pages and follows their links.
#pragma once

#include <QPointer>

#include "platform/helpviewer.h"

class QTextBrowser;

namespace qs::qt {

class QtHelpViewer final : public IHelpViewer {
 public:
  QtHelpViewer() = default;
  ~QtHelpViewer() override;
  QtHelpViewer(const QtHelpViewer&) = delete;
  QtHelpViewer& operator=(const QtHelpViewer&) = delete;

  bool IsAvailable() const override { return true; }
  // A missing page is reported with qs::Error; the window id is always 1.
  int ShowTopic(const std::string& helpFile, const std::string& topic) override;
  bool IsWindowOpen(int window) const override;
  void CloseAll() override;

 private:
  QPointer<QTextBrowser> m_window;
};

}  // namespace qs::qt
