// What every document of the process shares rather than keeps: the insert
// or overwrite mode the user toggles, and whether the last copy this program
// made was a column block. One object holds both, and a test installs a fresh
// one for its scope, so no test sees another's mode.
#pragma once

namespace qs {

struct TSharedEditState {
  bool overwrite = false;
  // Trusted only while the clipboard still holds what this program put there.
  bool columnClipboard = false;

  // The state in force: the innermost installed one, else the process's own.
  static TSharedEditState& Current() noexcept;
};

// Puts a fresh state in force for its lifetime and the one before back after.
class SharedEditStateInstallation {
 public:
  SharedEditStateInstallation() noexcept;
  ~SharedEditStateInstallation();
  SharedEditStateInstallation(const SharedEditStateInstallation&) = delete;
  SharedEditStateInstallation& operator=(const SharedEditStateInstallation&) = delete;

  TSharedEditState& State() noexcept { return m_state; }

 private:
  TSharedEditState m_state;
  TSharedEditState* m_previous;
};

}  // namespace qs
