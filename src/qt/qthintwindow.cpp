#include "qt/qthintwindow.h"

#include <QFontMetrics>
#include <QPainter>

#include "qt/qtconvert.h"

namespace qs::qt {

namespace {

constexpr int kMargin = 4;

// A line of the hint: the part between its first two "~" is bold.
struct HintLine {
  QString before, bold, after;
};

HintLine SplitLine(const QString& line) {
  const qsizetype open = line.indexOf(QLatin1Char('~'));
  if (open < 0) return {line, {}, {}};
  const qsizetype close = line.indexOf(QLatin1Char('~'), open + 1);
  if (close < 0) return {line.left(open), line.mid(open + 1), {}};
  return {line.left(open), line.mid(open + 1, close - open - 1), line.mid(close + 1)};
}

QStringList Lines(const String& text) {
  return ToQString(text).split(QStringLiteral("\r\n"));
}

QFont BoldOf(QFont font) {
  font.setBold(true);
  return font;
}

}  // namespace

QtHintWindow::QtHintWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("FunctionHint"));
  setWindowTitle(QStringLiteral("Function hint"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setForegroundRole(QPalette::ToolTipText);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
}

QSize QtHintWindow::TextSize() const {
  const QFontMetrics normal(font());
  const QFontMetrics bold(BoldOf(font()));
  int width = 0;
  const QStringList lines = Lines(m_text);
  for (const QString& line : lines) {
    const HintLine parts = SplitLine(line);
    width = std::max(width, normal.horizontalAdvance(parts.before) +
                                bold.horizontalAdvance(parts.bold) +
                                normal.horizontalAdvance(parts.after));
  }
  const int height = static_cast<int>(lines.size()) * std::max(normal.height(), bold.height());
  return {width + 2 * kMargin, height + 2 * kMargin};
}

void QtHintWindow::ShowHint(const String& text, TPoint at) {
  m_text = text;
  resize(TextSize());
  move(at.X, at.Y);
  show();
  update();
}

void QtHintWindow::SetHintText(const String& text) {
  m_text = text;
  resize(TextSize());
  update();
}

void QtHintWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::ToolTipText));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QFont bold = BoldOf(font());
  const int lineHeight = std::max(QFontMetrics(font()).height(), QFontMetrics(bold).height());
  int y = kMargin;
  for (const QString& line : Lines(m_text)) {
    const HintLine parts = SplitLine(line);
    int x = kMargin;
    const auto draw = [&](const QString& piece, const QFont& f) {
      painter.setFont(f);
      painter.drawText(QRect(x, y, width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, piece);
      x += QFontMetrics(f).horizontalAdvance(piece);
    };
    draw(parts.before, font());
    draw(parts.bold, bold);
    draw(parts.after, font());
    y += lineHeight;
  }
}

}  // namespace qs::qt
