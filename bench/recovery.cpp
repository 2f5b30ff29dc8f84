// Keeping the recovery record while typing: 10 000 characters typed in the
// middle of a 1 M-line document, with the record written at every pause (a
// pause every 20 characters, far more often than the 2 s idle point would
// come), beside the same typing with no record; and the bytes the record
// takes per keystroke beside the document's size.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/localfilesplatform.h"
#include "textmodel/qsstring.h"
#include "textmodel/recoveryjournal.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kLines = 1000000;
constexpr int kTyped = 10000;
constexpr int kPauseEvery = 20;

void Report(const char* name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name, value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}

struct Run {
  double ms = 0;
  std::uint64_t recordBytes = 0;
};

Run TypeInto(const std::string& document, const std::string& folder, bool recovery) {
  qs::TMemoSource source;
  source.LoadFromFile(document);
  std::optional<qs::TRecoveryJournal> journal;
  if (recovery) {
    journal.emplace(source, folder, "bench");
    journal->Restart(document);
  }
  source.SetCaretPos(10, kLines / 2);
  const auto start = Clock::now();
  for (int i = 0; i < kTyped; ++i) {
    source.TypeChar(U'a' + static_cast<char32_t>(i % 26));
    if (journal && (i + 1) % kPauseEvery == 0) journal->Flush();
  }
  if (journal) journal->Flush();
  Run run{std::chrono::duration<double, std::milli>(Clock::now() - start).count(), 0};
  if (journal) {
    run.recordBytes = journal->BytesWritten();
    journal->Discard();
  }
  return run;
}

}  // namespace

int main() {
  qs::LocalFilesPlatform local;
  qs::PlatformInstallation installed(local.platform);
  const fs::path dir =
      fs::temp_directory_path() / ("quillon-bench-recovery-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string document = (dir / "large.txt").string();
  {
    std::ofstream out(document, std::ios::binary);
    for (int i = 0; i < kLines; ++i) out << "    some line of text, number and words\n";
  }
  const std::string folder = (dir / "records").string();
  // The best of three rounds each, alternating, so neither side gets a warmer cache.
  Run off{1e300, 0};
  Run on{1e300, 0};
  for (int round = 0; round < 3; ++round) {
    const Run a = TypeInto(document, folder, false);
    const Run b = TypeInto(document, folder, true);
    off.ms = std::min(off.ms, a.ms);
    if (b.ms < on.ms) on = b;
  }
  Report("recovery.type_10k_in_1M_lines", on.ms, "ms", off.ms);
  Report("recovery.record_bytes_per_keystroke", static_cast<double>(on.recordBytes) / kTyped,
         "bytes", static_cast<double>(fs::file_size(document)));
  fs::remove_all(dir);
  return 0;
}
