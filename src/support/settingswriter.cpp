// Writes the settings store as text; the grammar is described in settingsfile.h.
#include <array>

#include "support/foldedlist.h"
#include "support/registry.h"
#include "support/settingsfile.h"
#include "support/utf8.h"

namespace qs {
namespace {

constexpr std::array<std::string_view, 3> kHiveNames = {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                                        "HKEY_CLASSES_ROOT"};
constexpr std::array<RootKey, 3> kHives = {RootKey::CurrentUser, RootKey::LocalMachine,
                                           RootKey::ClassesRoot};
constexpr std::size_t kHexBytesPerLine = 24;

void AppendHex(std::string& out, std::uint32_t v, int digits) {
  static constexpr char kDigits[] = "0123456789abcdef";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kDigits[(v >> shift) & 0xF];
}

int SignificantHexDigits(std::uint32_t v) {
  int digits = 1;
  while (digits < 8 && (v >> (4 * digits)) != 0) ++digits;
  return digits;
}

void AppendQuoted(std::string& out, StringView text) {
  out += '"';
  for (const Char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (IsSettingsControl(c)) {
          out += "\\x";
          AppendHex(out, c, 2);
        } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
          out += "\\u{";
          AppendHex(out, c, SignificantHexDigits(c));
          out += '}';
        } else {
          AppendUtf8(out, c);
        }
    }
  }
  out += '"';
}

void AppendBytes(std::string& out, const std::vector<std::uint8_t>& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += i % kHexBytesPerLine == 0 ? ",\\\n  " : ",";
    AppendHex(out, bytes[i], 2);
  }
}

void AppendValue(std::string& out, std::string_view name, const RegValue& value) {
  AppendQuoted(out, FromUtf8(name));
  out += '=';
  switch (value.kind) {
    case RegKind::String:
      AppendQuoted(out, value.text);
      break;
    case RegKind::ExpandString:
      out += "expand:";
      AppendQuoted(out, value.text);
      break;
    case RegKind::Integer:
      out += "dword:";
      AppendHex(out, static_cast<std::uint32_t>(value.integer), 8);
      break;
    case RegKind::Binary:
      out += "hex:";
      AppendBytes(out, value.bytes);
      break;
  }
  out += '\n';
}

// A hive's own key line is written only when the hive holds values itself.
void AppendKey(std::string& out, const SettingsStore& store, RootKey root,
               const std::string& path) {
  const std::vector<std::string> names = store.ValueNames(root, path);
  if (!path.empty() || !names.empty()) {
    out += "\n[";
    out += HiveName(root);
    if (!path.empty()) out += '\\' + path;
    out += "]\n";
  }
  for (const std::string& name : names) AppendValue(out, name, *store.ReadValue(root, path, name));
  for (const std::string& child : store.SubKeyNames(root, path))
    AppendKey(out, store, root, path.empty() ? child : path + '\\' + child);
}

}  // namespace

std::string_view HiveName(RootKey root) {
  return kHiveNames[static_cast<std::size_t>(root)];
}

std::optional<RootKey> HiveFromName(std::string_view name) {
  const std::string folded = FoldAscii(name);
  for (const RootKey root : kHives)
    if (FoldAscii(HiveName(root)) == folded) return root;
  return std::nullopt;
}

std::string FormatSettings(const SettingsStore& store) {
  std::string out(kSettingsFirstLine);
  out += '\n';
  for (const RootKey root : kHives) AppendKey(out, store, root, "");
  out += kSettingsEndLine;
  out += '\n';
  return out;
}

}  // namespace qs
