#include "app/codetemplatefile.h"

#include "support/errors.h"
#include "support/fileaccess.h"
#include "support/objectstream.h"
#include "support/propertystream.h"

namespace qs {

std::vector<std::uint8_t> WriteCodeTemplates(const TMemoCodeTemplates& templates) {
  return WriteObjectStream(MakeHolder(templates));
}

void ReadCodeTemplates(const std::vector<std::uint8_t>& bytes, TMemoCodeTemplates& templates) {
  const ObjectNode root = ReadObjectStream(bytes);
  LoadInto(templates, root);
}

void SaveCodeTemplatesFile(IFileAccess& files, const std::string& path,
                           const TMemoCodeTemplates& templates) {
  const std::vector<std::uint8_t> bytes = WriteCodeTemplates(templates);
  files.WriteFileAtomic(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void LoadCodeTemplatesFile(IFileAccess& files, const std::string& path,
                           TMemoCodeTemplates& templates) {
  if (files.Exists(path) && !files.IsDirectory(path) &&
      files.FileSize(path) > kMaxTemplatesFileBytes)
    throw Error("Cannot read \"" + path + "\": it is larger than 16 MB");
  const std::string text = files.ReadFile(path);
  try {
    ReadCodeTemplates(std::vector<std::uint8_t>(text.begin(), text.end()), templates);
  } catch (const ParseError& error) {
    throw Error("\"" + path + "\" is not a code template file: " + error.what());
  }
}

}  // namespace qs
