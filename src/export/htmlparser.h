// The HTML tokenizer: text between tags, tags with their names, attribute
// names and values, comments.
#pragma once

#include "syntax/customqsparser.h"

namespace qs {

// Scanner states.
inline constexpr std::int32_t hsText = 0;
inline constexpr std::int32_t hsComment = 2;
inline constexpr std::int32_t hsTag = 3;

// Token kinds besides the generic ones (a quoted value is pkString, a
// number or "#" and hexadecimal digits pkInteger, a blank or line break in
// text pkSymbol).
inline constexpr std::int32_t htComment = 2;
inline constexpr std::int32_t htTag = 10;  // "<name" or "</name" opening a tag, or its ">"
inline constexpr std::int32_t htName = 11;
inline constexpr std::int32_t htText = 24;

class TIntHTMLParser : public TCustomQSParser {
 public:
  TIntHTMLParser();

  // Inside a tag after an attribute name: skips the blanks and the "=" that
  // lead to a value; true when there was a "=".
  bool SkipToAttributeValue();
  // Moves to the "<" of the first "</name" (ASCII case ignored) or to the
  // end: the content of script and style is not HTML.
  void SkipRawText(std::string_view name);

 protected:
  void InitTables() override;

 private:
  std::int32_t ScanText();
  std::int32_t ScanTagStart();
  std::int32_t ScanTagEnd();
  std::int32_t ScanName();
  std::int32_t ScanHexNumber();
  std::int32_t ScanComment();
  std::int32_t ScanBlank();
};

}  // namespace qs
