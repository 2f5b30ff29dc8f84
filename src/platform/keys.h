// Keyboard vocabulary of every layer: virtual key codes with the values the
// stored shortcuts use, and the shift state that goes with key and mouse input.
// Backends translate their toolkit's keys into these.
#pragma once

#include <cstdint>

namespace qs {

using TKey = std::uint16_t;

// Modifier keys and mouse buttons held during an input event, as bit flags.
using TShiftState = std::uint8_t;
enum TShiftFlag : TShiftState {
  ssShift = 0x01,
  ssAlt = 0x02,
  ssCtrl = 0x04,
  ssLeft = 0x08,
  ssRight = 0x10,
  ssMiddle = 0x20,
  ssDouble = 0x40,
};

// Letters and digits are their upper-case ASCII codes ('A', '0').
namespace vk {
inline constexpr TKey Back = 0x08;
inline constexpr TKey Tab = 0x09;
inline constexpr TKey Clear = 0x0C;
inline constexpr TKey Return = 0x0D;
inline constexpr TKey Shift = 0x10;
inline constexpr TKey Control = 0x11;
inline constexpr TKey Menu = 0x12;  // Alt
inline constexpr TKey Pause = 0x13;
inline constexpr TKey Capital = 0x14;
inline constexpr TKey Escape = 0x1B;
inline constexpr TKey Space = 0x20;
inline constexpr TKey Prior = 0x21;  // Page Up
inline constexpr TKey Next = 0x22;   // Page Down
inline constexpr TKey End = 0x23;
inline constexpr TKey Home = 0x24;
inline constexpr TKey Left = 0x25;
inline constexpr TKey Up = 0x26;
inline constexpr TKey Right = 0x27;
inline constexpr TKey Down = 0x28;
inline constexpr TKey Print = 0x2A;
inline constexpr TKey Snapshot = 0x2C;
inline constexpr TKey Insert = 0x2D;
inline constexpr TKey Delete = 0x2E;
inline constexpr TKey Help = 0x2F;
inline constexpr TKey Apps = 0x5D;  // the context-menu key
inline constexpr TKey Numpad0 = 0x60;
inline constexpr TKey Multiply = 0x6A;
inline constexpr TKey Add = 0x6B;
inline constexpr TKey Separator = 0x6C;
inline constexpr TKey Subtract = 0x6D;
inline constexpr TKey Decimal = 0x6E;
inline constexpr TKey Divide = 0x6F;
inline constexpr TKey F1 = 0x70;  // F1 + n - 1 is Fn, up to F24
inline constexpr TKey F24 = 0x87;
inline constexpr TKey NumLock = 0x90;
inline constexpr TKey Scroll = 0x91;
inline constexpr TKey OemSemicolon = 0xBA;  // ;:
inline constexpr TKey OemPlus = 0xBB;       // =+
inline constexpr TKey OemComma = 0xBC;      // ,<
inline constexpr TKey OemMinus = 0xBD;      // -_
inline constexpr TKey OemPeriod = 0xBE;     // .>
inline constexpr TKey OemSlash = 0xBF;      // /?
inline constexpr TKey OemTilde = 0xC0;      // `~
inline constexpr TKey OemOpenBracket = 0xDB;
inline constexpr TKey OemBackslash = 0xDC;
inline constexpr TKey OemCloseBracket = 0xDD;
inline constexpr TKey OemQuote = 0xDE;

constexpr TKey Function(int n) {
  return static_cast<TKey>(F1 + n - 1);
}
}  // namespace vk

}  // namespace qs
