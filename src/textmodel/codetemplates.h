// Code templates: named texts a user inserts by typing the name (or a prefix
// of it) and pressing the template key. Documents and syntax schemes each own
// a collection; template types name program-wide sets that fill one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "support/collection.h"
#include "textmodel/tstrings.h"

namespace qs {

class TCustomMemoSource;

class TMemoCodeTemplate : public TNamedCollectionItem {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& Description() const noexcept { return m_description; }
  void SetDescription(const String& s) { m_description = s; }
  // The template's lines; the first "|" marks where the caret goes.
  const StringVector& Code() const noexcept { return m_code; }
  void SetCode(const StringVector& lines) { m_code = lines; }

 private:
  String m_description;
  StringVector m_code;
};

using TMemoCodeTemplates = TOwnedCollection<TMemoCodeTemplate>;

// ---- Template types ---------------------------------------------------------
// Fills a document's collection with the templates of one set.
using TTemplatesFiller = std::function<void(TMemoCodeTemplates&)>;
inline constexpr StringView kTemplatesNone = U"None";
inline constexpr StringView kTemplatesCustom = U"Custom";

// Registers (or replaces) a named set; "None" and "Custom" always exist.
void RegisterTemplatesType(StringView name, TTemplatesFiller filler);
bool IsTemplatesTypeRegistered(StringView name);
// The set's filler, empty when it has none or is not registered.
TTemplatesFiller TemplatesTypeFiller(StringView name);

// ---- Lookup -------------------------------------------------------------------
// The templates a prefix selects (collection indexes, in order); true when
// the first name starting with the prefix equals it (ignoring case), which
// is then the only result. No prefix, or no name starting with it: all.
bool FindTemplates(const TMemoCodeTemplates& templates, StringView prefix,
                   std::vector<int>& result);
// One display line per found template ("Description|~Name~") with its index
// as the line's object; 0 when the lookup was exact, else -1.
int ListTemplates(const TMemoCodeTemplates& templates, TStrings& display, StringView prefix);
// The collection index a display line of ListTemplates stands for.
int TemplateIndexOf(const TStrings& display, int line);
// Swaps two templates; false (and nothing done) for an index out of range.
bool ExchangeTemplates(TMemoCodeTemplates& templates, int i, int j);

struct TTemplateWord {
  std::int32_t Start = 0;  // first column
  std::int32_t End = 0;    // column after the word
  String Word;
};
// The identifier characters (0-9, A-Z, _, a-z) around column of line.
TTemplateWord TemplateWordAt(const TCustomMemoSource& source, std::int32_t line,
                             std::int32_t column);

// The prefix the template key looks up: the selection when it is one line
// (trimmed), else empty.
String TemplatePrefix(const TCustomMemoSource& source);
// Inserts a template at the caret as one undoable step (the selection
// replaced), leaving the caret where its "|" was.
void InsertTemplate(TCustomMemoSource& source, const TMemoCodeTemplate& code);
// The template key: nothing under "None"; an exact match is inserted and
// its index returned; otherwise nothing is inserted and -1 returned (the
// editor then offers ListTemplates' lines).
int ExpandTemplate(TCustomMemoSource& source);

}  // namespace qs
