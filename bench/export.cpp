// Benchmarks of the export to highlighted HTML and RTF: a 21 MB PHP corpus
// and a 365 000-character single line, each beside a pass that reads every
// character and writes as many bytes as the export wrote; the long line
// beside the same bytes in short lines; and the memory an export to a file
// adds, beside the size of the document.
//
// The corpus is the PHP source of Debian's "wordpress" package (version
// 6.1.9 in bookworm), fetched with apt-get download and concatenated by
// bench/wordpress_corpus.sh into a cache folder beside this executable
// (QUILLON_EXPORT_CORPUS names a ready corpus instead).
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "benchreport.h"
#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "editor/qsmemo.h"
#include "export/htmlexporter.h"
#include "export/rtfexporter.h"
#include "platform/headlesscanvas.h"
#include "platform/headlesswindowhost.h"
#include "platform/localfilesplatform.h"
#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "bench_export: %s\n", why.c_str());
  std::exit(1);
}

// The nearest folder above the executable that holds `entry` (the source
// tree holds the build tree).
std::filesystem::path SourceFolderWith(const std::filesystem::path& entry) {
  std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  for (; !p.empty() && p != p.root_path(); p = p.parent_path())
    if (std::filesystem::exists(p / entry)) return p;
  Fail(entry.string() + " not found above the executable");
}

std::string SchemeFile() {
  if (const char* dir = std::getenv("QUILLON_SCHEMES_DIR")) return std::string(dir) + "/php.sch";
  return (SourceFolderWith("syntaxschemes/php.sch") / "syntaxschemes/php.sch").string();
}

std::string CorpusBytes() {
  if (const char* ready = std::getenv("QUILLON_EXPORT_CORPUS")) return qs::ReadDocumentFile(ready);
  const std::filesystem::path script = "bench/wordpress_corpus.sh";
  const std::filesystem::path cache =
      std::filesystem::read_symlink("/proc/self/exe").parent_path() / "export-corpus-cache";
  const std::string command =
      (SourceFolderWith(script) / script).string() + " '" + cache.string() + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) Fail("cannot run " + command);
  char path[4096] = {};
  const bool named = std::fgets(path, sizeof path, pipe) != nullptr;
  if (::pclose(pipe) != 0 || !named) Fail("preparing the corpus failed: " + command);
  std::string corpus(path);
  corpus.erase(corpus.find_last_not_of('\n') + 1);
  return qs::ReadDocumentFile(corpus);
}

// QUILLON_BENCH_ONLY runs only the named measurements ("wordpress",
// "longline", "memory", comma-separated).
bool Selected(const char* group) {
  const char* only = std::getenv("QUILLON_BENCH_ONLY");
  if (!only || !*only) return true;
  const std::string list = std::string(",") + only + ",";
  return list.find(std::string(",") + group + ",") != std::string::npos;
}

// PHP statements with no line comment, so that joined into one line every
// token keeps its colour; '@' becomes a number.
const char* const kPhpChunk =
    "$items@ = array(1, 2.5, 0x1F, 'one', \"two $name\"); "
    "foreach ($items@ as $key => $value) { echo \"<li>$key: \" . "
    "htmlspecialchars($value) . '</li>'; } /* block @ */ "
    "if ($count >= @ && $flag !== false) { $count = 0; } else { $count++; } "
    "function show@($x) { return $x > 0 ? $x . 'px' : null; } ";

std::string PhpLine(std::size_t chars) {
  std::string line = "<?php ";
  for (int n = 0; line.size() < chars; ++n) {
    std::string chunk = kPhpChunk;
    for (std::size_t at; (at = chunk.find('@')) != std::string::npos;)
      chunk.replace(at, 1, std::to_string(n));
    line += chunk;
  }
  line.resize(chars);
  return line;
}

