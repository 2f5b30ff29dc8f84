#include "support/keylist.h"

#include <array>
#include <string>
#include <string_view>

#include "support/errors.h"

namespace qs {

namespace {

// Shift is bit 0, Alt bit 1, Ctrl bit 2, as the shift state of key input.
constexpr std::array<std::string_view, 3> kShiftNames = {"ssShift", "ssAlt", "ssCtrl"};

template <class Field>
Field Bounded(int value, int limit, const char* what) {
  if (value < 0 || value > limit)
    throw Error(std::string("Invalid key binding ") + what + " " + std::to_string(value));
  return static_cast<Field>(value);
}

}  // namespace

const ClassInfo& TKeyData::StaticClassInfo() {
  using T = TKeyData;
  static const ClassInfo info(
      "TKeyData", &TCollectionItem::StaticClassInfo(),
      {Prop::Integer<T>("RequiredState", &T::RequiredState, &T::SetRequiredState, 0),
       Prop::Integer<T>("NextState", &T::NextState, &T::SetNextState, 0),
       Prop::Integer<T>("Key", &T::Key, &T::SetKey, 0),
       Prop::Set<T>("Shift", &T::Shift, &T::SetShift, 0, kShiftNames),
       Prop::Integer<T>("Command", &T::Command, &T::SetCommand, 0)});
  return info;
}

void TKeyData::SetRequiredState(int state) {
  m_data.requiredState = Bounded<std::uint8_t>(state, 255, "state");
  Changed();
}

void TKeyData::SetNextState(int state) {
  m_data.nextState = Bounded<std::uint8_t>(state, 255, "state");
  Changed();
}

void TKeyData::SetKey(int key) {
  m_data.key = Bounded<TBindingKey>(key, 0xFFFF, "key");
  Changed();
}

void TKeyData::SetShift(std::uint32_t shift) {
  if ((shift & ~std::uint32_t{kBindingShiftMask}) != 0)
    throw Error("Invalid key binding shift " + std::to_string(shift));
  m_data.shift = static_cast<TBindingShift>(shift);
  Changed();
}

void TKeyData::SetCommand(int command) {
  m_data.command = Bounded<TKeyCommand>(command, 0xFFFF, "command");
  Changed();
}

void TKeyData::SetBinding(const TKeyBinding& binding) {
  m_data = binding;
  m_data.shift &= kBindingShiftMask;
  Changed();
}

const ClassInfo& TKeyList::StaticClassInfo() {
  static const ClassInfo info("TKeyList", &TCollection::StaticClassInfo());
  return info;
}

void TKeyList::AddBinding(TBindingKey key, TBindingShift shift, std::uint8_t requiredState,
                          std::uint8_t nextState, TKeyCommand command) {
  Add().SetBinding({key, shift, requiredState, nextState, command});
}

std::optional<TKeyBinding> TKeyList::FindBinding(TBindingKey key, TBindingShift shift,
                                                 std::uint8_t state) const {
  // Inside an update bracket changes are not reported yet, so the cache
  // could be stale: it is neither read nor filled then.
  const bool cacheable = !IsUpdating();
  if (cacheable && m_cache && m_cache->key == key && m_cache->shift == shift &&
      m_cache->state == state) {
    if (m_cache->index < 0) return std::nullopt;
    return Items(m_cache->index).Binding();
  }
  int found = -1;
  for (int i = Count() - 1; i >= 0; --i) {
    if (Items(i).Matches(key, shift, state)) {
      found = i;
      break;
    }
  }
  if (cacheable) m_cache = Cache{key, shift, state, found};
  if (found < 0) return std::nullopt;
  return Items(found).Binding();
}

void TKeyList::BeginUpdate() {
  m_cache.reset();
  TOwnedCollection<TKeyData>::BeginUpdate();
}

void TKeyList::Update(TCollectionItem* item) {
  m_cache.reset();
  TOwnedCollection<TKeyData>::Update(item);
}

}  // namespace qs
