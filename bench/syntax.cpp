// Benchmarks of the line highlighter driven by the document: full
// highlighting of large PHP+HTML and JavaScript texts against a pass that only
// reads their characters, one very long line against as many short ones, the
// lines parsed after edits, and the allocations made per token.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <random>
#include <string>

#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/objecttext.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"
#include "textmodel/qsstring.h"

// Every allocation of the process is counted, so a pass can be checked for
// allocating per token.
namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using Clock = std::chrono::steady_clock;

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name, value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}

// The shipped schemes: QUILLON_SCHEMES_DIR, else the nearest syntaxschemes/
// above the executable (the source tree holds the build tree).
std::string SchemeDir() {
  if (const char* dir = std::getenv("QUILLON_SCHEMES_DIR")) return dir;
  std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  for (; !p.empty() && p != p.root_path(); p = p.parent_path())
    if (std::filesystem::exists(p / "syntaxschemes" / "php.sch"))
      return (p / "syntaxschemes").string();
  std::fprintf(stderr, "syntaxschemes/ not found; set QUILLON_SCHEMES_DIR\n");
  std::exit(1);
}

// QUILLON_BENCH_SCALE shrinks or grows every input (e.g. 0.05 for a slice
// small enough to run under an instruction counter); QUILLON_BENCH_ONLY runs
// only the named measurements ("php", "js", "longline", "edits",
// "allocations", "schemeload", comma-separated).
double Scale() {
  const char* text = std::getenv("QUILLON_BENCH_SCALE");
  const double scale = text ? std::atof(text) : 1.0;
  return scale > 0 ? scale : 1.0;
}

std::size_t Scaled(std::size_t bytes) {
  return std::max<std::size_t>(1, static_cast<std::size_t>(static_cast<double>(bytes) * Scale()));
}

bool Selected(const char* group) {
  const char* only = std::getenv("QUILLON_BENCH_ONLY");
  if (!only || !*only) return true;
  const std::string list = std::string(",") + only + ",";
  return list.find(std::string(",") + group + ",") != std::string::npos;
}

// ---- Inputs ----------------------------------------------------------------

std::string Fill(std::string text, int n) {
  const std::string num = std::to_string(n);
  for (std::size_t at; (at = text.find('@')) != std::string::npos;) text.replace(at, 1, num);
  return text;
}

// A page with style sheet, script, PHP and markup; '@' becomes a number.
const char* const kPhpPage = R"(<!DOCTYPE html>
<html lang="en">
<head>
  <meta charset="utf-8">
  <title>Page @ of the catalogue</title>
  <style type="text/css">
    body { margin: 0; padding: 4px 8px; color: #336699; } /* page @ */
    .item-@ > a:hover { text-decoration: underline; font-size: 1.5em; }
  </style>
  <script type="text/javascript">
    // counter @
    var total = @ * 2.5, name = "item @", pattern = 'a\'b';
    function show(x) { if (x > 0x1F) { return x + "px"; } return null; }
  </script>
</head>
<body>
<!-- section @ starts here -->
<div class="row" id="row@"><a href="http://example.com/page/@">link @</a></div>
<?php
  /* block @: list the items
     of this page */
  $items = array(1, 2, 3, @);
  foreach ($items as $key => $value) {
    echo "<li>$key: " . htmlspecialchars($value) . "</li>\n"; // one item
  }
  if ($count >= @ && $flag !== false) { $count = 0; } else { $count++; }
  $message = 'Total: ' . number_format($total, 2) . ' EUR'; # done
?>
<p>Text &amp; more text with <b>bold</b>, <i>italic</i> and <?= $name ?> inline.</p>
</body>
</html>
)";

const char* const kJsChunk = R"(/**
 * Module @: a small queue with a timer.
 */
import { helper } from './helper@.js';

export class Queue@ extends Base {
  constructor(limit = @) {
    super();
    this.items = [];
    this.limit = limit; // the most it holds
    this.ratio = 0.75e-2 + 0x@F;
  }
  push(item) {
    if (this.items.length >= this.limit && !this.dropOld) {
      throw new Error(`queue @ is full: ${this.items.length}`);
    }
    const key = "k" + item.id + '\n';
    this.items.push({ key, item, at: Date.now() });
    return this.items.length;
  }
  async drain(callback) {
    while (this.items.length > 0) {
      const next = this.items.shift();
      await callback(next, /* retry */ false);
    }
  }
}
)";

