// Objects to and from the settings store by their published properties: one
// value per property, a sub-key per sub-object, a collection as one binary
// value holding its object text. Loading never fails: what is absent or
// unusable leaves the property as it was.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "support/persistent.h"
#include "support/registry.h"

namespace qs {

// Told of each value the loader could not use: its key, its name and why.
using SettingsProblemHandler =
    std::function<void(std::string_view key, std::string_view name, std::string_view message)>;

inline constexpr std::string_view kUnsupportedTypeMessage =
    "This type isn't supported by WriteToRegistry";
// The same text with the kind number: "...WriteToRegistry($000A)".
std::string UnsupportedTypeMessage(PropKind kind);

// Ordinals as Integer values (sets as their mask, characters as their code),
// doubles as 8-byte little-endian Binary, strings as String. Binary and string
// list properties cannot be stored: qs::Error kUnsupportedTypeMessage is
// thrown before anything is written.
void SavePropertiesToStore(const TPersistent& object, SettingsStore& store, RootKey root,
                           std::string_view key);

// Reads back what SavePropertiesToStore wrote. An absent key or value keeps the
// property; a value of the wrong kind or size, out of range, or a collection
// text that does not read keeps it too and is reported.
void LoadPropertiesFromStore(TPersistent& object, const SettingsStore& store, RootKey root,
                             std::string_view key, const SettingsProblemHandler& onProblem = {});

}  // namespace qs
