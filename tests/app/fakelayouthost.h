// A toolkit whose whole arrangement of panels is a byte string. It refuses
// bytes that do not start with 'L', as a toolkit refuses state it cannot read.
#pragma once

#include "app/desktops.h"

namespace qs {

class FakeLayoutHost final : public ILayoutHost {
 public:
  LayoutBytes CaptureLayout() override { return current; }
  bool ApplyLayout(const LayoutBytes& arrangement) override {
    if (arrangement.empty() || arrangement[0] != 'L') return false;
    current = arrangement;
    ++applied;
    return true;
  }
  LayoutBytes DefaultLayout() override { return {'L', 'd', 'e', 'f'}; }

  LayoutBytes current{'L', 's', 't', 'a', 'r', 't'};
  int applied = 0;
};

}  // namespace qs
