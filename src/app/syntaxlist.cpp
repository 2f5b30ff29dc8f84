#include "app/syntaxlist.h"

#include <algorithm>

#include "app/syntaxlistfile.h"
#include "platform/control.h"
#include "support/errors.h"
#include "support/unicodecase.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"

namespace qs {

const ClassInfo& TSyntaxListItem::StaticClassInfo() {
  using T = TSyntaxListItem;
  static const ClassInfo info(
      "TSyntaxListItem", &TNamedCollectionItem::StaticClassInfo(),
      {
          Prop::String<T>("Extensions", &T::Extensions, &T::SetExtensions),
          Prop::String<T>("SchemeName", &T::SchemeName, &T::SetSchemeName),
          Prop::UInt32<T>("FileDateLo", &T::FileDateLo, &T::SetFileDateLo, 0).NoDefault(),
          Prop::UInt32<T>("FileDateHi", &T::FileDateHi, &T::SetFileDateHi, 0).NoDefault(),
      });
  return info;
}

std::string TSyntaxListItem::FileName() const {
  return ToUtf8(Name());
}

TFileTime TSyntaxListItem::FileDate() const {
  return static_cast<TFileTime>((static_cast<std::uint64_t>(m_dateHi) << 32) | m_dateLo);
}

void TSyntaxListItem::SetFileDate(TFileTime time) {
  const auto bits = static_cast<std::uint64_t>(time);
  m_dateLo = static_cast<std::uint32_t>(bits);
  m_dateHi = static_cast<std::uint32_t>(bits >> 32);
}

TSyntaxList::TSyntaxList(TSchemeFolders& folders) : m_folders(folders) {
  LoadCatalogue();
  SyncWithFolder();
}

void TSyntaxList::LoadCatalogue() {
  IFileSystem& files = m_folders.Files();
  const std::string path = m_folders.CatalogueFile();
  if (!files.Exists(path)) return;
  try {
    const std::string bytes = files.ReadFile(path);
    ReadCatalogue(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), *this, m_hidden);
  } catch (const Error& e) {
    // The catalogue is only a cache of the folders: start from them instead.
    Report(FromUtf8("The scheme catalogue \"" + path +
                    "\" could not be read and is rebuilt: " + e.what()));
  }
}

void TSyntaxList::Report(String problem) {
  // A file that stays broken is met at every synchronisation; once is enough.
  if (std::find(m_problems.begin(), m_problems.end(), problem) == m_problems.end())
    m_problems.push_back(std::move(problem));
}

bool TSyntaxList::IsHidden(std::string_view name) const {
  return std::find(m_hidden.begin(), m_hidden.end(), name) != m_hidden.end() &&
         !m_folders.InUserFolder(name);
}

void TSyntaxList::HideScheme(const std::string& name) {
  if (std::find(m_hidden.begin(), m_hidden.end(), name) == m_hidden.end()) m_hidden.push_back(name);
}

int TSyntaxList::IndexOfFile(std::string_view name) const {
  return IndexOfName(*this, FromUtf8(name));
}

void TSyntaxList::LoadReporting(const std::string& fileName, TSyntaxScheme& scheme) {
  if (std::optional<std::string> notice = m_folders.LoadScheme(fileName, scheme))
    Report(FromUtf8(*notice));
}

void TSyntaxList::ReadEntry(TSyntaxListItem& item) {
  TSyntaxScheme scheme;
  LoadReporting(item.FileName(), scheme);
  item.SetSchemeName(scheme.Name());
  item.SetExtensions(scheme.Extensions());
  item.SetFileDate(m_folders.LastWriteTime(item.FileName()));
}

