#include "editor/controlbackground.h"

namespace qs {

const ClassInfo& TControlBackground::StaticClassInfo() {
  using T = TControlBackground;
  static const ClassInfo info(
      "TControlBackground", &TPersistent::StaticClassInfo(),
      {Prop::Enum<T>("BkgndOption", &T::BkgndOption, &T::SetBkgndOption, boNone, kBkgndOptionNames),
       Prop::Colour<T>("GradientBeginColor", &T::GradientBeginColor, &T::SetGradientBeginColor,
                       clBlue),
       Prop::Colour<T>("GradientEndColor", &T::GradientEndColor, &T::SetGradientEndColor,
                       clBlack)});
  return info;
}

const ClassInfo& TGutterBackground::StaticClassInfo() {
  static const ClassInfo info("TGutterBackground", &TControlBackground::StaticClassInfo());
  return info;
}

void TControlBackground::SetBkgndOption(TBkgndOption option) {
  if (m_option == option) return;
  m_option = option;
  Changed();
}

void TControlBackground::SetGradientBeginColor(TColor color) {
  if (m_beginColor == color) return;
  m_beginColor = color;
  Changed();
}

void TControlBackground::SetGradientEndColor(TColor color) {
  if (m_endColor == color) return;
  m_endColor = color;
  Changed();
}

}  // namespace qs
