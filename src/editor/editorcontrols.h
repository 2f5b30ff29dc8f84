// The editor controls alive in the process, so that a change of the global
// editor options reaches each of them. A control registers for its whole
// life by holding a ControlRegistration.
#pragma once

#include <vector>

#include "editor/memooptions.h"

namespace qs {

class IMessageTarget {
 public:
  virtual ~IMessageTarget() = default;
  virtual void ControlMessageReceived(ControlMessage message) = 0;
};

class ControlRegistration {
 public:
  explicit ControlRegistration(IMessageTarget& control);
  ~ControlRegistration();
  ControlRegistration(const ControlRegistration&) = delete;
  ControlRegistration& operator=(const ControlRegistration&) = delete;

 private:
  IMessageTarget& m_control;
};

// Sends the message synchronously to every registered control, in the order
// they registered. A control that registers during the broadcast waits for
// the next one; one that unregisters is not sent the message any more.
void BroadcastControlMessage(ControlMessage message);

// The registered controls, oldest first.
std::vector<IMessageTarget*> RegisteredControls();

}  // namespace qs
