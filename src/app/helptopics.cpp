#include "app/helptopics.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/functionlists.h"
#include "support/unicodecase.h"
#include "support/utf8.h"

namespace qs {

namespace {

// A list of words and the page they share: a page with "%" takes the word
// in its place.
struct TTopicRow {
  std::vector<StringView> words;
  std::string_view page;
};

bool Contains(const TTopicRow& row, StringView word) {
  return std::find(row.words.begin(), row.words.end(), word) != row.words.end();
}

std::string PageFor(std::string_view page, StringView word) {
  std::string result(page);
  const std::size_t at = result.find('%');
  if (at != std::string::npos) result.replace(at, 1, ToUtf8(word));
  return result;
}

template <std::size_t N>
std::optional<THelpTopic> LookUp(const std::array<TTopicRow, N>& rows, THelpBook book,
                                 std::string_view prefix, StringView word) {
  for (const TTopicRow& row : rows)
    if (Contains(row, word)) return THelpTopic{book, std::string(prefix) + PageFor(row.page, word)};
  return std::nullopt;
}

const std::array<TTopicRow, 17> kPhpRows{{
    {{U"http_server_vars",
      U"_server",
      U"php_self",
      U"argv",
      U"argc",
      U"gateway_interface",
      U"server_name",
      U"server_software",
      U"server_protocol",
      U"request_method",
      U"query_string",
      U"document_root",
      U"http_accept",
      U"http_accept_charset",
      U"http_accept_encoding",
      U"http_accept_language",
      U"http_connection",
      U"http_host",
      U"http_referer",
      U"http_user_agent",
      U"remote_addr",
      U"remote_host",
      U"remote_port",
      U"script_filename",
      U"server_admin",
      U"server_port",
      U"server_signature",
      U"path_translated",
      U"script_name",
      U"request_uri",
      U"php_auth_user",
      U"php_auth_pw",
      U"auth_type"},
     "reserved.variables.html#reserved.variables.server"},
    {{U"_env", U"http_env_vars"}, "reserved.variables.html#reserved.variables.environment"},
    {{U"_cookie", U"http_cookie_vars"}, "reserved.variables.html#reserved.variables.cookies"},
    {{U"_get", U"http_get_vars"}, "reserved.variables.html#reserved.variables.get"},
    {{U"_post", U"http_post_vars"}, "reserved.variables.html#reserved.variables.post"},
    {{U"_files", U"http_post_files"}, "reserved.variables.html#reserved.variables.files"},
    {{U"_request"}, "reserved.variables.html#reserved.variables.request"},
    {{U"_session", U"http_session_vars"}, "reserved.variables.html#reserved.variables.session"},
    {{U"globals"}, "reserved.variables.html#reserved.variables.globals"},
    {{U"php_errormsg"}, "reserved.variables.html#reserved.variables.phperrormsg"},
    {{U"__line__", U"__file__", U"__function__", U"__class__", U"__method__"},
     "language.constants.predefined.html"},
    {{U"return"}, "function.return.html"},
    {{U"if"}, "control-structures.html#control-structures.if"},
    {{U"do"}, "control-structures.do.while.html"},
    {{U"function"}, "functions.html"},
    {{U"class"}, "language.oop.html"},
    {{U"else", U"elseif", U"while", U"for", U"foreach", U"break", U"continue", U"switch",
      U"declare"},
     "control-structures.%.html"},
}};

const std::array<TTopicRow, 6> kCssRows{{
    {{U"font-family", U"font-style", U"font-variant", U"font-weight", U"font-size", U"font"},
     "font/%.html"},
    {{U"color", U"background-color", U"background-image", U"background-repeat",
      U"background-attachment", U"background-position", U"background"},
     "color-background/%.html"},
    {{U"word-spacing", U"letter-spacing", U"text-decoration", U"vertical-align", U"text-transform",
      U"text-align", U"text-indent", U"line-height"},
     "text/%.html"},
    {{U"margin-top",
      U"margin-right",
      U"margin-bottom",
      U"margin-left",
      U"margin",
      U"padding-top",
      U"padding-right",
      U"padding-bottom",
      U"padding-left",
      U"padding",
      U"border-top-width",
      U"border-right-width",
      U"border-bottom-width",
      U"border-left-width",
      U"border-width",
      U"border-color",
      U"border-style",
      U"border-top",
      U"border-right",
      U"border-bottom",
      U"border-left",
      U"border",
      U"width",
      U"height",
      U"float",
      U"clear"},
     "box/%.html"},
    {{U"display", U"white-space", U"list-style-type", U"list-style-image", U"list-style-position",
      U"list-style"},
     "classification/%.html"},
    {{U"url"}, "units.html#urls"},
}};

const std::array<TTopicRow, 10> kHtmlRows{{
    {{U"html", U"body"}, "html/%.html"},
    {{U"head", U"base", U"link", U"meta", U"style", U"title"}, "head/%.html"},
    {{U"address", U"blockquote", U"center", U"div", U"h1", U"h2", U"h3", U"h4", U"h5", U"h6", U"hr",
      U"isindex", U"noscript", U"p", U"pre"},
     "block/%.html"},
    {{U"dir", U"dl", U"dt", U"dd", U"li", U"menu", U"ol", U"ul"}, "lists/%.html"},
    {{U"table", U"caption", U"colgroup", U"col", U"thead", U"tfoot", U"tbody", U"tr", U"td", U"th"},
     "tables/%.html"},
    {{U"form", U"button", U"fieldset", U"legend", U"input", U"label", U"select", U"optgroup",
      U"option", U"textarea"},
     "forms/%.html"},
    {{U"a", U"applet", U"basefont", U"bdo", U"br", U"font", U"iframe", U"img", U"map", U"area",
      U"object", U"param", U"q", U"script", U"span", U"sub", U"sup"},
     "special/%.html"},
    {{U"abbr", U"acronym", U"cite", U"code", U"del", U"dfn", U"em", U"ins", U"kbd", U"samp",
      U"strong", U"var"},
     "phrase/%.html"},
    {{U"b", U"big", U"i", U"s", U"small", U"strike", U"tt", U"u"}, "fontstyle/%.html"},
    {{U"frameset", U"frame", U"noframes"}, "frames/%.html"},
}};

bool IsAttributeNameChar(Char c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         c == U'_' || c == U'-' || c == U':' || c == U'.';
}

}  // namespace

std::string HelpBookFolder(THelpBook book) {
  switch (book) {
    case THelpBook::Php:
      return "php_manual_en";
    case THelpBook::Css:
      return "cssref";
    case THelpBook::Html:
      return "htmlref";
    case THelpBook::Main:
      break;
  }
  return {};
}

String TopicWord(StringView word) {
  String w = ToLower(word);
  if (!w.empty() && w.front() == U'!') w.erase(0, 1);
  if (!w.empty() && w.front() == U'"') w.erase(0, 1);
  if (!w.empty() && w.back() == U'"') w.pop_back();
  return w;
}

std::optional<THelpTopic> PhpTopic(StringView word, const TFunctionsListItem& phpFunctions) {
  if (word.empty()) return std::nullopt;
  if (auto topic = LookUp(kPhpRows, THelpBook::Php, "en/", word)) return topic;
  if (!phpFunctions.ValueOf(word)) return std::nullopt;
  String page(word);
  std::replace(page.begin(), page.end(), U'_', U'-');
  return THelpTopic{THelpBook::Php, "en/function." + ToUtf8(page) + ".html"};
}

std::optional<THelpTopic> CssTopic(StringView word) {
  return LookUp(kCssRows, THelpBook::Css, "", word);
}

std::optional<THelpTopic> HtmlTopic(StringView word) {
  return LookUp(kHtmlRows, THelpBook::Html, "", word);
}

bool InsideStyleAttribute(StringView lineBeforeCaret) {
  const std::size_t tag = lineBeforeCaret.rfind(U'<');
  const StringView inTag =
      tag == StringView::npos ? lineBeforeCaret : lineBeforeCaret.substr(tag + 1);
  const std::size_t equals = inTag.rfind(U'=');
  if (equals == StringView::npos) return false;
  StringView name = inTag.substr(0, equals);
  while (!name.empty() && name.back() <= U' ') name.remove_suffix(1);
  std::size_t start = name.size();
  while (start > 0 && IsAttributeNameChar(name[start - 1])) --start;
  return ToLower(name.substr(start)) == U"style";
}

}  // namespace qs
