// How the document is written to its file, as the window shows and changes
// it: the line break new lines get (and a conversion gives every line) and
// the encoding.
#pragma once

#include "support/qschar.h"
#include "textmodel/memotypes.h"

namespace qs {

class TCustomMemoSource;

// "LF", "CR LF" or "CR".
String LineBreakName(TOutFormatType lineBreak);
// The menu caption of a break: "Unix (LF)", "Windows (CR LF)", "Mac (CR)".
String LineBreakCaption(TOutFormatType lineBreak);
// Whether the lines end with more than one kind of break (reads every line).
bool HasMixedLineBreaks(const TCustomMemoSource& source);
// The status bar's text: the document's break and the encoding
// ("LF   UTF-8"). Cheap: it is shown after every caret move.
String DocumentFormatText(const TCustomMemoSource& source);

}  // namespace qs
