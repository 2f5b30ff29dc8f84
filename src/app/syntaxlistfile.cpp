#include "app/syntaxlistfile.h"

#include <set>

#include "app/schemefolders.h"
#include "app/syntaxlist.h"
#include "support/errors.h"
#include "support/objectstream.h"
#include "support/propertystream.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr std::string_view kHiddenProperty = "Hidden";

std::vector<std::string> ReadHidden(const ObjectNode& root) {
  std::vector<std::string> hidden;
  const Property* p = FindProperty(root.properties, kHiddenProperty);
  if (!p) return hidden;
  if (p->Get().kind != ValueKind::List) throw ParseError("The hidden schemes are no list");
  for (const Value& v : p->Get().list) {
    if (v.kind != ValueKind::String) throw ParseError("A hidden scheme is no string");
    std::string name = ToUtf8(v.text);
    if (IsSchemeFileName(name)) hidden.push_back(std::move(name));
  }
  return hidden;
}

// Keeps the first entry of each name and only names that stay in a folder.
void DropUnusableEntries(TOwnedCollection<TSyntaxListItem>& entries) {
  std::set<String> seen;
  for (int i = 0; i < entries.Count();) {
    const TSyntaxListItem& item = entries.Items(i);
    if (IsSchemeFileName(item.FileName()) && seen.insert(item.Name()).second)
      ++i;
    else
      entries.Delete(i);
  }
}

}  // namespace

std::vector<std::uint8_t> WriteCatalogue(const TSyntaxList& list,
                                         const std::vector<std::string>& hidden) {
  ObjectNode root = MakeHolder(list);
  if (!hidden.empty()) {
    std::vector<Value> names;
    for (const std::string& name : hidden) names.push_back(Value::Str(FromUtf8(name)));
    root.properties.emplace_back(std::string(kHiddenProperty), Value::ListOf(std::move(names)));
  }
  return WriteObjectStream(root);
}

void ReadCatalogue(const std::vector<std::uint8_t>& bytes, TSyntaxList& list,
                   std::vector<std::string>& hidden) {
  const ObjectNode root = ReadObjectStream(bytes);
  TOwnedCollection<TSyntaxListItem> entries;
  ReadHolder(root, entries);
  std::vector<std::string> hiddenNames = ReadHidden(root);
  DropUnusableEntries(entries);
  list.Assign(entries);
  hidden = std::move(hiddenNames);
}

}  // namespace qs
