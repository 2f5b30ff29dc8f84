// The one line a benchmark prints per figure, which ./bench.sh promises:
// BENCH <name> <value> <unit> baseline=<value> ratio=<value>
#pragma once

#include <cstdio>
#include <string>

inline void Report(const std::string& name, double value, const char* unit, double baseline) {
  std::printf("BENCH %s %.3f %s baseline=%.3f ratio=%.3f\n", name.c_str(), value, unit, baseline,
              baseline > 0 ? value / baseline : 0.0);
  std::fflush(stdout);
}
