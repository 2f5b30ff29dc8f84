#include "editor/sourcewatch.h"

#include "textmodel/qsstring.h"

namespace qs {

TSourceWatch::Alarm::~Alarm() {
  if (!call) return;
  const std::function<void()> ring = std::move(call);
  ring();
}

TSourceWatch::TSourceWatch(TCustomMemoSource& source, std::function<void()> onDestroyed) {
  auto alarm = std::make_shared<Alarm>();
  alarm->call = std::move(onDestroyed);
  m_alarm = alarm;
  // The listener holds the only owner of the alarm; it does nothing when
  // called.
  m_link = source.Listen([alarm](TCustomMemoSource&, std::int32_t, std::int32_t) {}, this, false);
}

TSourceWatch::~TSourceWatch() {
  if (const std::shared_ptr<Alarm> alarm = m_alarm.lock()) alarm->call = nullptr;
  m_link.Reset();
}

}  // namespace qs