// The script joined into one line, its line comments left out.
std::string WithoutLineComments(const std::string& script) {
  std::string out;
  for (std::size_t at = 0; at < script.size();) {
    std::size_t end = script.find('\n', at);
    if (end == std::string::npos) end = script.size();
    const std::string line = script.substr(at, end - at);
    out += line.substr(0, line.find("// ")) + ' ';
    at = end + 1;
  }
  return out;
}

// The script without block comments, so that an opened one never closes.
std::string WithoutBlockComments(std::string script) {
  for (std::size_t at; (at = script.find("/*")) != std::string::npos;)
    script.erase(at, script.find("*/", at) + 2 - at);
  return script;
}

// Copies of a chunk with growing numbers until about `bytes` bytes.
std::string Repeat(const char* chunk, std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 4096);
  for (int n = 0; text.size() < bytes; ++n) text += Fill(chunk, n);
  return text;
}

struct Document {
  qs::TSyntaxParser parser;
  qs::TMemoSource source;
  double megabytes = 0;
  Document(const std::string& scheme, const std::string& utf8) {
    qs::TSyntaxScheme s;
    s.LoadFromFile(SchemeDir() + "/" + scheme);
    parser.SetSyntaxScheme(s);
    source.LoadFromText(qs::FromUtf8(utf8));
    source.SetSyntaxParser(&parser);
    megabytes = static_cast<double>(utf8.size()) / 1e6;
  }
};

// ---- Measurements ----------------------------------------------------------

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Seconds of one full highlight from a reset document.
double HighlightSeconds(Document& d) {
  d.source.ResetHighlighting();
  const auto t0 = Clock::now();
  d.source.ParseLines(0, d.source.LineCount() - 1, false);
  return Seconds(t0);
}

std::uint64_t g_sink = 0;

// Seconds of a pass that reads every character of every line once.
double ReadSeconds(Document& d) {
  const auto t0 = Clock::now();
  std::uint64_t sum = 0;
  for (std::int32_t l = 0; l < d.source.LineCount(); ++l)
    for (qs::Char c : d.source.StoredLine(l)) sum += c;
  g_sink += sum;
  return Seconds(t0);
}

// The best of a few rounds, alternating the two sides so that a busy machine
// does not favour one.
std::pair<double, double> BestOf(int rounds, const std::function<double()>& a,
                                 const std::function<double()>& b) {
  double bestA = 1e300, bestB = 1e300;
  for (int r = 0; r < rounds; ++r) {
    bestA = std::min(bestA, a());
    bestB = std::min(bestB, b());
  }
  return {bestA, bestB};
}

void BenchThroughput(const char* name, const char* scheme, const char* chunk, std::size_t bytes) {
  Document d(scheme, Repeat(chunk, Scaled(bytes)));
  const auto [highlight, read] = BestOf(
      3, [&] { return HighlightSeconds(d); }, [&] { return ReadSeconds(d); });
  Report(name, d.megabytes / highlight, "MB/s", d.megabytes / read);
}

