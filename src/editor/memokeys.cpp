// The control's keyboard: the key list built from the key-mapping scheme, the
// key-down handler that walks key sequences through it, and typing.
#include "editor/keymappings.h"
#include "editor/memocommands.h"
#include "editor/qsmemo.h"
#include "support/codepages.h"
#include "support/guardedcall.h"
#include "support/typable.h"
#include "support/utf8.h"

namespace qs {

namespace {

bool IsModifierKey(TKey key) noexcept {
  return key == vk::Shift || key == vk::Control || key == vk::Menu;
}

TBindingShift BindingShift(TShiftState shift) noexcept {
  return static_cast<TBindingShift>(shift & (ssShift | ssAlt | ssCtrl));
}

}  // namespace

void TCustomQSMemo::SetKeyMapping(const String& name) {
  if (name == m_keyMapping) return;
  m_keyMapping = name;
  ResetKeys();
}

void TCustomQSMemo::ResetKeys() {
  const TKeyMappingRegistry& registry = TKeyMappingRegistry::Instance();
  TKeyMappingProc proc = registry.Find(kMemoKeyboardClass, m_keyMapping);
  if (!proc) proc = registry.Find(kMemoKeyboardClass, kDefaultKeyMapping);
  if (!proc) proc = DefaultKeyMapping;
  m_keyList.Clear();
  proc(m_keyList);
  m_keyState = 0;
  ++m_keyListBuilds;
}

bool TCustomQSMemo::IsDialogKey(TKey key) const noexcept {
  return (key == vk::Tab && !m_wantTabs) || (key == vk::Return && !m_wantReturns);
}

bool TCustomQSMemo::WantsKey(TKey key, TShiftState shift) const noexcept {
  return !IsDialogKey(key) || (shift & ssCtrl) != 0;
}

bool TCustomQSMemo::HasBinding(TKey key, TShiftState shift) const {
  return m_keyList.FindBinding(key, BindingShift(shift), m_keyState).has_value();
}

bool TCustomQSMemo::KeyDown(TKey key, TShiftState shift) noexcept {
  m_keyHandled = false;
  // Holding a modifier for the next stroke must not end the sequence.
  if (key == 0 || IsModifierKey(key)) return false;
  if (IsDialogKey(key)) {
    if ((shift & ssCtrl) == 0) return false;
    // The Ctrl only got the key past the dialog: it acts as the plain key.
    shift = 0;
  }
  GuardedCall(CommandFailureShower(), [&] {
    // A copy: the command may rebuild the list the binding came from.
    const std::optional<TKeyBinding> binding =
        m_keyList.FindBinding(key, BindingShift(shift), m_keyState);
    if (!binding) {
      // An unknown second stroke ends the sequence; the key may still type.
      m_keyState = 0;
      return;
    }
    const std::uint32_t builds = m_keyListBuilds;
    m_keyHandled = true;
    // The sequence state moves on before the command runs, so that a
    // command that fails still leaves the sequence finished or advanced.
    m_keyState = binding->nextState;
    if (binding->command != ecNone) ExecuteCommand(binding->command);
    // A rebuilt list starts its own sequences from nothing.
    if (builds != m_keyListBuilds) m_keyState = 0;
  });
  return m_keyHandled;
}

bool TCustomQSMemo::KeyPress(Char c) noexcept {
  if (m_keyHandled || m_keyState != 0 || !IsTypable(c)) return false;
  GuardedCall(CommandFailureShower(), [&] {
    if (m_oemConvert) c = Reinterpret(c, Encoding::Windows1251, Encoding::Cp866);
    Source().TypeChar(c);
  });
  return true;
}

FailureShower TCustomQSMemo::CommandFailureShower() {
  return [this](const std::string& text) {
    if (OnCommandError)
      OnCommandError(*this, Error(text));
    else
      ShowFailure(text);
  };
}

}  // namespace qs
