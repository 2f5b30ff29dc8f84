// The one way into the scheme editor: opens the "Syntax Scheme Editor" on a
// scheme file of the catalogue, for the Syntax Schemes dialog and the
// editor's option pages alike.
#pragma once

#include <string>

#include "support/qschar.h"

namespace qs {

class IDialogs;
class IFormHost;
class TSyntaxList;

// Every Apply and OK writes the user's copy of the scheme and tells the
// catalogue's OnSchemeSaved, so open documents can show it at once; Cancel
// writes nothing more. Returns whether the scheme was saved; name and
// extensions then hold the saved scheme's (with keepExtensions the
// extensions passed in stay the scheme's). Throws qs::Error before the
// editor opens when the file exists but cannot be read.
bool EditSchemeInEditor(TSyntaxList& catalogue, IFormHost& host, IDialogs& dialogs,
                        const std::string& fileName, String& name, String& extensions,
                        bool keepExtensions = false);

}  // namespace qs
