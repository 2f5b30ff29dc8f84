// What a text-style list asks of the editor control that owns it. The
// control implements this; a list without a host (the one inside the global
// options) touches no control.
#pragma once

#include "support/colors.h"

namespace qs {

class TMemoFont;

class IStyleHost {
 public:
  virtual ~IStyleHost() = default;

  // The control's colours and font that styles follow or drive.
  virtual TColor Color() const = 0;
  virtual void SetColor(TColor color) = 0;
  virtual TMemoFont& Font() = 0;
  virtual void SetSelColor(TColor color) = 0;
  virtual void SetSelBackColor(TColor color) = 0;
  virtual void SetMatchColor(TColor color) = 0;
  virtual void SetMatchBackColor(TColor color) = 0;
  virtual bool UseMonoFont() const = 0;

  // The style-change handler: mark the styles changed, repaint, and forget
  // the cached line height.
  virtual void StylesChanged() = 0;
  // The text source drops its highlighting state, so lines are styled again.
  virtual void DiscardHighlighting() = 0;
  virtual void RecomputeCaretShape() = 0;
  virtual void RecomputeUniformFont() = 0;
  // After a bracket of style changes: the uniform-font flag, line height,
  // character width and scroll ranges are computed afresh.
  virtual void RecomputeMetrics() = 0;
};

}  // namespace qs
