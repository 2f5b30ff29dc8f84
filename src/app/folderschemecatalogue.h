// A scheme catalogue read straight from one scheme folder, in its listing
// order: what the main window uses until the full catalogue with its own
// file, order and user folder takes its place.
#pragma once

#include <string>
#include <vector>

#include "app/schemecatalogue.h"
#include "app/schemematch.h"

namespace qs {

class IFileSystem;

class TFolderSchemeCatalogue final : public ISchemeCatalogue {
 public:
  // Reads the folder now; a missing folder gives a catalogue with no scheme.
  TFolderSchemeCatalogue(IFileSystem& files, std::string folder);

  std::vector<String> SelectorItems() const override;
  int IndexForDocument(StringView fileName, const TCustomMemoSource& document) const override;
  void LoadScheme(int index, TSyntaxParser& parser) override;

  // Reads the folder again.
  void Refresh();
  const std::vector<TSchemeEntry>& Entries() const noexcept { return m_entries; }

 private:
  IFileSystem& m_files;
  std::string m_folder;
  std::vector<TSchemeEntry> m_entries;
};

}  // namespace qs
