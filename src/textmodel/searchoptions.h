// The program-wide search parameters every document and the find and replace
// dialogs share, kept in the settings store.
#pragma once

#include <cstdint>

#include "support/optionobject.h"
#include "support/qschar.h"

namespace qs {

enum class TSearchDirection : std::uint8_t { sdForward, sdBackward };
using enum TSearchDirection;
enum class TSearchScope : std::uint8_t { ssGlobal, ssSelectedText };
using enum TSearchScope;
enum class TSearchOrigin : std::uint8_t { soFromCursor, soEntireScope };
using enum TSearchOrigin;
// Only searches over files use it; the document's search ignores it.
enum class TSearchWhere : std::uint8_t { swProjectFiles, swOpenFiles, swDirectories, swOther };
using enum TSearchWhere;

class TSearchOptions : public TOptionExt {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "SearchOptions\\"; }

  // The registered instance, made (and loaded from the settings) on first use.
  static TSearchOptions& Instance();

  bool ShowNotFound() const { return m_showNotFound; }
  void SetShowNotFound(bool v) { Set(m_showNotFound, v); }
  bool ReplaceAll() const { return m_replaceAll; }
  void SetReplaceAll(bool v) { Set(m_replaceAll, v); }
  bool InReplace() const { return m_inReplace; }
  void SetInReplace(bool v) { Set(m_inReplace, v); }
  bool FirstSearch() const { return m_firstSearch; }
  void SetFirstSearch(bool v) { Set(m_firstSearch, v); }
  const String& TextToFind() const { return m_textToFind; }
  void SetTextToFind(const String& v) { Set(m_textToFind, v); }
  const String& ReplaceWith() const { return m_replaceWith; }
  void SetReplaceWith(const String& v) { Set(m_replaceWith, v); }
  bool PromptOnReplace() const { return m_promptOnReplace; }
  void SetPromptOnReplace(bool v) { Set(m_promptOnReplace, v); }
  bool CaseSensitive() const { return m_caseSensitive; }
  void SetCaseSensitive(bool v) { Set(m_caseSensitive, v); }
  bool WholeWordsOnly() const { return m_wholeWordsOnly; }
  void SetWholeWordsOnly(bool v) { Set(m_wholeWordsOnly, v); }
  bool RegularExpr() const { return m_regularExpr; }
  void SetRegularExpr(bool v) { Set(m_regularExpr, v); }
  TSearchDirection Direction() const { return m_direction; }
  void SetDirection(TSearchDirection v) { Set(m_direction, v); }
  TSearchScope Scope() const { return m_scope; }
  void SetScope(TSearchScope v) { Set(m_scope, v); }
  TSearchOrigin Origin() const { return m_origin; }
  void SetOrigin(TSearchOrigin v) { Set(m_origin, v); }
  TSearchWhere Where() const { return m_where; }
  void SetWhere(TSearchWhere v) { Set(m_where, v); }
  const String& FileMask() const { return m_fileMask; }
  void SetFileMask(const String& v) { Set(m_fileMask, v); }
  bool IncludeSubDirs() const { return m_includeSubDirs; }
  void SetIncludeSubDirs(bool v) { Set(m_includeSubDirs, v); }

  bool Forward() const { return m_direction == sdForward; }

 private:
  template <class V>
  void Set(V& field, const V& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  bool m_showNotFound = false;
  bool m_replaceAll = false;
  bool m_inReplace = false;
  bool m_firstSearch = false;
  String m_textToFind;
  String m_replaceWith;
  bool m_promptOnReplace = false;
  bool m_caseSensitive = false;
  bool m_wholeWordsOnly = false;
  bool m_regularExpr = false;
  TSearchDirection m_direction = sdForward;
  TSearchScope m_scope = ssGlobal;
  TSearchOrigin m_origin = soEntireScope;
  TSearchWhere m_where = swDirectories;
  String m_fileMask;
  bool m_includeSubDirs = false;
};

}  // namespace qs
