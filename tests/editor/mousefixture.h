// An editor control on a headless window with a headless platform installed:
// the fake clock drives the 30 ms mouse timer, the in-memory clipboard and
// the recording shell stand for the desktop. Cells are 8 x 16 pixels.
#pragma once

#include <gtest/gtest.h>

#include "editor/qsmemo.h"
#include "platform/headlesscanvas.h"
#include "platform/headlessplatform.h"
#include "platform/headlesspopupmenu.h"
#include "platform/headlesswindowhost.h"
#include "support/utf8.h"
#include "textmodel/lineparser.h"

namespace qs::testing {

// Styles the characters between "[" and "]" as a URL (the brackets stay 0).
class BracketUrlParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return "TBracketUrlParser"; }
  std::int32_t ParseLine(StringView text, std::int32_t, bool, std::string& bytes) override {
    bytes.assign(text.size(), '\0');
    bool inside = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == U'[' || text[i] == U']') {
        inside = text[i] == U'[';
        continue;
      }
      if (inside) bytes[i] = 17;
    }
    return 0;
  }
};

class MouseTest : public ::testing::Test {
 protected:
  static constexpr int kCell = 8;
  static constexpr int kRow = 16;
  static constexpr int kTick = 30;

  MouseTest() : host({0, 0, 320, 160}), measure(320, 160), memo(host, measure) {
    memo.SetMenuHost(&menus);
  }

  // What a first click would do: the control has the focus.
  void Focus() {
    host.SetFocus();
    memo.FocusChanged(true);
  }
  void SetText(const String& text) { memo.Source().LoadFromText(text); }
  String Text() { return memo.Source().Lines().Text(); }
  TCustomMemoSource& Src() { return memo.Source(); }

  // The left edge of column c's cell on row r (of the view), a pixel inside it.
  TPoint At(int column, int row, int dx = 1) const {
    return {memoTextLeft() + column * kCell + dx, row * kRow + kRow / 2};
  }
  int memoTextLeft() const { return const_cast<TQSMemo&>(memo).Layout().textLeft; }

  void Press(TPoint p, TShiftState shift = 0, TMouseButton b = mbLeft) {
    host.SimulatePointer(p);
    memo.MouseDown(b, shift, p);
  }
  void Release(TPoint p, TShiftState shift = 0, TMouseButton b = mbLeft) {
    host.SimulatePointer(p);
    memo.MouseUp(b, shift, p);
  }
  void Click(TPoint p, TShiftState shift = 0, TMouseButton b = mbLeft) {
    Press(p, shift, b);
    Release(p, shift, b);
  }
  // Moves the pointer (held keys as given) and lets one timer tick pass.
  void MoveTo(TPoint p, TShiftState keys = 0) {
    host.SimulatePointer(p);
    host.SimulateKeyState(keys);
    platform.clock.Advance(kTick);
  }
  void Drag(TPoint from, TPoint to, TShiftState keys = 0) {
    Press(from, keys);
    MoveTo(to, keys);
    Release(to, keys);
  }
  // A press, release and the double-click press and release after it.
  void DoubleClick(TPoint p) {
    Click(p);
    Click(p, ssDouble);
  }

  TPosition BlockBegin() { return Src().BlockBegin(); }
  TPosition BlockEnd() { return Src().BlockEnd(); }

  HeadlessPlatform platform;
  PlatformInstallation installed{platform};
  HeadlessWindowHost host;
  HeadlessCanvas measure;
  HeadlessPopupMenuHost menus;
  TQSMemo memo;
};

}  // namespace qs::testing