void BenchLongLine() {
  // The same 365 000 characters as one line and as 5 000 lines of 73.
  const std::size_t kChars = Scaled(365'000), kShort = 73;
  // Line comments would take the rest of the long line: they are left out.
  std::string flat;
  for (int n = 0; flat.size() < kChars; ++n) flat += WithoutLineComments(Fill(kJsChunk, n));
  flat.resize(kChars);
  std::string lines;
  for (std::size_t at = 0; at < flat.size(); at += kShort) lines += flat.substr(at, kShort) + "\n";
  Document one("javascript.sch", flat), many("javascript.sch", lines);
  const auto [longLine, shortLines] = BestOf(
      5, [&] { return HighlightSeconds(one); }, [&] { return HighlightSeconds(many); });
  Report("js_single_365k_char_line_vs_365kb_of_short_lines", longLine * 1e3, "ms",
         shortLines * 1e3);
}

void BenchEdits() {
  // About a million lines of script without block comments, the first one a
  // plain statement.
  const std::string chunk = WithoutBlockComments(kJsChunk);
  Document d("javascript.sch", "var first = 1;\n" + Repeat(chunk.c_str(), Scaled(28'000'000)));
  const std::int32_t count = d.source.LineCount();
  const auto full = static_cast<double>(count);
  d.source.ParseLines(0, count - 1, false);

  // A change inside a statement: its line ends in the state it ended in.
  const std::int32_t middle = count / 2;
  d.parser.ResetParsedLineCount();
  d.source.Lines().Put(middle, qs::String(d.source.StoredLine(middle)) + U" x = 1;");
  d.source.ParseAhead(count - 1, false);
  Report("js_parsed_lines_after_edit_keeping_end_state",
         static_cast<double>(d.parser.ParsedLineCount()), "lines", full);

  // "/*" typed at the top (one character at a time), then the view jumps to
  // the last line: every line is parsed once.
  const auto t0 = Clock::now();
  d.parser.ResetParsedLineCount();
  for (const qs::String& typed : {qs::String(U"/"), qs::String(U"/*")}) {
    d.source.BeginUpdate(0);
    d.source.Lines().Put(0, typed + qs::String(d.source.StoredLine(0).substr(typed.size() - 1)));
    d.source.ReparseLine(0);
    d.source.EndUpdate();
    d.source.ParseAhead(0, false);  // what the view shows at the top
  }
  d.source.ParseAhead(count - 1, false);
  const double jump = Seconds(t0);
  Report("js_parsed_lines_typing_comment_open_at_top_then_end",
         static_cast<double>(d.parser.ParsedLineCount()), "lines", full);
  double scratch = 1e300;
  for (int round = 0; round < 3; ++round) scratch = std::min(scratch, HighlightSeconds(d));
  Report("js_time_typing_comment_open_at_top_then_end", jump * 1e3, "ms", scratch * 1e3);
}

void BenchAllocations() {
  Document d("php.sch", Repeat(kPhpPage, Scaled(2'000'000)));
  long tokens = 0;
  d.parser.OnGetToken = [&](qs::TSyntaxParser&, int, qs::StringView) { ++tokens; };
  HighlightSeconds(d);
  d.parser.OnGetToken = nullptr;
  // A fresh document: the pass also sizes every line's style bytes once.
  Document fresh("php.sch", Repeat(kPhpPage, Scaled(2'000'000)));
  const long before = g_allocations.load();
  fresh.source.ParseLines(0, fresh.source.LineCount() - 1, false);
  const long allocations = g_allocations.load() - before;
  const auto lines = static_cast<double>(fresh.source.LineCount());
  Report("php_allocations_per_line_vs_tokens_per_line", static_cast<double>(allocations) / lines,
         "allocations", static_cast<double>(tokens) / lines);
}

// A scheme of n blocks, none with an ID, every tenth with a keyword set, as a
// user scheme grown by a generator would be; 40 000 of them stay inside the
// size bound of a scheme file.
std::string ManyBlockScheme(int n) {
  std::string text = "object TPersHolder\r\n  P.Name = 'Many'\r\n  P.SyntaxBlocks = <";
  for (int i = 0; i < n; ++i) {
    const std::string id = std::to_string(i);
    text += "\r\n    item\r\n      Name = 'B" + id + "'";
    if (i % 10 == 0)
      text +=
          "\r\n      KeywordSets = <\r\n        item\r\n          FontID = 1\r\n"
          "          Keywords = 'a" +
          id + ",b" + id + "'\r\n        end>";
    text += "\r\n    end";
  }
  return text + ">\r\nend\r\n";
}

// Loading a scheme of many blocks beside reading the same file's object text:
// the ratio stays flat from 10 000 to 40 000 blocks when loading is linear.
void BenchSchemeLoad() {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("quillon-bench-" + std::to_string(::getpid()) + ".sch"))
                               .string();
  for (const int blocks : {10'000, 40'000}) {
    const int n = static_cast<int>(Scaled(static_cast<std::size_t>(blocks)));
    { std::ofstream(path, std::ios::binary) << ManyBlockScheme(n); }
    auto t0 = Clock::now();
    const qs::ObjectNode tree = qs::ReadObjectText(qs::ReadDocumentFile(path));
    const double read = Seconds(t0);
    g_sink += tree.properties.size();
    qs::TSyntaxScheme scheme;
    t0 = Clock::now();
    scheme.LoadFromFile(path);
    scheme.Compile();
    const double load = Seconds(t0);
    const std::string name =
        "scheme_load_" + std::to_string(blocks) + "_blocks_vs_object_text_read";
    Report(name.c_str(), load * 1000, "ms", read * 1000);
  }
  std::filesystem::remove(path);
}

}  // namespace

int main() {
  if (Selected("php")) BenchThroughput("php_html_20mb_highlight", "php.sch", kPhpPage, 20'000'000);
  if (Selected("js")) BenchThroughput("js_10mb_highlight", "javascript.sch", kJsChunk, 10'000'000);
  if (Selected("longline")) BenchLongLine();
  if (Selected("edits")) BenchEdits();
  if (Selected("allocations")) BenchAllocations();
  if (Selected("schemeload")) BenchSchemeLoad();
  if (g_sink == 42) std::puts("");  // keeps the reading pass
  return 0;
}
