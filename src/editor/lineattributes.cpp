#include "editor/lineattributes.h"

#include <utility>

namespace qs {

TLineSeparator::TLineSeparator() {
  m_pen.SetOnChange([this] { PenChanged(); });
}

const ClassInfo& TLineSeparator::StaticClassInfo() {
  using T = TLineSeparator;
  static const ClassInfo info(
      "TLineSeparator", &TPersistent::StaticClassInfo(),
      {Prop::Set<T>("Options", &T::Options, &T::SetOptions, 0, kLineSeparatorOptionNames),
       Prop::Object<T, TPen>("Pen", &T::Pen)});
  return info;
}

void TLineSeparator::SetOptions(TLineSeparatorOptions options) {
  if (m_options == options) return;
  m_options = options;
  m_changeIsVisible = true;
  Changed();
}

void TLineSeparator::PenChanged() {
  m_changeIsVisible = (m_options & SetBit(moDrawLineSeparator)) != 0;
  Changed();
  m_changeIsVisible = true;
}

TLineHighlight::TLineHighlight() {
  m_pen.SetOnChange([this] { Changed(); });
  m_brush.SetOnChange([this] { Changed(); });
}

const ClassInfo& TLineHighlight::StaticClassInfo() {
  using T = TLineHighlight;
  static const ClassInfo info(
      "TLineHighlight", &TPersistent::StaticClassInfo(),
      {Prop::Object<T, TPen>("Pen", &T::Pen), Prop::Object<T, TBrush>("Brush", &T::Brush),
       Prop::Boolean<T>("Visible", &T::Visible, &T::SetVisible, false),
       Prop::Enum<T>("Shape", &T::Shape, &T::SetShape, shDoubleLine, kHighlightShapeNames)});
  return info;
}

void TLineHighlight::SetVisible(bool visible) {
  if (m_visible == visible) return;
  m_visible = visible;
  Changed();
}

void TLineHighlight::SetShape(THighlightShape shape) {
  if (m_shape == shape) return;
  m_shape = shape;
  Changed();
}

}  // namespace qs
