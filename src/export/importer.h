// The reading side of formatted text: an importer turns a whole RTF or HTML
// input into runs (a stretch of text with its font, colour and background)
// and hands each run to whoever listens; like the exporters it never looks at
// the editor, so the control and the tests receive runs the same way.
#pragma once

#include <functional>
#include <string_view>

#include "platform/font.h"
#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

// Colours of imported runs are 0x00BBGGRR; this one stands for "not set" (a
// font colour) or "no background".
inline constexpr TColor kImportNoColor = -1;

// The look of one run: the font and its colour, which the receiver copies.
struct TImportFont {
  FontSpec Face;
  TColor Color = kImportNoColor;

  bool operator==(const TImportFont&) const = default;
};

class TQSImporter {
 public:
  using TImportTextEvent = std::function<void(TQSImporter& sender, StringView text,
                                              TColor backColor, const TImportFont& font)>;

  TQSImporter() = default;
  virtual ~TQSImporter() = default;
  TQSImporter(const TQSImporter&) = delete;
  TQSImporter& operator=(const TQSImporter&) = delete;

  TImportTextEvent OnImportText;

  virtual void DoImportText(StringView text, const TImportFont& font, TColor backColor) {
    if (OnImportText) OnImportText(*this, text, backColor, font);
  }
  // Whether the input is of this importer's kind; a reader that cannot tell
  // says yes and makes the best of what it gets.
  [[nodiscard]] virtual bool CanImport(std::string_view input) const = 0;
  // Reads the whole input, handing out runs as it goes.
  virtual void Import(std::string_view input) = 0;
};

}  // namespace qs
