// The markers drawn for line ends, the end of the text, spaces and tabs while
// the control shows special symbols. In a form stream the two strings travel
// as length-prefixed bytes, so any byte value survives.
#pragma once

#include "editor/notifyingobject.h"
#include "support/persistent.h"
#include "support/qschar.h"

namespace qs {

class TSpecialSymbols : public TNotifyingPersistent {
 public:
  // A marker longer than this is refused: it is drawn after every line.
  static constexpr std::size_t kMaxStringLength = 16;

  TSpecialSymbols() = default;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // Setting a string longer than kMaxStringLength throws qs::Error.
  const String& EOLString() const noexcept { return m_eolString; }
  void SetEOLString(const String& text);
  const String& EOFString() const noexcept { return m_eofString; }
  void SetEOFString(const String& text);
  // 0: no marker.
  Char SpaceChar() const noexcept { return m_spaceChar; }
  void SetSpaceChar(Char c);
  Char TabChar() const noexcept { return m_tabChar; }
  void SetTabChar(Char c);

 private:
  ByteVector EOLStringBinary() const;
  void SetEOLStringBinary(const ByteVector& data);
  ByteVector EOFStringBinary() const;
  void SetEOFStringBinary(const ByteVector& data);

  String m_eolString = U"\u00B6";
  String m_eofString = U"_";
  Char m_spaceChar = 0;
  Char m_tabChar = 0;
};

// The stream form of a marker: four bytes of length, little-endian, then one
// byte per character when every character is below 256, else UTF-8.
ByteVector EncodeSymbolString(const String& text);
// The reverse. Throws qs::ParseError for a block that is cut short or whose
// length is beyond what a marker may hold.
String DecodeSymbolString(const ByteVector& data);

}  // namespace qs
