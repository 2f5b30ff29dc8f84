#include "textmodel/sourceoptions.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "textmodel/qsstring.h"

namespace qs {
namespace {

constexpr std::array<std::string_view, 19> kOptionNames = {
    "soBackUnindents",      "soGroupUndo",       "soBeyondFileEnd",    "soForceCutCopy",
    "soAutoIndent",         "soSmartTab",        "soFindTextAtCursor", "soCreateBackups",
    "soPersistentBlocks",   "soOverwriteBlocks", "soLimitEOL",         "soUseTabCharacter",
    "soCursorOnTabs",       "soOptimalFill",     "soSelectFoundText",  "soExcludeReadOnlyLines",
    "soCursorAlwaysOnTabs", "soUsePrevIndent",   "soRetainColumn"};

std::vector<TCustomMemoSource*>& Sources() {
  static std::vector<TCustomMemoSource*> sources;
  return sources;
}

}  // namespace

const ClassInfo& TMemoSourceOptions::StaticClassInfo() {
  using T = TMemoSourceOptions;
  static const ClassInfo info(
      "TMemoSourceOptions", &TOptionExt::StaticClassInfo(),
      {Prop::Boolean<T>("KeepTrailingBlanks", &T::KeepTrailingBlanks, &T::SetKeepTrailingBlanks,
                        false),
       Prop::Set<T>("Options", &T::OptionBits, &T::SetOptionBits, kDefaultStringsOptions.ToBits(),
                    kOptionNames),
       Prop::String<T>("TabStops", &T::TabStops, &T::SetTabStops, U"9,17"),
       Prop::String<T>("Delimeters", &T::Delimeters, &T::SetDelimeters,
                       U"/{}+-*():=,;><$.#[]^@&~|%'"),
       Prop::Integer<T>("BlockIndent", &T::BlockIndent, &T::SetBlockIndent, 1)});
  return info;
}

TMemoSourceOptions& TMemoSourceOptions::Instance() {
  const bool first = FindRegisteredOptions<TMemoSourceOptions>() == nullptr;
  TMemoSourceOptions& options = RegisteredOptions<TMemoSourceOptions>();
  if (first) {
    // Lives as long as the instance: the registry resetting drops both.
    static Subscription broadcast;
    broadcast = options.OnChanged(&BroadcastSourceOptions);
  }
  return options;
}

void TMemoSourceOptions::SetKeepTrailingBlanks(bool v) {
  if (m_keepTrailingBlanks == v) return;
  m_keepTrailingBlanks = v;
  Changed();
}

void TMemoSourceOptions::SetOptions(TStringsOptions v) {
  if (m_options == v) return;
  m_options = v;
  Changed();
}

void TMemoSourceOptions::SetTabStops(const String& v) {
  if (m_tabStops == v) return;
  m_tabStops = v;
  Changed();
}

void TMemoSourceOptions::SetDelimeters(const String& v) {
  if (m_delimeters == v) return;
  m_delimeters = v;
  Changed();
}

void TMemoSourceOptions::SetBlockIndent(int v) {
  v = std::max(v, 0);
  if (m_blockIndent == v) return;
  m_blockIndent = v;
  Changed();
}

void BroadcastSourceOptions() {
  // A copy: a document's listeners may create or destroy documents.
  const std::vector<TCustomMemoSource*> sources = Sources();
  for (TCustomMemoSource* s : sources)
    if (std::find(Sources().begin(), Sources().end(), s) != Sources().end() &&
        s->UseGlobalOptions())
      s->ApplyGlobalOptions();
}

const std::vector<TCustomMemoSource*>& LiveSources() {
  return Sources();
}

void RegisterSource(TCustomMemoSource* source) {
  Sources().push_back(source);
}

void UnregisterSource(TCustomMemoSource* source) {
  std::erase(Sources(), source);
}

}  // namespace qs
