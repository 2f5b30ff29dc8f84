#include "platform/platform.h"

#include <stdexcept>

#include "platform/dialogs.h"
#include "support/utf8.h"

namespace qs {
namespace {

Platform*& Installed() {
  static Platform* installed = nullptr;
  return installed;
}

}  // namespace

Platform& ThePlatform() {
  if (!Installed()) throw std::logic_error("no platform is installed");
  return *Installed();
}

bool HasPlatform() {
  return Installed() != nullptr;
}

PlatformInstallation::PlatformInstallation(Platform& platform)
    : m_previous(Installed()), m_shower([&platform](const std::string& text) {
        platform.dialogs.ShowError(FromUtf8(text));
      }) {
  Installed() = &platform;
}

PlatformInstallation::~PlatformInstallation() {
  Installed() = m_previous;
}

}  // namespace qs
