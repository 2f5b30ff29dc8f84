#include "editor/editorcontrols.h"

#include <algorithm>

namespace qs {

namespace {

std::vector<IMessageTarget*>& Controls() {
  static std::vector<IMessageTarget*> controls;
  return controls;
}

bool IsRegistered(const IMessageTarget* control) {
  const auto& controls = Controls();
  return std::find(controls.begin(), controls.end(), control) != controls.end();
}

}  // namespace

ControlRegistration::ControlRegistration(IMessageTarget& control) : m_control(control) {
  Controls().push_back(&control);
}

ControlRegistration::~ControlRegistration() {
  auto& controls = Controls();
  controls.erase(std::find(controls.begin(), controls.end(), &m_control));
}

void BroadcastControlMessage(ControlMessage message) {
  // A copy: receivers may create or destroy controls while they react.
  const std::vector<IMessageTarget*> targets = Controls();
  for (IMessageTarget* target : targets)
    if (IsRegistered(target)) target->ControlMessageReceived(message);
}

std::vector<IMessageTarget*> RegisteredControls() {
  return Controls();
}

}  // namespace qs
