// The key half of the Qt conversions: Qt's key codes as the virtual key
// codes of our own vocabulary.
#include "qt/qtconvert.h"

#include <iterator>

namespace qs::qt {

namespace {

struct KeyPair {
  int qt;
  TKey ours;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, vk::Back},
    {Qt::Key_Tab, vk::Tab},
    {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Clear, vk::Clear},
    {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},
    {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control},
    {Qt::Key_Alt, vk::Menu},
    {Qt::Key_Pause, vk::Pause},
    {Qt::Key_CapsLock, vk::Capital},
    {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::Prior},
    {Qt::Key_PageDown, vk::Next},
    {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},
    {Qt::Key_Print, vk::Snapshot},
    {Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, vk::Delete},
    {Qt::Key_Help, vk::Help},
    {Qt::Key_Menu, vk::Apps},
    {Qt::Key_NumLock, vk::NumLock},
    {Qt::Key_ScrollLock, vk::Scroll},
    // The punctuation keys of a US layout, both characters of each key.
    {Qt::Key_Semicolon, vk::OemSemicolon},
    {Qt::Key_Colon, vk::OemSemicolon},
    {Qt::Key_Equal, vk::OemPlus},
    {Qt::Key_Plus, vk::OemPlus},
    {Qt::Key_Comma, vk::OemComma},
    {Qt::Key_Less, vk::OemComma},
    {Qt::Key_Minus, vk::OemMinus},
    {Qt::Key_Underscore, vk::OemMinus},
    {Qt::Key_Period, vk::OemPeriod},
    {Qt::Key_Greater, vk::OemPeriod},
    {Qt::Key_Slash, vk::OemSlash},
    {Qt::Key_Question, vk::OemSlash},
    {Qt::Key_QuoteLeft, vk::OemTilde},
    {Qt::Key_AsciiTilde, vk::OemTilde},
    {Qt::Key_BracketLeft, vk::OemOpenBracket},
    {Qt::Key_BraceLeft, vk::OemOpenBracket},
    {Qt::Key_Backslash, vk::OemBackslash},
    {Qt::Key_Bar, vk::OemBackslash},
    {Qt::Key_BracketRight, vk::OemCloseBracket},
    {Qt::Key_BraceRight, vk::OemCloseBracket},
    {Qt::Key_Apostrophe, vk::OemQuote},
    {Qt::Key_QuoteDbl, vk::OemQuote},
    // Shift with a digit key reports the character it types.
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// Keys of the numeric keypad; digits and the decimal key when Num Lock types them.
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, vk::Multiply}, {Qt::Key_Plus, vk::Add},       {Qt::Key_Minus, vk::Subtract},
    {Qt::Key_Slash, vk::Divide},      {Qt::Key_Period, vk::Decimal}, {Qt::Key_Comma, vk::Decimal},
};

TKey Lookup(const KeyPair* first, const KeyPair* last, int qtKey) {
  for (const KeyPair* p = first; p != last; ++p)
    if (p->qt == qtKey) return p->ours;
  return 0;
}

}  // namespace

TKey KeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
  if ((modifiers & Qt::KeypadModifier) != 0) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
      return static_cast<TKey>(vk::Numpad0 + (qtKey - Qt::Key_0));
    if (const TKey k = Lookup(std::begin(kKeypadKeys), std::end(kKeypadKeys), qtKey)) return k;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<TKey>('A' + (qtKey - Qt::Key_A));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<TKey>('0' + (qtKey - Qt::Key_0));
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::Function(qtKey - Qt::Key_F1 + 1);
  return Lookup(std::begin(kKeys), std::end(kKeys), qtKey);
}

TShiftState ShiftFromQt(Qt::KeyboardModifiers modifiers) {
  TShiftState s = 0;
  if ((modifiers & Qt::ShiftModifier) != 0) s |= ssShift;
  if ((modifiers & Qt::ControlModifier) != 0) s |= ssCtrl;
  if ((modifiers & Qt::AltModifier) != 0) s |= ssAlt;
  return s;
}

}  // namespace qs::qt
