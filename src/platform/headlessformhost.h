// Modal forms for tests: each ShowModal runs the next queued script, which
// plays the user (fills in controls, clicks buttons, presses keys). A modal
// form with no script left, or one still open when its script ends, throws
// UnscriptedPrompt rather than waiting for a user who is not there.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms.h"

namespace qs {

using FormScript = std::function<void(TForm& form)>;

class HeadlessFormHost final : public IFormHost {
 public:
  void RunModal(TForm& form) override;

  void QueueScript(FormScript script) { m_scripts.push_back(std::move(script)); }
  [[nodiscard]] std::size_t PendingScripts() const { return m_scripts.size(); }
  // The names of the forms shown modally, in order.
  [[nodiscard]] const std::vector<std::string>& ShownForms() const { return m_shown; }

 private:
  std::deque<FormScript> m_scripts;
  std::vector<std::string> m_shown;
};

}  // namespace qs
