// Painting benchmarks: a full repaint of a 1920 x 1080 window of highlighted
// PHP into an offscreen image beside QPlainTextEdit painting the same text in
// the same size, and the rows a keystroke repaints in a document of a million
// lines beside the rows of a full repaint.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "platform/headlesswindowhost.h"
#include "qt/qtcanvas.h"
#include "qt/qtmemowidget.h"
#include "support/utf8.h"
#include "syntax/qsparser.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name, value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}

std::string SchemeFile() {
  if (const char* env = std::getenv("QUILLON_SCHEMES_DIR")) return std::string(env) + "/php.sch";
  std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  for (int i = 0; i < 6 && !dir.empty(); ++i, dir = dir.parent_path())
    if (std::filesystem::exists(dir / "syntaxschemes" / "php.sch"))
      return (dir / "syntaxschemes" / "php.sch").string();
  return "syntaxschemes/php.sch";
}

// A PHP page of about lines lines: comments, strings, numbers, keywords, HTML.
qs::String PhpText(int lines) {
  const char32_t* block[] = {
      U"<?php",
      U"// compute the totals of the order, one line per item",
      U"function total($items, $rate = 0.19) {",
      U"    $sum = 0;",
      U"    foreach ($items as $name => $price) {",
      U"        echo \"<li class=\\\"item\\\">\" . htmlspecialchars($name) . \"</li>\";",
      U"        $sum += $price * 1.5 + 0x1F;  /* rounded later */",
      U"    }",
      U"    return round($sum * (1 + $rate), 2);",
      U"}",
      U"?>",
      U"<table border=\"1\" cellpadding=\"4\"><tr><td>Total</td><td><?= total($cart) "
      U"?></td></tr></table>",
  };
  qs::String text;
  for (int i = 0; i < lines; ++i) text += qs::String(block[i % 12]) + U"\n";
  return text;
}

template <class F>
double BestMs(int rounds, F&& f) {
  double best = 1e300;
  for (int i = 0; i < rounds; ++i) {
    const auto start = Clock::now();
    f();
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return best;
}

struct Highlighting {
  Highlighting() : resolver(qs::MemoEnvOptions()) {
    parser.SetStyleResolver(&resolver);
    parser.SetUseGlobalOptions(true);
    scheme.LoadFromFile(SchemeFile());
    parser.SetSyntaxScheme(scheme);
  }
  qs::TGlobalStyleResolver resolver;
  qs::TSyntaxParser parser;
  qs::TSyntaxScheme scheme;
};

constexpr qs::TMemoOptions kViewOptions =
    qs::SetBit(qs::moDrawGutter) | qs::SetBit(qs::moLineNumbers) |
    qs::SetBit(qs::moLineNumbersOnGutter) | qs::SetBit(qs::moColorSyntax) |
    qs::SetBit(qs::moDrawMargin);

void FullRepaint() {
  Highlighting h;
  const qs::String text = PhpText(2000);
  qs::qt::QtMemoWidget widget;
  widget.Memo().SetSyntaxParser(&h.parser);
  widget.Memo().Source().LoadFromText(text);
  widget.Memo().SetOptions(kViewOptions);
  widget.resize(kWidth, kHeight);
  QImage ours(widget.viewport()->size(), QImage::Format_RGB32);
  widget.viewport()->render(&ours);  // highlights the visible lines once
  const double oursMs = BestMs(30, [&] { widget.viewport()->render(&ours); });

  QPlainTextEdit plain;
  plain.setPlainText(QString::fromStdString(qs::ToUtf8(text)));
  plain.setLineWrapMode(QPlainTextEdit::NoWrap);
  plain.resize(kWidth, kHeight);
  QImage theirs(plain.viewport()->size(), QImage::Format_RGB32);
  plain.viewport()->render(&theirs);
  const double theirsMs = BestMs(30, [&] { plain.viewport()->render(&theirs); });
  Report("paint.full_repaint_1920x1080_php", oursMs, "ms", theirsMs);
}

// The control on a recording host, so the band a change invalidates can be
// painted alone, measuring and painting with Qt.
void KeystrokeInAMillionLines() {
  Highlighting h;
  qs::HeadlessWindowHost host({0, 0, kWidth, kHeight});
  QImage measureImage(1, 1, QImage::Format_RGB32);
  QPainter measurePainter(&measureImage);
  qs::qt::QtCanvas measure(measurePainter);
  qs::TQSMemo memo(host, measure);
  memo.SetSyntaxParser(&h.parser);
  memo.Source().LoadFromText(PhpText(1000000));
  memo.SetOptions(kViewOptions);
  memo.SetTopLine(500000);
  memo.Source().SetCaretPos(8, 500010);

  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  qs::qt::QtCanvas canvas(painter);
  memo.ResetPaintedRows();
  const double fullMs = BestMs(5, [&] { memo.Paint(canvas, host.ClientRect()); });
  const std::int64_t fullRows = memo.PaintedRows() / 5;

  host.ClearInvalidated();
  memo.ResetPaintedRows();
  const auto start = Clock::now();
  memo.Source().TypeChar(U'x');
  memo.Paint(canvas, host.InvalidUnion());
  const double keyMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  Report("paint.keystroke_1M_lines_rows", static_cast<double>(memo.PaintedRows()), "rows",
         static_cast<double>(fullRows));
  Report("paint.keystroke_1M_lines_type_and_repaint", keyMs, "ms", fullMs);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  FullRepaint();
  KeystrokeInAMillionLines();
  return 0;
}
