// Hears of the destruction of a text source. The source has no destruction
// event, but it destroys its listener list with it, and with the list every
// registered listener: a listener whose captured alarm goes off when it is
// destroyed tells the watcher, unless the watcher went first.
#pragma once

#include <functional>
#include <memory>

#include "textmodel/listeners.h"

namespace qs {

class TCustomMemoSource;

class TSourceWatch {
 public:
  // onDestroyed runs while the source is being destroyed: it must not touch
  // the source.
  TSourceWatch(TCustomMemoSource& source, std::function<void()> onDestroyed);
  ~TSourceWatch();
  TSourceWatch(const TSourceWatch&) = delete;
  TSourceWatch& operator=(const TSourceWatch&) = delete;

 private:
  struct Alarm {
    std::function<void()> call;
    ~Alarm();
  };
  std::weak_ptr<Alarm> m_alarm;
  TListenerLink m_link;
};

}  // namespace qs
