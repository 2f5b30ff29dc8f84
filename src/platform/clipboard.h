// The system clipboard: plain text, and rich text under the MIME type
// "text/rtf" (the "Rich Text Format" of the documents this program exchanges).
#pragma once

#include <string>
#include <string_view>

#include "support/qschar.h"

namespace qs {

inline constexpr std::string_view kRtfMimeType = "text/rtf";

class IClipboard {
 public:
  virtual ~IClipboard() = default;

  [[nodiscard]] virtual bool HasText() const = 0;
  // Empty when the clipboard holds no text.
  [[nodiscard]] virtual String GetText() const = 0;
  // Replaces everything on the clipboard with the text alone.
  virtual void SetText(StringView text) = 0;

  [[nodiscard]] virtual bool HasRtf() const = 0;
  // The RTF bytes as placed, empty when there are none.
  [[nodiscard]] virtual std::string GetRtf() const = 0;
  // Replaces everything with one item offering both forms, so a reader that
  // wants either finds the same content.
  virtual void SetTextAndRtf(StringView text, std::string_view rtf) = 0;

  // True while the content was placed by this program (the block-paste flag
  // of a column copy is trusted only then).
  [[nodiscard]] virtual bool IsOwner() const = 0;
};

}  // namespace qs
