// Scheme files: the scheme's published properties as object text under a
// TPersHolder root.
#include <string>

#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/errors.h"
#include "support/objecttext.h"
#include "support/propertystream.h"
#include "syntax/qsSyntax.h"

namespace qs {

void TSyntaxScheme::LoadFromFile(const std::string& path) {
  TSyntaxScheme fresh;
  try {
    const ObjectNode root = ReadObjectText(ReadDocumentFile(path, kMaxSchemeFileBytes));
    fresh.Clear();
    // Unknown or unconvertible properties are skipped: a file of another
    // version loads with what this one knows.
    ReadHolder(root, fresh);
  } catch (const FileTooLargeError&) {
    throw;  // its message says the bound
  } catch (const Error&) {
    throw Error("Can't read syntax scheme from file \"" + path + "\".");
  }
  Clear();
  Assign(fresh);
}

std::string TSyntaxScheme::SaveToText() const {
  return WriteObjectText(MakeHolder(*this));
}

void TSyntaxScheme::SaveToFile(const std::string& path) const {
  WriteFileAtomically(path, SaveToText());
}

}  // namespace qs
