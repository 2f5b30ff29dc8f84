// What the editor control's pointer, drag-and-drop and clipboard handling
// publishes (events, property types) and the state it keeps between events.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/geometry.h"
#include "platform/keys.h"
#include "platform/windowhost.h"
#include "support/qschar.h"
#include "textmodel/position.h"

namespace qs {

class TCustomQSMemo;

enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

enum class TClipboardType : std::uint8_t { cbNormal, cbRtf };
using enum TClipboardType;

// The cursor shown over URLs: our own hand.
inline constexpr Cursor crMemoHandPoint = Cursor::HandPoint;

using TClickGutterEvent =
    std::function<void(TCustomQSMemo&, std::int32_t linePos, int imageIndex, TShiftState shift)>;
using TJumpToUrlEvent = std::function<void(TCustomQSMemo&, const String& url, bool& handled)>;

// Where a pointer operation stands.
enum class TMouseState : std::uint8_t {
  Idle,             // no operation
  Selecting,        // a press that selects as the pointer moves
  MayDrag,          // a press on the selection that drags it as the pointer moves
  AfterMultiClick,  // a double or triple click selected; waits for the release
};

struct TMouseData {
  TMouseState state = TMouseState::Idle;
  TPosition anchor;                   // where a mouse selection started
  TPosition last{-1, -1};             // the last processed pointer position
  std::int64_t doubleClickTime = -1;  // when the last double click came
  TPoint doubleClickPoint;
  bool overUrl = false;   // at the press
  bool onGutter = false;  // at the press
  std::int64_t wheelRemainder = 0;
};

}  // namespace qs
