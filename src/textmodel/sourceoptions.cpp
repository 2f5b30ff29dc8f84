#include "textmodel/sourceoptions.h"

#include <algorithm>

#include "textmodel/qsstring.h"

namespace qs {
namespace {

std::vector<TCustomMemoSource*>& Sources() {
  static std::vector<TCustomMemoSource*> sources;
  return sources;
}

}  // namespace

TMemoSourceOptions& TMemoSourceOptions::Instance() {
  static TMemoSourceOptions options;
  return options;
}

void TMemoSourceOptions::ResetToDefaults() {
  *this = TMemoSourceOptions();
}

void TMemoSourceOptions::Changed() {
  // A copy: applying options may not add or remove documents, but a listener might.
  const std::vector<TCustomMemoSource*> sources = Sources();
  for (TCustomMemoSource* s : sources)
    if (s->UseGlobalOptions()) s->ApplyGlobalOptions();
}

const std::vector<TCustomMemoSource*>& LiveSources() {
  return Sources();
}

void RegisterSource(TCustomMemoSource* source) {
  Sources().push_back(source);
}

void UnregisterSource(TCustomMemoSource* source) {
  auto& sources = Sources();
  sources.erase(std::remove(sources.begin(), sources.end(), source), sources.end());
}

}  // namespace qs
