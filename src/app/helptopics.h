// Context help: which page of which help book answers the word at the caret
// for the language there. Pure rules, no document.
#pragma once

#include <optional>
#include <string>

#include "support/qschar.h"

namespace qs {

struct TFunctionsListItem;

// The help books beside the program: each a folder of HTML pages under
// "help/" ("" is the folder itself, for the program's own help).
enum class THelpBook { Main, Php, Css, Html };
[[nodiscard]] std::string HelpBookFolder(THelpBook book);

struct THelpTopic {
  THelpBook book = THelpBook::Main;
  std::string page;  // inside the book; may end in "#anchor"
  bool operator==(const THelpTopic&) const = default;
};

// The word as the topic tables know it: lower case, without a leading "!"
// and without enclosing double quotes.
[[nodiscard]] String TopicWord(StringView word);

// Each takes a TopicWord; nullopt when the book has no page for it.
[[nodiscard]] std::optional<THelpTopic> PhpTopic(StringView word,
                                                 const TFunctionsListItem& phpFunctions);
[[nodiscard]] std::optional<THelpTopic> CssTopic(StringView word);
[[nodiscard]] std::optional<THelpTopic> HtmlTopic(StringView word);

// Whether the text of a line before the caret ends inside the value of a
// style attribute of the tag it is in ("style" = "..." with any blanks
// around "=", letter case ignored; not "data-style").
[[nodiscard]] bool InsideStyleAttribute(StringView lineBeforeCaret);

}  // namespace qs
