#include "app/documentformat.h"

#include "support/encoding.h"
#include "support/utf8.h"
#include "textmodel/qsstring.h"

namespace qs {

String LineBreakName(TOutFormatType lineBreak) {
  switch (lineBreak) {
    case ofWindows:
      return U"CR LF";
    case ofMac:
      return U"CR";
    case ofUnix:
      break;
  }
  return U"LF";
}

String LineBreakCaption(TOutFormatType lineBreak) {
  const String name = LineBreakName(lineBreak);
  switch (lineBreak) {
    case ofWindows:
      return U"Windows (" + name + U")";
    case ofMac:
      return U"Mac (" + name + U")";
    case ofUnix:
      break;
  }
  return U"Unix (" + name + U")";
}

bool HasMixedLineBreaks(const TCustomMemoSource& source) {
  int kinds = 0;
  for (std::int32_t n : source.CountLineBreaks()) kinds += n > 0 ? 1 : 0;
  return kinds > 1;
}

String DocumentFormatText(const TCustomMemoSource& source) {
  String text = LineBreakName(source.OutFormat());
  text += U"   " + FromUtf8(EncodingName(source.FileEncoding()));
  if (source.HasBom()) text += U" BOM";
  return text;
}

}  // namespace qs
