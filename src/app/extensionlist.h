// Lists of file extensions as the association settings keep them, and the
// groups of extensions the preferences offer to associate.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/qschar.h"

namespace qs {

// The text cut at every blank, "*", ",", "." and ";", each part lower-cased,
// sorted, without duplicates.
[[nodiscard]] std::vector<std::string> ParseExtensionList(StringView text);
// The parts joined with ",".
[[nodiscard]] String JoinExtensionList(const std::vector<std::string>& extensions);
// Throws qs::Error naming the first part that cannot be a file extension.
void RequireValidExtensions(const std::vector<std::string>& extensions);

struct TAssociationGroup {
  std::string_view name;  // the check box
  StringView caption;
  std::string_view extensions;  // as AssocExts keeps them, each followed by ","
};

inline constexpr TAssociationGroup kAssociationGroups[] = {
    {"cbTxt", U"General text files (*.txt)", "txt,"},
    {"cbPhp", U"PHP (*.php;*.php3;*.php4;*.php5;*.phtml)", "php,php3,php4,php5,phtml,"},
    {"cbCss", U"Cascading stsyle sheets (*.css)", "css,"},
    {"cbXml", U"XML (*.xml;*.dtd;*.xsd;*.xsl;*.xslt)", "xml,dtd,xsd,xsl,xslt,"},
    {"cbSsi", U"Server-side includes (*.shtm;*.shtml;*.stm;*.ssi;*.inc)",
     "shtm,shtml,stm,ssi,inc,"},
    {"cbJava", U"JAVA (*.java;*.jav)", "java,jav,"},
    {"cbJs", U"JavaScript (*.js)", "js,"},
    {"cbVbs", U"VBScript (*.vbs)", "vbs,"},
    {"cbSql", U"SQL (*.sql)", "sql,"},
    {"cbLog", U"Logs (*.log)", "log,"},
};

inline constexpr StringView kDefaultOtherExtensions =
    U"conf ini asm ihtml htt hta htc asp cfm cfml jsp divl dwt tmp";

}  // namespace qs
