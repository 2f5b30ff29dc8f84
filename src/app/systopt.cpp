#include "app/systopt.h"

#include <algorithm>
#include <filesystem>

#include "app/menumodel.h"
#include "platform/filesystem.h"
#include "support/codepages.h"
#include "support/errors.h"
#include "support/percentcoding.h"
#include "support/utf8.h"

namespace qs {

namespace {

bool IsBlank(Char c) {
  return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n';
}

String Trimmed(const String& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// Trimmed, every `from` turned into `to`, and `to` added at the end unless
// the result is empty or already ends in it.
String NormaliseSeparators(const String& text, Char from, Char to) {
  String result = Trimmed(text);
  std::replace(result.begin(), result.end(), from, to);
  if (!result.empty() && result.back() != to) result += to;
  return result;
}

std::string Absolute(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  return absolute.lexically_normal().string();
}

}  // namespace

const ClassInfo& TSysOptions::StaticClassInfo() {
  using T = TSysOptions;
  static const ClassInfo info(
      "TSysOptions", &TOptionExt::StaticClassInfo(),
      {Prop::Boolean<T>("UseEscKey", &T::UseEscKey, &T::SetUseEscKey, false),
       Prop::Boolean<T>("UseRMSystemMenu", &T::UseRMSystemMenu, &T::SetUseRMSystemMenu, true),
       Prop::String<T>("RecentFiles", &T::RecentFilesText, &T::SetRecentFilesText),
       Prop::Integer<T>("MaxRecent", &T::MaxRecent, &T::SetMaxRecent, kDefaultMaxRecent),
       Prop::Integer<T>("MsgWindowHeight", &T::StoredMsgWindowHeight, &T::SetMsgWindowHeight, 0),
       Prop::Boolean<T>("WordWrap", &T::WordWrap, &T::SetWordWrap, true),
       Prop::Boolean<T>("HighlightUrls", &T::HighlightUrls, &T::SetHighlightUrls, true),
       Prop::String<T>("AssocExts", &T::AssocExts, &T::SetAssocExts),
       Prop::String<T>("UserExts", &T::UserExts, &T::SetUserExts),
       Prop::String<T>("ServerUrl", &T::ServerUrl, &T::SetServerUrl, String(kDefaultServerUrl)),
       Prop::String<T>("ServerPath", &T::ServerPath, &T::SetServerPath, String(kDefaultServerPath)),
       Prop::Boolean<T>("VerifyAssoc", &T::VerifyAssoc, &T::SetVerifyAssoc, true),
       Prop::Integer<T>("PrintOptions", &T::PrintOptions, &T::SetPrintOptions,
                        static_cast<int>(kDefaultPrintOptions.ToBits())),
       Prop::Integer<T>("PrintIndent", &T::PrintIndent, &T::SetPrintIndent, 0),
       Prop::String<T>("CodePage", &T::CodePage, &T::SetCodePage, String(kDefaultCodePage))});
  return info;
}

TSysOptions& TSysOptions::Instance() {
  return RegisteredOptions<TSysOptions>();
}

template <class V>
void TSysOptions::Store(V& field, const V& value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TSysOptions::SetUseEscKey(bool v) {
  Store(m_useEscKey, v);
}
void TSysOptions::SetUseRMSystemMenu(bool v) {
  Store(m_useRMSystemMenu, v);
}
void TSysOptions::SetWordWrap(bool v) {
  Store(m_wordWrap, v);
}
void TSysOptions::SetHighlightUrls(bool v) {
  Store(m_highlightUrls, v);
}
void TSysOptions::SetVerifyAssoc(bool v) {
  Store(m_verifyAssoc, v);
}
void TSysOptions::SetAssocExts(const String& v) {
  Store(m_assocExts, v);
}
void TSysOptions::SetUserExts(const String& v) {
  Store(m_userExts, v);
}
void TSysOptions::SetMsgWindowHeight(int v) {
  Store(m_msgWindowHeight, v);
}

void TSysOptions::SetCodePage(const String& v) {
  const std::optional<Encoding> encoding = EncodingFromName(ToUtf8(Trimmed(v)));
  if (!encoding || !IsCodePage(*encoding))
    throw Error("\"" + ToUtf8(v) + "\" is not a code page this program knows");
  Store(m_codePage, FromUtf8(EncodingName(*encoding)));
}

Encoding TSysOptions::CodePageEncoding() const {
  return EncodingFromName(ToUtf8(m_codePage)).value_or(Encoding::Windows1252);
}

int TSysOptions::MsgWindowHeight() const noexcept {
  return std::max(m_msgWindowHeight, kMinMsgWindowHeight);
}

void TSysOptions::SetServerUrl(const String& v) {
  Store(m_serverUrl, NormaliseSeparators(v, U'\\', U'/'));
}

void TSysOptions::SetServerPath(const String& v) {
  Store(m_serverPath, NormaliseSeparators(v, U'\\', U'/'));
}

void TSysOptions::SetPrintOptions(int bits) {
  Store(m_printOptions, static_cast<int>(static_cast<unsigned>(bits) & kAllPrintOptionBits));
}

void TSysOptions::SetPrintIndent(int pixels) {
  Store(m_printIndent, ClampPrintIndent(pixels));
}

void TSysOptions::SetMaxRecent(int v) {
  Store(m_maxRecent, std::max(v, 1));
  TrimRecent();
}

void TSysOptions::TrimRecent() {
  if (m_recent.size() <= static_cast<std::size_t>(m_maxRecent)) return;
  m_recent.resize(static_cast<std::size_t>(m_maxRecent));
  Changed();
}

void TSysOptions::SetRecentFiles(std::vector<std::string> files) {
  std::erase(files, std::string());
  Store(m_recent, files);
  TrimRecent();
}

namespace {

// The recent list is text, one name a line. A name that is not UTF-8, or holds
// a line break, is kept as a file address of its bytes: a stored name is
// absolute, so only such an entry starts with "file://".
constexpr std::string_view kEncodedName = "file://";

String StoredRecentName(const std::string& path) {
  const bool plain = IsValidUtf8(path) && path.find_first_of("\r\n") == std::string::npos &&
                     !path.starts_with(kEncodedName);
  return FromUtf8(plain ? path : std::string(kEncodedName) + PercentEncodePath(path));
}

std::string RecentNameFromStored(StringView line) {
  const std::string text = ToUtf8(line);
  if (!text.starts_with(kEncodedName)) return text;
  return PercentDecode(std::string_view(text).substr(kEncodedName.size()));
}

}  // namespace

String TSysOptions::RecentFilesText() const {
  String text;
  for (const std::string& path : m_recent) text += StoredRecentName(path) + U"\r\n";
  return text;
}

void TSysOptions::SetRecentFilesText(const String& text) {
  std::vector<std::string> files;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of(U"\r\n", start);
    if (end == String::npos) end = text.size();
    files.push_back(RecentNameFromStored(StringView(text).substr(start, end - start)));
    start = end + 1;
  }
  SetRecentFiles(std::move(files));
}

void TSysOptions::PruneRecentFiles(const IFileSystem& files) {
  std::vector<std::string> kept = m_recent;
  std::erase_if(kept, [&](const std::string& path) { return !files.Exists(path); });
  Store(m_recent, kept);
}

void TSysOptions::AddRecentFile(const std::string& path, const IFileSystem& files) {
  const std::string absolute = Absolute(path);
  std::vector<std::string> list = m_recent;
  std::erase_if(
      list, [&](const std::string& entry) { return entry == absolute || !files.Exists(entry); });
  list.insert(list.begin(), absolute);
  Store(m_recent, list);
  TrimRecent();
}

String RecentFileCaption(int index, const std::string& path) {
  const std::string digits = std::to_string(index);
  String caption = U"&" + String(digits.begin(), digits.end()) + U" ";
  for (Char c : FromUtf8(path)) {
    caption += c;
    if (c == U'&') caption += U'&';
  }
  return caption;
}

void FillRecentMenu(TSysOptions& options, const IFileSystem& files, TMenuItem& menu,
                    const std::function<void(int index)>& handler) {
  menu.items.clear();
  options.PruneRecentFiles(files);
  const std::vector<std::string>& recent = options.RecentFiles();
  for (std::size_t i = 0; i < recent.size(); ++i) {
    if (i == 4) menu.items.push_back(TMenuItem::Separator());
    const int index = static_cast<int>(i);
    menu.items.push_back(TMenuItem::Command(
        RecentFileCaption(index, recent[i]), [handler](TMenuItem& item) { handler(item.tag); },
        index));
  }
}

}  // namespace qs
