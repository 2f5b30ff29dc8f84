#include "app/commandline.h"

#include "platform/filesystem.h"

namespace qs {

namespace {

constexpr const char* kPrintSwitch = "/p";

}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& args, const IFileSystem& files) {
  TCommandLine result;
  std::vector<std::string> names = args;
  if (!names.empty() && names.front() == kPrintSwitch) {
    result.print = true;
    names.erase(names.begin());
  }
  if (!names.empty() && names.back() == kPrintSwitch) {
    result.print = true;
    names.pop_back();
  }
  if (names.empty()) return result;
  result.fileName = names.front();
  if (names.size() == 1 || files.Exists(result.fileName)) return result;
  std::string joined = names.front();
  for (std::size_t i = 1; i < names.size(); ++i) joined += " " + names[i];
  if (files.Exists(joined)) result.fileName = joined;
  return result;
}

}  // namespace qs
