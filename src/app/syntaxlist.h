// The scheme catalogue: the schemes of the two scheme folders in the user's
// order, each with its display name and file extensions, cached in the
// catalogue file so that a start need not read every scheme. It is kept in
// step with the folders by comparing file times, and is what the scheme
// selector, the choice of a scheme for a file and the Syntax Schemes dialog
// work from.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/schemecatalogue.h"
#include "app/schemefolders.h"
#include "app/schemematch.h"
#include "platform/forms.h"
#include "support/collection.h"

namespace qs {

class TControl;
class TSyntaxScheme;

// Shows the scheme editor on a scheme; store keeps the scheme as it is now
// and is called after each change the user commits (Apply, OK).
using SchemeEditor = std::function<void(TSyntaxScheme& scheme, const std::function<void()>& store)>;

class TSyntaxListItem : public TNamedCollectionItem {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // Name (inherited) is the scheme file's name as it is spelt on disk.
  const String& Extensions() const { return m_extensions; }
  void SetExtensions(const String& s) { m_extensions = s; }
  const String& SchemeName() const { return m_schemeName; }
  void SetSchemeName(const String& s) { m_schemeName = s; }
  std::uint32_t FileDateLo() const { return m_dateLo; }
  void SetFileDateLo(std::uint32_t v) { m_dateLo = v; }
  std::uint32_t FileDateHi() const { return m_dateHi; }
  void SetFileDateHi(std::uint32_t v) { m_dateHi = v; }

  std::string FileName() const;
  TFileTime FileDate() const;
  void SetFileDate(TFileTime time);

 private:
  String m_extensions;
  String m_schemeName;
  std::uint32_t m_dateLo = 0;
  std::uint32_t m_dateHi = 0;
};

class TSyntaxList : public TOwnedCollection<TSyntaxListItem>, public ISchemeCatalogue {
 public:
  // Loads the catalogue file when it can be read (a damaged one is ignored
  // and reported), then synchronises with the folders.
  explicit TSyntaxList(TSchemeFolders& folders);

  TSchemeFolders& Folders() const { return m_folders; }

  // Drops entries whose file is gone or hidden, adds the files new to the
  // catalogue and re-reads those whose time changed. A file that cannot be
  // read as a scheme is left out (a known one keeps its entry) and reported
  // in Problems(); nothing is written.
  void SyncWithFolder();
  // Writes the catalogue file (atomically) into the user's data dir.
  void SaveCatalogue();

  // Messages about what loading and synchronising had to skip since the last
  // ClearProblems, each once.
  const std::vector<String>& Problems() const { return m_problems; }
  void ClearProblems() { m_problems.clear(); }

  // Shipped schemes the user deleted; kept in the catalogue file.
  const std::vector<std::string>& HiddenSchemes() const { return m_hidden; }
  void HideScheme(const std::string& name);

  // -1 when no entry has that file name.
  int IndexOfFile(std::string_view name) const;

  // Removes the user's copy of the scheme; a scheme only the shipped folder
  // has is hidden instead. True when the scheme is gone from the catalogue,
  // false when a shipped scheme shows again in place of the user's copy.
  // Throws qs::Error "Failed to delete file: <name>" when the copy stays.
  bool DeleteScheme(const std::string& name);

  // Edits the scheme file of that name: it is read when either folder has it
  // (else the editor starts from an empty scheme) and the editor runs. Each
  // time the editor stores, with keepExtensions the scheme takes the
  // extensions passed in, name and extensions receive the scheme's, the
  // scheme is written to the user's folder, the catalogue synchronised and
  // OnSchemeSaved told. An editor that never stores writes nothing, so a
  // shipped scheme gets no user copy. A file that exists but cannot be read
  // throws before the editor runs, so a damaged scheme is never replaced by
  // an empty one. Returns whether the scheme was written.
  bool EditSchemeFile(const std::string& fileName, String& name, String& extensions,
                      bool keepExtensions, const SchemeEditor& editor);
  // Told the file name of every scheme EditSchemeFile writes, so that the
  // documents using it can be highlighted anew.
  std::function<void(const std::string& fileName)> OnSchemeSaved;

  std::vector<TSchemeEntry> Entries() const;

  // ISchemeCatalogue.
  std::vector<String> SelectorItems() const override;
  int IndexForDocument(StringView fileName, const TCustomMemoSource& document) const override;
  void LoadScheme(int index, TSyntaxParser& parser) override;

 private:
  void LoadCatalogue();
  // Loads a scheme file, reporting a damaged user copy that was replaced.
  void LoadReporting(const std::string& fileName, TSyntaxScheme& scheme);
  void ReadEntry(TSyntaxListItem& item);
  bool IsHidden(std::string_view name) const;
  void Report(String problem);

  TSchemeFolders& m_folders;
  std::vector<std::string> m_hidden;
  std::vector<String> m_problems;
};

// Refills a selector from the catalogue, keeping the item whose text equals
// the one shown before (ignoring letter case), else selecting "None". The
// selector's OnChange fires when what it shows changes.
void FillSchemeSelector(const ISchemeCatalogue& catalogue, TControl& combo);

}  // namespace qs
