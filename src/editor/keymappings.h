// The process-wide registry of key-mapping schemes: a named procedure per
// control class that fills a key list, looked up by class and name. The five
// schemes of the editor control are registered on first use.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/keylist.h"
#include "support/qschar.h"

namespace qs {

using TKeyMappingProc = std::function<void(TKeyList&)>;

// The class the editor control's schemes are registered for.
inline constexpr std::string_view kMemoKeyboardClass = "TCustomQSMemo";
inline constexpr std::u32string_view kDefaultKeyMapping = U"Default";

// Where a layout types a character: the key code in the low byte and the
// shift keys it needs in the high byte (1 Shift, 2 Ctrl, 4 Alt), or 0xFFFF
// when no key types it.
using TCharToKey = std::function<std::uint16_t(Char)>;

class TKeyMappingRegistry {
 public:
  struct Entry {
    std::string classId;   // "KeyboardClass.ID"
    String name;           // "KeyboardClass.InitName"
    TKeyMappingProc proc;  // "KeyboardClass.InitProc"
  };

  // The one registry, holding the built-in schemes on first use.
  static TKeyMappingRegistry& Instance();

  void RegisterKeyMapping(std::string_view classId, StringView name, TKeyMappingProc proc);
  // The first entry registered for the class under exactly that name; empty
  // when there is none.
  TKeyMappingProc Find(std::string_view classId, StringView name) const;
  // The scheme names of the class in registration order (what an option page lists).
  std::vector<String> Names(std::string_view classId) const;

  // The layout translation the schemes use for bracket keys; the default is
  // a US layout's. Tables built after the change use it.
  void SetCharToKey(TCharToKey translate);
  std::uint16_t CharToKey(Char c) const;

  // Back to the built-in schemes and translation (tests).
  void Reset();

 private:
  TKeyMappingRegistry();
  std::vector<Entry> m_entries;
  TCharToKey m_charToKey;
};

inline void RegisterKeyMapping(std::string_view classId, StringView name, TKeyMappingProc proc) {
  TKeyMappingRegistry::Instance().RegisterKeyMapping(classId, name, std::move(proc));
}

// The built-in schemes' procedures.
void DefaultKeyMapping(TKeyList& keys);
void ClassicKeyMapping(TKeyList& keys);
void BriefKeyMapping(TKeyList& keys);
void EpsilonKeyMapping(TKeyList& keys);
void VisualStudioKeyMapping(TKeyList& keys);

}  // namespace qs
