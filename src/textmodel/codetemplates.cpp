#include "textmodel/codetemplates.h"

#include <map>

#include "support/unicodecase.h"
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

std::map<String, TTemplatesFiller>& TemplateTypes() {
  static std::map<String, TTemplatesFiller> types{{String(kTemplatesNone), {}},
                                                  {String(kTemplatesCustom), {}}};
  return types;
}

bool StartsWithNoCase(StringView text, StringView prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (ToLowerChar(text[i]) != ToLowerChar(prefix[i])) return false;
  return true;
}

bool IsIdentChar(Char c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || c == U'_' ||
         (c >= U'a' && c <= U'z');
}

}  // namespace

const ClassInfo& TMemoCodeTemplate::StaticClassInfo() {
  using T = TMemoCodeTemplate;
  static const ClassInfo info("TMemoCodeTemplate", &TNamedCollectionItem::StaticClassInfo(),
                              {Prop::String<T>("Description", &T::Description, &T::SetDescription),
                               Prop::StringList<T>("Code", &T::Code, &T::SetCode)});
  return info;
}

void RegisterTemplatesType(StringView name, TTemplatesFiller filler) {
  TemplateTypes()[String(name)] = std::move(filler);
}

bool IsTemplatesTypeRegistered(StringView name) {
  return TemplateTypes().contains(String(name));
}

TTemplatesFiller TemplatesTypeFiller(StringView name) {
  const auto it = TemplateTypes().find(String(name));
  return it == TemplateTypes().end() ? TTemplatesFiller{} : it->second;
}

bool FindTemplates(const TMemoCodeTemplates& templates, StringView prefix,
                   std::vector<int>& result) {
  result.clear();
  const int count = templates.Count();
  const auto all = [&] {
    for (int i = 0; i < count; ++i) result.push_back(i);
    return false;
  };
  if (prefix.empty()) return all();
  for (int i = 0; i < count; ++i) {
    const String& name = templates.Items(i).Name();
    if (!StartsWithNoCase(name, prefix)) continue;
    if (name.size() == prefix.size()) {
      result.push_back(i);
      return true;
    }
    break;
  }
  for (int i = 0; i < count; ++i)
    if (StartsWithNoCase(templates.Items(i).Name(), prefix)) result.push_back(i);
  if (result.empty()) return all();
  return false;
}

int ListTemplates(const TMemoCodeTemplates& templates, TStrings& display, StringView prefix) {
  display.Clear();
  std::vector<int> found;
  const bool exact = FindTemplates(templates, prefix, found);
  for (int i : found) {
    const TMemoCodeTemplate& t = templates.Items(i);
    display.Add(t.Description() + U"|~" + t.Name() + U"~");
    display.PutObject(display.Count() - 1, reinterpret_cast<void*>(static_cast<std::intptr_t>(i)));
  }
  return exact ? 0 : -1;
}

int TemplateIndexOf(const TStrings& display, int line) {
  if (line < 0 || line >= display.Count()) return -1;
  return static_cast<int>(reinterpret_cast<std::intptr_t>(display.GetObject(line)));
}

bool ExchangeTemplates(TMemoCodeTemplates& templates, int i, int j) {
  const int count = templates.Count();
  if (i < 0 || j < 0 || i >= count || j >= count) return false;
  if (i == j) return true;
  const int lo = std::min(i, j);
  const int hi = std::max(i, j);
  templates.Move(hi, lo);
  templates.Move(lo + 1, hi);
  return true;
}

TTemplateWord TemplateWordAt(const TCustomMemoSource& source, std::int32_t line,
                             std::int32_t column) {
  TTemplateWord w;
  const String text = source.ExpandedLine(line);
  const auto size = static_cast<std::int32_t>(text.size());
  if (column < 0 || column > size) return w;
  std::int32_t start = column;
  while (start > 0 && IsIdentChar(text[static_cast<std::size_t>(start - 1)])) --start;
  std::int32_t end = column;
  while (end < size && IsIdentChar(text[static_cast<std::size_t>(end)])) ++end;
  w.Start = start;
  w.End = end;
  w.Word = text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
  return w;
}

String TemplatePrefix(const TCustomMemoSource& source) {
  if (!source.HasSelection() || source.SelectionLineCount() != 1) return {};
  String s = source.SelectionLine(0);
  const auto blank = [](Char c) { return c <= U' '; };
  while (!s.empty() && blank(s.back())) s.pop_back();
  std::size_t i = 0;
  while (i < s.size() && blank(s[i])) ++i;
  return s.substr(i);
}

void InsertTemplate(TCustomMemoSource& source, const TMemoCodeTemplate& code) {
  const TUpdateBracket update(source, upd::kTemplate);
  source.DeleteBlock();
  const TPosition at = source.Caret();
  std::vector<String> lines(code.Code().begin(), code.Code().end());
  if (lines.empty()) lines.emplace_back();
  const String indent(static_cast<std::size_t>(at.Column), U' ');
  for (std::size_t i = 1; i < lines.size(); ++i) lines[i] = indent + lines[i];
  // The target is measured on the lines as they are stored, after TABs are
  // converted, so it lands where the "|" stood.
  for (String& line : lines) line = source.StoringConversion(line);
  std::optional<TPosition> target;
  for (std::size_t i = 0; i < lines.size() && !target; ++i) {
    const std::size_t bar = lines[i].find(U'|');
    if (bar == String::npos) continue;
    lines[i].erase(bar, 1);
    const std::int32_t column =
        source.TabRack().IndexToColumn(lines[i], static_cast<std::int64_t>(bar));
    target = TPosition{at.Line + static_cast<std::int32_t>(i),
                       i == 0 ? ClampedAdd(at.Column, column) : column};
  }
  source.InsertBlockLines(std::move(lines), stStreamSel);
  source.ClearSelection();
  if (target) source.SetCaretPos(target->Column, target->Line);
}

int ExpandTemplate(TCustomMemoSource& source) {
  if (source.TemplatesType() == kTemplatesNone) return -1;
  std::vector<int> found;
  if (!FindTemplates(source.CodeTemplates(), TemplatePrefix(source), found)) return -1;
  InsertTemplate(source, source.CodeTemplates().Items(found.front()));
  return found.front();
}

void TCustomMemoSource::SetTemplatesType(StringView t) {
  if (!IsTemplatesTypeRegistered(t)) return;
  m_templatesType.assign(t);
  if (const TTemplatesFiller fill = TemplatesTypeFiller(t)) fill(m_codeTemplates);
}

}  // namespace qs
