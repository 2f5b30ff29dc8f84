#include "textmodel/sharededitstate.h"

namespace qs {
namespace {

TSharedEditState*& Installed() noexcept {
  static TSharedEditState process;
  static TSharedEditState* installed = &process;
  return installed;
}

}  // namespace

TSharedEditState& TSharedEditState::Current() noexcept {
  return *Installed();
}

SharedEditStateInstallation::SharedEditStateInstallation() noexcept : m_previous(Installed()) {
  Installed() = &m_state;
}

SharedEditStateInstallation::~SharedEditStateInstallation() {
  Installed() = m_previous;
}

}  // namespace qs
