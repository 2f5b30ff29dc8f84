// The text form of the settings store, and the file it lives in.
//
// The file is UTF-8, one item a line (a line ends with LF; a CR before it is ignored):
//
//   ; Quillon settings 1
//
//   [HKEY_CURRENT_USER\Software\Quillon Project\Quillon\CodeEdit]
//   "GutterWidth"=dword:00000028
//   "FontName"="Courier New"
//   "Template"=expand:"$HOME\\templates"
//   "TextStyles"=hex:0a,ff,00,...,08,\   (the list goes on over the next line)
//     3c,3e
//   ""="the key's default value"
//   ; end
//
// - The first line names the format; the last non-blank line is "; end", so a file
//   cut short anywhere is recognised. Other lines beginning with ";" are comments;
//   blank lines are ignored.
// - "[HIVE\path]" opens a key (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE or
//   HKEY_CLASSES_ROOT; "[HIVE]" alone is the hive's own key). Every key is written,
//   with or without values, parents before children, in insertion order.
// - A value line is a quoted name, "=", then "dword:" and up to eight hex digits, a
//   quoted string, "expand:" and a quoted string, or "hex:" and two-digit hex bytes
//   separated by commas. A hex list may go on over further lines: a line that ends
//   with "\" continues on the next one, whose leading blanks are skipped.
// - In quoted text: \" \\ \n \r \t, \xNN for another code point below 256 (the writer
//   uses it for control characters), \u{H...} (one to eight hex digits) for a code
//   point that UTF-8 cannot carry (a surrogate, or above U+10FFFF).
//
// Reading is strict: anything else fails the whole file, and the store stays empty.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "support/fileaccess.h"
#include "support/qschar.h"
#include "support/registry.h"

namespace qs {

inline constexpr std::string_view kSettingsFirstLine = "; Quillon settings 1";
inline constexpr std::string_view kSettingsEndLine = "; end";

// What the store accepts, so that whatever it holds is written in lines the reader
// accepts. A write beyond these bounds throws qs::Error.
inline constexpr std::size_t kMaxKeyNameBytes = 255;     // one segment of a key path
inline constexpr std::size_t kMaxKeyPathBytes = 2048;    // a whole path below its hive
inline constexpr std::size_t kMaxValueNameBytes = 4096;  // UTF-8 bytes
inline constexpr std::size_t kMaxStringChars = 65536;    // code points of a string value
inline constexpr std::size_t kMaxBinaryBytes = 1 << 20;
// Bounds of the reader. A line of the longest name and the longest string, every
// character escaped, still fits; the file bound leaves room for a few values of
// the largest size.
inline constexpr std::size_t kMaxLineBytes = 1 << 20;
inline constexpr std::size_t kMaxSettingsFileBytes = 64u << 20;
static_assert(8 + 4 * kMaxValueNameBytes + 12 * kMaxStringChars < kMaxLineBytes);
static_assert(kMaxKeyPathBytes + 32 < kMaxLineBytes);

// "HKEY_CURRENT_USER" and its kin, as key lines name the hives; matched ignoring case.
std::string_view HiveName(RootKey root);
std::optional<RootKey> HiveFromName(std::string_view name);

// Code points the file never holds raw (C0 and C1 controls, DEL); a key name may
// not contain them at all.
constexpr bool IsSettingsControl(Char c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The whole store as text.
std::string FormatSettings(const SettingsStore& store);

// Replaces the store's content with what the text holds. Throws qs::ParseError
// (with the line) for malformed text; the store is then empty.
void ParseSettings(std::string_view text, SettingsStore& store);

// Writes the store to path atomically through files, creating its folder when
// missing. Throws qs::Error when it cannot; the previous file is then as it was.
void SaveSettingsFile(IFileAccess& files, const SettingsStore& store, const std::string& path);

// Replaces the store's content with the file's. A missing file (or an empty path)
// gives an empty store and no message; so does a folder, with a message. A file
// that cannot be read or parsed gives an empty store and is renamed to
// "<path>.bad" (or "<path>.bad.N" when that name is taken); the returned message
// says what happened. Never throws.
std::optional<std::string> LoadSettingsFile(IFileAccess& files, SettingsStore& store,
                                            const std::string& path);

// Where the process-wide store lives: $QUILLON_SETTINGS_FILE when set, else
// $XDG_CONFIG_HOME/quillon/settings.ini (an absolute $XDG_CONFIG_HOME only), else
// ~/.config/quillon/settings.ini; empty when no home folder is known.
std::string SettingsFileFromEnvironment();

}  // namespace qs
