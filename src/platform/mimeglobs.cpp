#include "platform/mimeglobs.h"

#include <charconv>

#include "support/asciicase.h"
#include "support/errors.h"

namespace qs {

namespace {

// The next ":"-separated field of line, consumed.
std::string_view NextField(std::string_view& line) {
  const std::size_t colon = line.find(':');
  const std::string_view field = line.substr(0, colon);
  line = colon == std::string_view::npos ? std::string_view{} : line.substr(colon + 1);
  return field;
}

}  // namespace

bool IsValidExtension(std::string_view extension) {
  if (extension.empty() || extension.size() > 32) return false;
  for (const char c : extension) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-' || c == '+';
    if (!ok) return false;
  }
  return true;
}

std::optional<TMimeGlobMatch> MatchExtensionGlob(std::string_view globs2,
                                                 std::string_view extension) {
  const std::string wanted = "*." + std::string(extension);
  std::optional<TMimeGlobMatch> best;
  while (!globs2.empty()) {
    const std::size_t end = globs2.find('\n');
    std::string_view line = globs2.substr(0, end);
    globs2 = end == std::string_view::npos ? std::string_view{} : globs2.substr(end + 1);
    if (line.empty() || line.front() == '#') continue;
    const std::string_view weightText = NextField(line);
    const std::string_view type = NextField(line);
    const std::string_view glob = NextField(line);
    int weight = 0;
    const auto [rest, error] =
        std::from_chars(weightText.data(), weightText.data() + weightText.size(), weight);
    if (error != std::errc() || rest != weightText.data() + weightText.size() || type.empty())
      continue;
    if (!EqualsIgnoringAsciiCase(glob, wanted)) continue;
    if (!best || weight > best->weight) best = TMimeGlobMatch{std::string(type), weight};
  }
  return best;
}

std::string OwnMimeType(std::string_view extension) {
  std::string type = "text/x-quillon-";
  for (const char c : extension) type += AsciiLower(c);
  return type;
}

std::string MimePackageText(const std::vector<std::pair<std::string, std::string>>& types) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  for (const auto& [extension, type] : types) {
    if (!IsValidExtension(extension) || type != OwnMimeType(extension))
      throw Error("\"" + extension + "\" is not a valid file extension");
    xml += "  <mime-type type=\"" + type + "\">\n";
    xml += "    <comment>" + extension + " file</comment>\n";
    xml += "    <sub-class-of type=\"text/plain\"/>\n";
    xml += "    <glob pattern=\"*." + extension + "\"/>\n";
    xml += "  </mime-type>\n";
  }
  return xml + "</mime-info>\n";
}

}  // namespace qs
