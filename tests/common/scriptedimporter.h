// A reader double for the editor's side of import: it hands out the runs a
// test scripts, in order, and may then fail as a reader meeting bad input
// does. It recognises its input as RTF does, by "{\rtf" at the start.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/importers.h"
#include "support/errors.h"

namespace qs::testing {

struct ScriptedRun {
  String text;
  TImportFont font;
  TColor backColor = kImportNoColor;
};

class ScriptedImporter final : public TQSImporter {
 public:
  // What every importer made from now on hands out.
  static std::vector<ScriptedRun>& Runs() {
    static std::vector<ScriptedRun> runs;
    return runs;
  }
  // Thrown after the runs, when set.
  static std::optional<std::string>& Failure() {
    static std::optional<std::string> failure;
    return failure;
  }
  static void Script(std::vector<ScriptedRun> runs, std::optional<std::string> failure = {}) {
    Runs() = std::move(runs);
    Failure() = std::move(failure);
  }
  static std::unique_ptr<TQSImporter> Make() { return std::make_unique<ScriptedImporter>(); }

  bool CanImport(std::string_view input) const override { return input.starts_with("{\\rtf"); }
  void Import(std::string_view) override {
    for (const ScriptedRun& run : Runs()) DoImportText(run.text, run.font, run.backColor);
    if (Failure()) throw Error(*Failure());
  }
};

// A run in a font of the given face and points, with styles and colour.
inline ScriptedRun ImportRun(String text, String face = U"Arial", int points = 10,
                             bool bold = false, bool italic = false, TColor color = kImportNoColor,
                             TColor backColor = kImportNoColor) {
  ScriptedRun run;
  run.text = std::move(text);
  run.font.Face.name = std::move(face);
  run.font.Face.size = points;
  run.font.Face.bold = bold;
  run.font.Face.italic = italic;
  run.font.Color = color;
  run.backColor = backColor;
  return run;
}

}  // namespace qs::testing
