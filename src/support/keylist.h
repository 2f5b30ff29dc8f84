// Key bindings: which command a key with a shift set runs in a given state of
// a key sequence, and which state follows. A list of them is what a control's
// keyboard handling looks up; two-stroke commands are a binding without a
// command that leads to a state only the second stroke's bindings require.
#pragma once

#include <cstdint>
#include <optional>

#include "support/collection.h"

namespace qs {

// What a binding runs; 0 runs nothing. The meaning of the other values
// belongs to whoever executes the list (the editor control's commands).
using TKeyCommand = std::uint16_t;
// A virtual key code and the shift set of Shift (1), Alt (2) and Ctrl (4).
using TBindingKey = std::uint16_t;
using TBindingShift = std::uint8_t;
inline constexpr TBindingShift kBindingShiftMask = 0x07;
// A RequiredState of 255 matches every state.
inline constexpr std::uint8_t kAnyKeyState = 255;

// A binding as a value, what a lookup hands out: the caller may run the
// command even if that changes the list the binding came from.
struct TKeyBinding {
  TBindingKey key = 0;
  TBindingShift shift = 0;
  std::uint8_t requiredState = 0;
  std::uint8_t nextState = 0;
  TKeyCommand command = 0;
  bool operator==(const TKeyBinding&) const = default;
};

class TKeyData : public TCollectionItem {
 public:
  TKeyData() = default;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // The setters take what a stored list may hold and refuse with qs::Error a
  // value outside the field's range, so a damaged list cannot bind a key that
  // does not exist or a state beyond a byte.
  int RequiredState() const noexcept { return m_data.requiredState; }
  void SetRequiredState(int state);
  int NextState() const noexcept { return m_data.nextState; }
  void SetNextState(int state);
  int Key() const noexcept { return m_data.key; }
  void SetKey(int key);
  std::uint32_t Shift() const noexcept { return m_data.shift; }
  void SetShift(std::uint32_t shift);
  int Command() const noexcept { return m_data.command; }
  void SetCommand(int command);

  const TKeyBinding& Binding() const noexcept { return m_data; }
  void SetBinding(const TKeyBinding& binding);
  // Whether the binding answers key and shift in state.
  bool Matches(TBindingKey key, TBindingShift shift, std::uint8_t state) const noexcept {
    return m_data.key == key && m_data.shift == shift &&
           (m_data.requiredState == state || m_data.requiredState == kAnyKeyState);
  }

 private:
  TKeyBinding m_data;
};

class TKeyList : public TOwnedCollection<TKeyData> {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  void AddBinding(TBindingKey key, TBindingShift shift, std::uint8_t requiredState,
                  std::uint8_t nextState, TKeyCommand command);
  // State 0, back to state 0.
  void AddKey(TBindingKey key, TBindingShift shift, TKeyCommand command) {
    AddBinding(key, shift, 0, 0, command);
  }
  // Any state, back to state 0.
  void AddAnyStateKey(TBindingKey key, TBindingShift shift, TKeyCommand command) {
    AddBinding(key, shift, kAnyKeyState, 0, command);
  }

  // The last registered binding for key and shift that applies in state, so a
  // later registration overrides an earlier one. The last answer is cached
  // for exactly the (key, shift, state) it was asked for.
  std::optional<TKeyBinding> FindBinding(TBindingKey key, TBindingShift shift,
                                         std::uint8_t state) const;

  void BeginUpdate() override;

 protected:
  void Update(TCollectionItem* item) override;

 private:
  struct Cache {
    TBindingKey key = 0;
    TBindingShift shift = 0;
    std::uint8_t state = 0;
    int index = -1;  // -1: nothing found for the query
  };
  mutable std::optional<Cache> m_cache;
};

}  // namespace qs
