// The help viewer: shows a topic of a help file in a help window.
#pragma once

#include <string>

namespace qs {

class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;

  // False when the desktop has no viewer; help commands then do nothing.
  [[nodiscard]] virtual bool IsAvailable() const = 0;
  // Shows topic (a path inside the help file; empty for its first page) and
  // returns the help window's id, 0 when nothing was shown. A missing file is
  // reported by the viewer itself.
  virtual int ShowTopic(const std::string& helpFile, const std::string& topic) = 0;
  [[nodiscard]] virtual bool IsWindowOpen(int window) const = 0;
  // Asks every help window this viewer opened to close.
  virtual void CloseAll() = 0;
};

}  // namespace qs
