#include "qt/windowplacement.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <string>
#include <vector>

#include "support/registry.h"
#include "support/regkey.h"

namespace qs::qt {

namespace {

const std::string kPlacementKey = std::string(kApplicationKey) + "\\Window";

// One value name per screen layout: every screen's size and place.
std::string LayoutName() {
  std::string name = "Placement";
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect r = screen->geometry();
    name += ' ' + std::to_string(r.width()) + 'x' + std::to_string(r.height()) + '+' +
            std::to_string(r.x()) + '+' + std::to_string(r.y());
  }
  return name;
}

}  // namespace

bool RestoreWindowPlacement(QWidget& window, SettingsStore& store) {
  RegistryKey key(store, RootKey::CurrentUser);
  if (!key.OpenKey(kPlacementKey, false)) return false;
  const std::optional<std::vector<std::uint8_t>> bytes = key.ReadBinary(LayoutName());
  if (!bytes || bytes->empty()) return false;
  const QByteArray geometry(reinterpret_cast<const char*>(bytes->data()),
                            static_cast<qsizetype>(bytes->size()));
  return window.restoreGeometry(geometry);
}

void SaveWindowPlacement(const QWidget& window, SettingsStore& store) {
  const QByteArray geometry = window.saveGeometry();
  RegistryKey key(store, RootKey::CurrentUser);
  key.OpenKey(kPlacementKey, true);
  key.WriteBinary(LayoutName(), std::vector<std::uint8_t>(geometry.begin(), geometry.end()));
}

}  // namespace qs::qt
