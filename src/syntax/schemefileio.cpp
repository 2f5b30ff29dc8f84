#include "syntax/schemefileio.h"

#include "platform/filesystem.h"
#include "support/errors.h"
#include "support/fileerror.h"
#include "support/objecttext.h"
#include "support/propertystream.h"
#include "syntax/qsSyntax.h"

namespace qs {

void LoadSchemeFile(IFileSystem& files, const std::string& path, TSyntaxScheme& scheme) {
  TSyntaxScheme fresh;
  // Refused by its size first: what is built from a scheme takes many times its bytes.
  if (files.Exists(path) && files.FileSize(path) > kMaxSchemeFileBytes)
    throw Error(FileErrorMessage("Cannot read file", path, TooLargeReason(kMaxSchemeFileBytes)));
  try {
    const ObjectNode root = ReadObjectText(files.ReadFile(path));
    fresh.Clear();
    ReadHolder(root, fresh);
  } catch (const Error&) {
    throw Error("Can't read syntax scheme from file \"" + path + "\".");
  }
  scheme.Clear();
  scheme.Assign(fresh);
}

}  // namespace qs
