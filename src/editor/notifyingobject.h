// A settings object that tells its one owner of changes: after each setter
// that changed something, or once when a bracket (or an Assign) closes.
#pragma once

#include <functional>

#include "support/persistent.h"

namespace qs {

class TNotifyingPersistent : public TPersistent {
 public:
  void SetOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }
  void Assign(const TPersistent& source) override;

  void BeginUpdate() noexcept { ++m_updateCount; }
  void EndUpdate();

 protected:
  TNotifyingPersistent() = default;
  void Changed();

 private:
  std::function<void()> m_onChange;
  int m_updateCount = 0;
  bool m_pending = false;
};

}  // namespace qs
