// The application's own settings under "System\": the recent-file list, the
// quick settings the window starts with, the Esc key, the web server the
// preview goes through and the code page of files that are not UTF.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editor/printoptions.h"
#include "support/encoding.h"
#include "support/optionobject.h"
#include "support/qschar.h"

namespace qs {

class IFileSystem;
struct TMenuItem;

inline constexpr StringView kDefaultServerUrl = U"http://127.0.0.1/";
inline constexpr StringView kDefaultServerPath = U"/var/www/html/";
inline constexpr StringView kDefaultCodePage = U"windows-1252";

class TSysOptions : public TOptionExt {
 public:
  static constexpr int kDefaultMaxRecent = 15;
  static constexpr int kMinMsgWindowHeight = 20;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "System\\"; }

  // The registered instance, made and loaded on first use.
  static TSysOptions& Instance();

  bool UseEscKey() const noexcept { return m_useEscKey; }
  void SetUseEscKey(bool v);
  bool UseRMSystemMenu() const noexcept { return m_useRMSystemMenu; }
  void SetUseRMSystemMenu(bool v);
  bool WordWrap() const noexcept { return m_wordWrap; }
  void SetWordWrap(bool v);
  bool HighlightUrls() const noexcept { return m_highlightUrls; }
  void SetHighlightUrls(bool v);
  bool VerifyAssoc() const noexcept { return m_verifyAssoc; }
  void SetVerifyAssoc(bool v);
  const String& AssocExts() const noexcept { return m_assocExts; }
  void SetAssocExts(const String& v);
  const String& UserExts() const noexcept { return m_userExts; }
  void SetUserExts(const String& v);

  // Trimmed, "\" turned into "/", and a trailing "/" added unless empty.
  const String& ServerUrl() const noexcept { return m_serverUrl; }
  void SetServerUrl(const String& v);
  // Trimmed, "\" turned into the native "/", a trailing "/" added unless empty.
  const String& ServerPath() const noexcept { return m_serverPath; }
  void SetServerPath(const String& v);

  // The print options the last print dialog chose, as the bits of a
  // TQSPrintOptions (unknown bits dropped), and its left margin (bounded).
  int PrintOptions() const noexcept { return m_printOptions; }
  void SetPrintOptions(int bits);
  int PrintIndent() const noexcept { return m_printIndent; }
  void SetPrintIndent(int pixels);
  // The 8-bit code page a file that is not UTF-8 or UTF-16 is read in, by
  // its name ("windows-1252", "windows-1251", "IBM866", "KOI8-R"); another
  // name is refused with qs::Error.
  const String& CodePage() const noexcept { return m_codePage; }
  void SetCodePage(const String& v);
  Encoding CodePageEncoding() const;

  // At least 1: a stored 0 or negative limit would leave no list at all.
  int MaxRecent() const noexcept { return m_maxRecent; }
  void SetMaxRecent(int v);
  // Stored as given; read as at least kMinMsgWindowHeight.
  int MsgWindowHeight() const noexcept;
  void SetMsgWindowHeight(int v);

  // Absolute paths, most recent first.
  const std::vector<std::string>& RecentFiles() const noexcept { return m_recent; }
  void SetRecentFiles(std::vector<std::string> files);
  // Puts path (made absolute) at the top, drops other entries with the same
  // name (compared exactly: file names on this system keep their case) and
  // those whose file is gone, then cuts the list to MaxRecent.
  void AddRecentFile(const std::string& path, const IFileSystem& files);
  // Drops the entries whose file is gone.
  void PruneRecentFiles(const IFileSystem& files);

 private:
  // The list as the settings keep it: one string, each line ending in CR LF.
  String RecentFilesText() const;
  void SetRecentFilesText(const String& text);
  int StoredMsgWindowHeight() const noexcept { return m_msgWindowHeight; }
  void TrimRecent();
  template <class V>
  void Store(V& field, const V& value);

  bool m_useEscKey = false;  // Esc out of habit must not close the window
  bool m_useRMSystemMenu = true;
  std::vector<std::string> m_recent;
  int m_maxRecent = kDefaultMaxRecent;
  int m_msgWindowHeight = 0;
  bool m_wordWrap = true;
  bool m_highlightUrls = true;
  String m_assocExts;
  String m_userExts;
  String m_serverUrl{kDefaultServerUrl};
  String m_serverPath{kDefaultServerPath};
  bool m_verifyAssoc = true;
  int m_printOptions = static_cast<int>(kDefaultPrintOptions.ToBits());
  int m_printIndent = 0;
  String m_codePage{kDefaultCodePage};
};

// The caption of recent entry index: "&", the index, a blank and the path,
// with every "&" of the path doubled so that it shows as itself.
String RecentFileCaption(int index, const std::string& path);

// Rebuilds menu from the list (gone files dropped first): one item per entry
// carrying its index as Tag, a separator before the fifth.
void FillRecentMenu(TSysOptions& options, const IFileSystem& files, TMenuItem& menu,
                    const std::function<void(int index)>& handler);

}  // namespace qs
