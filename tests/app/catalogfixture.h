// Scheme folders in a memory file system: a shipped folder the program must
// never write, and a user data dir that starts empty.
#pragma once

#include <string>

#include "app/schemefolders.h"
#include "platform/memoryfilesystem.h"
#include "syntax/qsSyntax.h"

namespace qs {

inline constexpr const char* kShipped = "/opt/quillon/syntaxschemes";
inline constexpr const char* kUserData = "/home/user/.local/share/quillon";
inline constexpr const char* kUserSchemes = "/home/user/.local/share/quillon/syntaxschemes";
inline constexpr const char* kCatalogue = "/home/user/.local/share/quillon/syntaxschemes.scl";

struct CatalogueFixture {
  MemoryFileSystem files;
  TSchemeFolders folders{files, kShipped, kUserData};

  CatalogueFixture() { files.CreateDirectories(kShipped); }

  void WriteScheme(const std::string& folder, const std::string& file, const String& name,
                   const String& extensions) {
    TSyntaxScheme scheme;
    scheme.SetName(name);
    scheme.SetExtensions(extensions);
    scheme.Normalise();
    files.CreateDirectories(folder);
    files.WriteFileAtomic(folder + "/" + file, scheme.SaveToText());
  }
  void Ship(const std::string& file, const String& name, const String& extensions) {
    WriteScheme(kShipped, file, name, extensions);
  }
  void UserWrites(const std::string& file, const String& name, const String& extensions) {
    WriteScheme(kUserSchemes, file, name, extensions);
  }
};

}  // namespace qs
