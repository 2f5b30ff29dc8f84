// Every conversion between Qt's types and the platform layer's, in one place:
// text, geometry, colours, fonts, images, and the keys and modifiers of input
// events, which the editor's key bindings and the window's command shortcuts
// read alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

#include "platform/bitmap.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/keys.h"
#include "support/colors.h"
#include "support/qschar.h"

namespace qs::qt {

inline QString ToQString(StringView text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}
inline String FromQString(const QString& text) {
  return text.toStdU32String();
}
inline QString ToQString(const std::string& utf8) {
  return QString::fromStdString(utf8);
}
inline std::string Utf8FromQString(const QString& text) {
  return text.toStdString();
}

inline QPoint ToQPoint(TPoint p) {
  return {p.X, p.Y};
}
inline TPoint FromQPoint(const QPoint& p) {
  return {p.x(), p.y()};
}
// QRect's right() and bottom() are inclusive; TRect's edges are not.
inline QRect ToQRect(const TRect& r) {
  return {r.Left, r.Top, r.Width(), r.Height()};
}
inline TRect FromQRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
inline TSize FromQSize(const QSize& s) {
  return {s.width(), s.height()};
}

// A system colour (high byte 0xFF) takes the desktop palette's colour for its
// role; any other value is read as 0x00BBGGRR.
QColor ToQColor(TColor color);
inline TColor FromQColor(const QColor& c) {
  return MakeColor(c.red(), c.green(), c.blue());
}

QFont ToQFont(const FontSpec& font);
FontSpec FromQFont(const QFont& font);

// Bitmap pixels are 0xAARRGGBB, the layout of QImage::Format_ARGB32.
QImage ToQImage(const Bitmap& bitmap);

// A Qt key as a virtual key code; 0 for a key that has no code of ours.
// Keypad keys are told apart by Qt's keypad modifier, and a digit or
// punctuation key pressed with Shift keeps its unshifted code (a US
// layout's pairs), as key bindings and shortcuts name them.
TKey KeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift, Ctrl and Alt; the keypad and Meta flags are no part of a shift state.
TShiftState ShiftFromQt(Qt::KeyboardModifiers modifiers);

}  // namespace qs::qt
