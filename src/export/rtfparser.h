// The RTF tokenizer: text runs, control words with their numeric parameter,
// escaped characters, hex escapes and group brackets.
#pragma once

#include "syntax/customqsparser.h"

namespace qs {

inline constexpr std::int32_t rtText = pkString;  // also a "\\", "\{" or "\}"
inline constexpr std::int32_t rtWord = 6;         // a word of the reserved list
inline constexpr std::int32_t rtGroupStart = 20;
inline constexpr std::int32_t rtGroupEnd = 21;
inline constexpr std::int32_t rtUnknownWord = 22;
inline constexpr std::int32_t rtHexChar = 23;

class TQSRtfParser : public TCustomQSParser {
 public:
  TQSRtfParser();

  // Of the last control word: its position in SortedWords (-1 when not
  // there), its text ("\" and the letters) and its parameter, the optional
  // "-" and digits right after it, saturated to 32 bits.
  std::int32_t WordIndex = -1;
  std::string_view Word;
  bool HasParameter = false;
  std::int32_t Parameter = 0;
  // The byte of the last hex escape.
  unsigned char SpecialChar = 0;
  // The text that directly followed the last "{".
  std::string_view GroupText;

  // Skips count bytes of binary data (\bin), never past the end.
  void SkipBinary(std::int64_t count);

 protected:
  void InitTables() override;

 private:
  std::int32_t ScanText();
  std::int32_t ScanGroupStart();
  std::int32_t ScanControl();
  std::int32_t ScanHexEscape();
  void ScanParameter();
};

}  // namespace qs