// The editor control over a PHP document, highlighted with the shipped PHP
// scheme as the window highlights it.
struct Document {
  qs::TGlobalStyleResolver resolver{qs::MemoEnvOptions()};
  qs::TSyntaxParser parser;
  qs::HeadlessWindowHost host;
  qs::HeadlessCanvas canvas;
  qs::TQSMemo memo{host, canvas};
  double megabytes = 0;
  std::size_t characters = 0;

  explicit Document(const std::string& utf8) {
    parser.SetStyleResolver(&resolver);
    parser.SetUseGlobalOptions(true);
    qs::TSyntaxScheme scheme;
    scheme.LoadFromFile(SchemeFile());
    parser.SetSyntaxScheme(scheme);
    qs::TCustomMemoSource& source = memo.Source();
    source.LoadFromBytes(utf8);
    source.SetEditedName(U"corpus.php");
    memo.SetSyntaxParser(&parser);
    // Highlighting is measured by the syntax benchmark; here it is current
    // before the export starts, as after the view has shown the document.
    source.ParseLines(0, source.LineCount() - 1, false);
    megabytes = static_cast<double>(utf8.size()) / 1e6;
    for (std::int32_t l = 0; l < source.LineCount(); ++l)
      characters += source.StoredLine(l).size() + 1;
  }
  ~Document() { memo.SetSyntaxParser(nullptr); }
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
};

struct Format {
  const char* name;
  qs::TExporterClass exporter;
};
const Format kFormats[] = {{"html", &qs::TQSHTMLExporter::Create},
                           {"rtf", &qs::TQSRTFExporter::Create}};

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

std::uint64_t g_sink = 0;

struct Timed {
  double seconds = 0;
  std::size_t bytes = 0;  // written
};

// Where the timed exports write: a buffer of a fixed size that is emptied
// when full, as a buffered file writer would, so that neither side pays for
// holding a growing output in memory.
class TBufferSink final : public qs::TOutputStream {
 public:
  TBufferSink() { m_buffer.reserve(kCapacity); }
  void Write(std::string_view bytes) override {
    if (m_buffer.size() + bytes.size() > kCapacity) Drain();
    m_buffer.append(bytes);
  }
  void Append(std::size_t count, char byte) {
    if (m_buffer.size() + count > kCapacity) Drain();
    m_buffer.append(count, byte);
  }
  std::size_t Written() noexcept {
    Drain();
    return m_written;
  }

 private:
  static constexpr std::size_t kCapacity = 1 << 20;
  void Drain() {
    m_written += m_buffer.size();
    g_sink += m_buffer.empty() ? 0 : static_cast<unsigned char>(m_buffer.back());
    m_buffer.clear();
  }
  std::string m_buffer;
  std::size_t m_written = 0;
};

Timed ExportOnce(Document& d, const Format& format) {
  const auto t0 = Clock::now();
  TBufferSink out;
  d.memo.ExportToStream(out, format.exporter, false);
  const std::size_t written = out.Written();
  return {Seconds(t0), written};
}

// Reads every character of every line and writes `bytes` bytes in step
// with them: each line's characters as UTF-8, then blanks up to the share
// of `bytes` the characters read so far are due.
double BaselineSeconds(Document& d, std::size_t bytes) {
  const auto t0 = Clock::now();
  const qs::TCustomMemoSource& source = d.memo.Source();
  TBufferSink out;
  std::string utf8;
  std::size_t read = 0, written = 0;
  for (std::int32_t l = 0; l < source.LineCount(); ++l) {
    const qs::StringView line = source.StoredLine(l);
    utf8.clear();
    for (const qs::Char c : line) qs::AppendUtf8(utf8, c);
    out.Write(utf8);
    read += line.size() + 1;
    written += utf8.size();
    const auto due = static_cast<std::size_t>(
        static_cast<double>(bytes) * static_cast<double>(read) / static_cast<double>(d.characters));
    if (written < due) {
      out.Append(due - written, ' ');
      written = due;
    }
  }
  if (out.Written() != written) Fail("the baseline lost bytes");
  return Seconds(t0);
}

