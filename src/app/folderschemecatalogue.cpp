#include "app/folderschemecatalogue.h"

#include "support/errors.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"

namespace qs {

TFolderSchemeCatalogue::TFolderSchemeCatalogue(IFileSystem& files, std::string folder)
    : m_files(files), m_folder(std::move(folder)) {
  Refresh();
}

void TFolderSchemeCatalogue::Refresh() {
  m_entries = ReadSchemeFolder(m_files, m_folder);
}

std::vector<String> TFolderSchemeCatalogue::SelectorItems() const {
  std::vector<String> items{U"None"};
  for (const TSchemeEntry& entry : m_entries) items.push_back(entry.schemeName);
  return items;
}

int TFolderSchemeCatalogue::IndexForDocument(StringView fileName,
                                             const TCustomMemoSource& document) const {
  return AutoSchemeIndex(m_entries, fileName, document);
}

void TFolderSchemeCatalogue::LoadScheme(int index, TSyntaxParser& parser) {
  if (index <= 0 || index > static_cast<int>(m_entries.size()))
    throw Error("There is no syntax scheme number " + std::to_string(index) + ".");
  const std::string path = m_folder + "/" + m_entries[static_cast<std::size_t>(index) - 1].name;
  // Read into a scheme of its own first, so a file that fails leaves the
  // parser with the scheme it had.
  TSyntaxScheme scheme;
  scheme.LoadFromFile(path);
  parser.SetSyntaxScheme(scheme);
}

}  // namespace qs
