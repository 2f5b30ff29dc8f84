#include "editor/colorstyles.h"

#include <filesystem>
#include <system_error>

#include "editor/textstyles.h"
#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/errors.h"
#include "support/objecttext.h"
#include "support/propertystream.h"

namespace qs {

std::string WithColorStylesExtension(const std::string& fileName) {
  std::filesystem::path path(fileName);
  path.replace_extension(kColorStylesExtension);
  return path.string();
}

std::string ColorStylesText(const TTextStyles& styles) {
  return WriteObjectText(MakeHolder(styles));
}

void ReadColorStylesText(TTextStyles& styles, std::string_view text) {
  LoadInto(styles, ReadObjectText(text));
}

std::string SaveColorStyles(const TTextStyles& styles, const std::string& fileName) {
  const std::string target = WithColorStylesExtension(fileName);
  WriteFileAtomically(target, ColorStylesText(styles));
  return target;
}

void LoadColorStyles(TTextStyles& styles, const std::string& fileName) {
  ReadColorStylesText(styles, ReadDocumentFile(fileName, kMaxColorStylesFileSize));
}

}  // namespace qs
