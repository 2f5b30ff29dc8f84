// Runs an importer over an input and keeps the runs it hands out, with
// helpers that read the text and the look of the result back.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/importer.h"
#include "support/utf8.h"

namespace qs::testing {

struct ImportedRun {
  String text;
  TImportFont font;
  TColor back = kImportNoColor;
};

inline std::vector<ImportedRun> Import(TQSImporter& importer, std::string_view input) {
  std::vector<ImportedRun> runs;
  importer.OnImportText = [&runs](TQSImporter&, StringView text, TColor back,
                                  const TImportFont& font) {
    runs.push_back({String(text), font, back});
  };
  importer.Import(input);
  return runs;
}

template <typename Importer>
std::vector<ImportedRun> ImportWith(std::string_view input) {
  Importer importer;
  return Import(importer, input);
}

// The runs' text joined, in UTF-8 for readable failures.
inline std::string TextOf(const std::vector<ImportedRun>& runs) {
  String text;
  for (const ImportedRun& run : runs) text += run.text;
  return ToUtf8(text);
}

template <typename Importer>
std::string TextImportedBy(std::string_view input) {
  return TextOf(ImportWith<Importer>(input));
}

// The run that holds the first occurrence of piece, or nullptr.
inline const ImportedRun* RunWith(const std::vector<ImportedRun>& runs, std::string_view piece) {
  const String wanted = FromUtf8(piece);
  for (const ImportedRun& run : runs)
    if (run.text.find(wanted) != String::npos) return &run;
  return nullptr;
}

// One entry per character: its look, so two imports can be compared
// character by character whatever their runs.
struct CharLook {
  Char c;
  String face;
  int size;
  TColor color;
  bool bold, italic, underline;
  bool operator==(const CharLook&) const = default;
};

inline std::vector<CharLook> LooksOf(const std::vector<ImportedRun>& runs) {
  std::vector<CharLook> looks;
  for (const ImportedRun& run : runs)
    for (const Char c : run.text)
      looks.push_back({c, run.font.Face.name, run.font.Face.size, run.font.Color,
                       run.font.Face.bold, run.font.Face.italic, run.font.Face.underline});
  return looks;
}

}  // namespace qs::testing
