// The program-wide editing options every document with UseGlobalOptions
// follows, and the list of live documents they are broadcast to.
#pragma once

#include <vector>

#include "support/qschar.h"
#include "textmodel/memotypes.h"

namespace qs {

class TCustomMemoSource;

class TMemoSourceOptions {
 public:
  // The one instance of the program, created on first use.
  static TMemoSourceOptions& Instance();

  void ResetToDefaults();
  // Tells every live document that follows the global options.
  void Changed();

  bool KeepTrailingBlanks = false;
  TStringsOptions Options = kDefaultStringsOptions;
  String TabStops = U"9,17";
  String Delimeters = U"/{}+-*():=,;><$.#[]^@&~|%'";
  int BlockIndent = 1;
};

// Every live document, in creation order.
const std::vector<TCustomMemoSource*>& LiveSources();
void RegisterSource(TCustomMemoSource* source);
void UnregisterSource(TCustomMemoSource* source);

}  // namespace qs
