// Where a preview copy of the document is written and the address the
// browser opens it at: folder containment, file and server URLs.
#pragma once

#include <string>
#include <string_view>

namespace qs {

// The path made absolute and normal ("a/../b" is "b"), without a trailing
// "/" except for the root itself.
[[nodiscard]] std::string NormalPath(const std::string& path);

// True when path is folder itself or lies below it, compared whole component
// by whole component on the normal absolute forms: "/var/www2" is not inside
// "/var/www", and letter case counts as the file system counts it.
[[nodiscard]] bool IsInsideFolder(const std::string& path, const std::string& folder);

// "file://" and the encoded absolute path.
[[nodiscard]] std::string EncodedFileUrl(const std::string& path);

// The address of file under a server whose document root is root and whose
// address is serverUrl: the encoded path below root after serverUrl (a "/"
// between them). file must lie inside root.
[[nodiscard]] std::string ServerUrlOf(const std::string& file, const std::string& root,
                                      const std::string& serverUrl);

// The extension of a document's file name with its dot (".php"), or ".html"
// for a name without one (an untitled document included).
[[nodiscard]] std::string PreviewExtension(const std::string& documentPath);

}  // namespace qs
