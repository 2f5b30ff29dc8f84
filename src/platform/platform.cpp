#include "platform/platform.h"

#include <stdexcept>

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

PlatformInstallation::PlatformInstallation(Platform& platform) : m_previous(Installed()) {
  Installed() = &platform;
}

PlatformInstallation::~PlatformInstallation() {
  Installed() = m_previous;
}

}  // namespace qs
