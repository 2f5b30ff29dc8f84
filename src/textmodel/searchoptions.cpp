#include "textmodel/searchoptions.h"

#include <array>
#include <string_view>

namespace qs {
namespace {

constexpr std::array<std::string_view, 2> kDirectionNames = {"sdForward", "sdBackward"};
constexpr std::array<std::string_view, 2> kScopeNames = {"ssGlobal", "ssSelectedText"};
constexpr std::array<std::string_view, 2> kOriginNames = {"soFromCursor", "soEntireScope"};
constexpr std::array<std::string_view, 4> kWhereNames = {"swProjectFiles", "swOpenFiles",
                                                         "swDirectories", "swOther"};

}  // namespace

const ClassInfo& TSearchOptions::StaticClassInfo() {
  using T = TSearchOptions;
  static const ClassInfo info(
      "TSearchOptions", &TOptionExt::StaticClassInfo(),
      {Prop::Boolean<T>("ShowNotFound", &T::ShowNotFound, &T::SetShowNotFound, false),
       Prop::Boolean<T>("ReplaceAll", &T::ReplaceAll, &T::SetReplaceAll, false),
       Prop::Boolean<T>("InReplace", &T::InReplace, &T::SetInReplace, false),
       Prop::Boolean<T>("FirstSearch", &T::FirstSearch, &T::SetFirstSearch, false),
       Prop::String<T>("TextToFind", &T::TextToFind, &T::SetTextToFind),
       Prop::String<T>("ReplaceWith", &T::ReplaceWith, &T::SetReplaceWith),
       Prop::Boolean<T>("PromptOnReplace", &T::PromptOnReplace, &T::SetPromptOnReplace, false),
       Prop::Boolean<T>("CaseSensitive", &T::CaseSensitive, &T::SetCaseSensitive, false),
       Prop::Boolean<T>("WholeWordsOnly", &T::WholeWordsOnly, &T::SetWholeWordsOnly, false),
       Prop::Boolean<T>("RegularExpr", &T::RegularExpr, &T::SetRegularExpr, false),
       Prop::Enum<T>("Direction", &T::Direction, &T::SetDirection, sdForward, kDirectionNames),
       Prop::Enum<T>("Scope", &T::Scope, &T::SetScope, ssGlobal, kScopeNames),
       Prop::Enum<T>("Origin", &T::Origin, &T::SetOrigin, soEntireScope, kOriginNames),
       Prop::Enum<T>("Where", &T::Where, &T::SetWhere, swDirectories, kWhereNames),
       Prop::String<T>("FileMask", &T::FileMask, &T::SetFileMask),
       Prop::Boolean<T>("IncludeSubDirs", &T::IncludeSubDirs, &T::SetIncludeSubDirs, false)});
  return info;
}

TSearchOptions& TSearchOptions::Instance() {
  return RegisteredOptions<TSearchOptions>();
}

}  // namespace qs
