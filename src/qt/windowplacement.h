// The main window's size and place between runs, remembered for each screen
// layout, so a laptop docked to a large monitor and undocked again finds its
// window where it was in each case.
#pragma once

class QWidget;

namespace qs {
class SettingsStore;
}

namespace qs::qt {

// Gives the window the size and place it last had on the present screens;
// false (and the window untouched) when none is stored for them.
bool RestoreWindowPlacement(QWidget& window, SettingsStore& store);
void SaveWindowPlacement(const QWidget& window, SettingsStore& store);

}  // namespace qs::qt
