// Path pieces the file writers need: the folder and name of a path, and the
// file a chain of symbolic links ends at.
#pragma once

#include <string>
#include <string_view>

namespace qs {

// The folder part of a path: "" for a bare name, "/" for a file in the root.
std::string FolderOfPath(std::string_view path);

// The last component of a path.
std::string NameOfPath(std::string_view path);

// name inside folder, as FolderOfPath gives it ("" meaning the current one).
std::string JoinToFolder(const std::string& folder, const std::string& name);

// The folder to open for a path: its folder, or "." for a bare name.
std::string OpenableFolderOf(std::string_view path);

// Follows symbolic links at the end of path, however many, until a name that
// is no link: that is the file a write must replace, so the links stay links.
// A relative link target counts from the folder of the link, not from the
// current one. A dangling link ends at the name it points to, which a write
// then creates. Only the last component is followed here; the kernel follows
// links among the folders. Returns false with errno set (ELOOP for a cycle)
// when the chain cannot be followed.
bool ResolveSymlinks(const std::string& path, std::string& resolved);

}  // namespace qs
