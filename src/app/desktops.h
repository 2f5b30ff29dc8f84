// The saved arrangements of the main window's dock panels: the one layout of
// "Save Layout" / "Load Layout" under "Layout\", and named desktops under
// "Desktops\<name>\". The window's toolkit captures and applies the
// arrangement (ILayoutHost); these rules decide where it is kept, what a
// record may hold and what happens when one cannot be used.
#pragma once

#include <string>
#include <vector>

#include "app/layoutrecord.h"
#include "support/qschar.h"

namespace qs {

class SettingsStore;

class ILayoutHost {
 public:
  virtual ~ILayoutHost() = default;
  // The arrangement now.
  virtual LayoutBytes CaptureLayout() = 0;
  // False, with nothing changed, when the toolkit cannot read the bytes.
  virtual bool ApplyLayout(const LayoutBytes& arrangement) = 0;
  // The arrangement the window started with.
  virtual LayoutBytes DefaultLayout() = 0;
};

enum class TLayoutLoad {
  Loaded,
  Missing,   // nothing saved under that name: nothing changed
  FellBack,  // the saved record was damaged: the default arrangement shows
};

inline constexpr std::size_t kMaxDesktopNameChars = 64;

class TDesktops {
 public:
  explicit TDesktops(SettingsStore& store);

  void SetHost(ILayoutHost* host) noexcept { m_host = host; }
  bool HasHost() const noexcept { return m_host != nullptr; }

  // Save writes the new record before anything old is removed, so a failed
  // save (a layout too large) keeps the one saved before. Each save is
  // written to the settings file at once when the store has one.
  void SaveLayout();
  TLayoutLoad LoadLayout();

  // Names as the user gave them, in the store's order.
  std::vector<String> DesktopNames() const;
  // Throws qs::Error for a name that cannot be a desktop's (see DesktopNameProblem).
  void SaveDesktop(const String& name);
  TLayoutLoad LoadDesktop(const String& name);
  // False when there was no such desktop.
  bool DeleteDesktop(const String& name);

  // Why a name cannot be a desktop's, or empty when it can: it must not be
  // blank, hold a "\" or a control character, or be longer than
  // kMaxDesktopNameChars. Blanks around it are not part of it.
  static String DesktopNameProblem(const String& name);
  static String TrimmedName(const String& name);

 private:
  void Save(const std::string& path);
  TLayoutLoad Load(const std::string& path);
  void Persist();
  ILayoutHost& Host() const;

  SettingsStore& m_store;
  ILayoutHost* m_host = nullptr;
};

}  // namespace qs