void TSyntaxList::SyncWithFolder() {
  BeginUpdate();
  for (int i = Count() - 1; i >= 0; --i) {
    const std::string name = Items(i).FileName();
    if (!m_folders.Exists(name) || IsHidden(name)) Delete(i);
  }
  for (const std::string& name : m_folders.ListSchemes()) {
    if (IsHidden(name)) continue;
    const int index = IndexOfFile(name);
    if (index >= 0 && Items(index).FileDate() == m_folders.LastWriteTime(name)) continue;
    TSyntaxListItem fresh;
    fresh.SetName(FromUtf8(name));
    try {
      ReadEntry(fresh);
    } catch (const Error& e) {
      Report(FromUtf8(e.what()));
      continue;
    }
    (index >= 0 ? Items(index) : Add()).Assign(fresh);
  }
  EndUpdate();
}

void TSyntaxList::SaveCatalogue() {
  const std::vector<std::uint8_t> bytes = WriteCatalogue(*this, m_hidden);
  IFileSystem& files = m_folders.Files();
  const std::string path = m_folders.CatalogueFile();
  const std::string folder = path.substr(0, path.find_last_of('/') + 1);
  if (!folder.empty()) files.CreateDirectories(folder);
  files.WriteFileAtomic(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool TSyntaxList::DeleteScheme(const std::string& name) {
  bool removed = false;
  try {
    removed = m_folders.DeleteUserCopy(name);
  } catch (const Error&) {
    throw Error("Failed to delete file: " + name);
  }
  const int index = IndexOfFile(name);
  if (m_folders.InShippedFolder(name)) {
    if (removed) {
      if (index >= 0) Items(index).SetFileDate(0);  // re-read from the shipped file
      SyncWithFolder();
      return false;
    }
    HideScheme(name);
  } else if (!removed && m_folders.InUserFolder(name)) {
    throw Error("Failed to delete file: " + name);
  }
  if (index >= 0) Delete(index);
  return true;
}

bool TSyntaxList::EditSchemeFile(const std::string& fileName, String& name, String& extensions,
                                 bool keepExtensions, const SchemeEditor& editor) {
  TSyntaxScheme scheme;
  if (m_folders.Exists(fileName)) LoadReporting(fileName, scheme);
  const String keptExtensions = extensions;
  bool saved = false;
  editor(scheme, [&] {
    if (keepExtensions) scheme.SetExtensions(keptExtensions);
    m_folders.SaveScheme(fileName, scheme);
    saved = true;
    name = scheme.Name();
    extensions = scheme.Extensions();
    SyncWithFolder();
    if (OnSchemeSaved) OnSchemeSaved(fileName);
  });
  return saved;
}

std::vector<TSchemeEntry> TSyntaxList::Entries() const {
  std::vector<TSchemeEntry> entries;
  entries.reserve(static_cast<std::size_t>(Count()));
  for (int i = 0; i < Count(); ++i) {
    const TSyntaxListItem& item = Items(i);
    entries.push_back({item.FileName(), item.SchemeName(), item.Extensions()});
  }
  return entries;
}

std::vector<String> TSyntaxList::SelectorItems() const {
  std::vector<String> items{U"None"};
  for (int i = 0; i < Count(); ++i) items.push_back(Items(i).SchemeName());
  return items;
}

int TSyntaxList::IndexForDocument(StringView fileName, const TCustomMemoSource& document) const {
  return AutoSchemeIndex(Entries(), fileName, document);
}

void TSyntaxList::LoadScheme(int index, TSyntaxParser& parser) {
  if (index < 1 || index > Count())
    throw Error("List index out of bounds (" + std::to_string(index) + ")");
  TSyntaxScheme scheme;
  LoadReporting(Items(index - 1).FileName(), scheme);
  parser.SetSyntaxScheme(scheme);
}

void FillSchemeSelector(const ISchemeCatalogue& catalogue, TControl& combo) {
  const String shown = combo.Text();
  std::vector<String> items = catalogue.SelectorItems();
  int selected = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (ToLower(items[i]) == ToLower(shown)) {
      selected = static_cast<int>(i);
      break;
    }
  }
  const String text = items[static_cast<std::size_t>(selected)];
  combo.SetItems(std::move(items));
  combo.SetItemIndex(selected);
  combo.SetText(text);
}

}  // namespace qs