// The best of a few rounds of the export and of the baseline, alternating
// so that a busy machine does not favour one side.
struct Best {
  double exportSeconds = 1e300, baselineSeconds = 1e300;
};

Best BestOf(int rounds, Document& d, const Format& format) {
  Best best;
  for (int r = 0; r < rounds; ++r) {
    const Timed timed = ExportOnce(d, format);
    best.exportSeconds = std::min(best.exportSeconds, timed.seconds);
    best.baselineSeconds = std::min(best.baselineSeconds, BaselineSeconds(d, timed.bytes));
  }
  return best;
}

void BenchCorpus(Document& corpus) {
  for (const Format& format : kFormats) {
    const Best best = BestOf(3, corpus, format);
    Report(std::string("export_") + format.name + "_wordpress_21mb",
           corpus.megabytes / best.exportSeconds, "MB/s", corpus.megabytes / best.baselineSeconds);
  }
}

void BenchLongLine() {
  // The same 365 000 characters as one line and as 5 000 lines of 73.
  const std::string flat = PhpLine(365'000);
  std::string lines = "<?php\n";
  for (std::size_t at = 0; at < flat.size(); at += 73) lines += flat.substr(at, 73) + "\n";
  Document one(flat), many(lines);
  for (const Format& format : kFormats) {
    const Best best = BestOf(5, one, format);
    const std::string name = std::string("export_") + format.name;
    Report(name + "_single_365k_char_line", one.megabytes / best.exportSeconds, "MB/s",
           one.megabytes / best.baselineSeconds);
    const Best shortLines = BestOf(5, many, format);
    Report(name + "_single_365k_char_line_vs_same_bytes_in_short_lines", best.exportSeconds * 1e3,
           "ms", shortLines.exportSeconds * 1e3);
  }
}

long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  const std::string prefix = std::string(field) + ":";
  for (std::string line; std::getline(status, line);)
    if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
  return 0;
}

// Bytes the resident set grows by at its highest while work runs, measured
// in a child so that neither the parent's history nor its freed memory
// count.
double PeakGrowth(const std::function<void()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) Fail("pipe failed");
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5" << std::flush;  // restarts the high-water mark
    if (!clear) _exit(1);
    const long before = StatusKb("VmRSS");
    work();
    const double grown = static_cast<double>(StatusKb("VmHWM") - before) * 1024.0;
    const bool sent = ::write(fds[1], &grown, sizeof grown) == static_cast<ssize_t>(sizeof grown);
    _exit(sent ? 0 : 1);
  }
  ::close(fds[1]);
  double grown = -1;
  const bool got = ::read(fds[0], &grown, sizeof grown) == static_cast<ssize_t>(sizeof grown);
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) Fail("the measuring child failed");
  return grown;
}

// What a Save As to HTML or RTF adds to the memory the program holds, beside
// the document's size on disk (the aim is below twice that).
void BenchMemory(Document& corpus) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("quillon-bench-export-" + std::to_string(::getpid())))
                               .string();
  for (const Format& format : kFormats) {
    const double grown =
        PeakGrowth([&] { corpus.memo.ExportToFile(path, format.exporter, false); });
    Report(std::string("export_") + format.name + "_wordpress_21mb_peak_memory", grown / 1e6, "MB",
           corpus.megabytes);
    std::filesystem::remove(path);
  }
}

}  // namespace

int main() {
  qs::LocalFilesPlatform local;
  const qs::PlatformInstallation installed(local.platform);
  if (Selected("longline")) BenchLongLine();
  if (Selected("wordpress") || Selected("memory")) {
    Document corpus(CorpusBytes());
    if (Selected("memory")) BenchMemory(corpus);
    if (Selected("wordpress")) BenchCorpus(corpus);
  }
  if (g_sink == 42) std::puts("");  // keeps the baseline's writes
  return 0;
}
