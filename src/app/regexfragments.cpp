#include "app/regexfragments.h"

namespace qs {

namespace {

// "HTML comment" uses a greedy "." run: a class cannot exclude the string
// "-->", and a comment may well hold a "-". "HEX color" wants a digit at least,
// so a bare "#" is no colour.
constexpr TRegexFragment kFragments[] = {
    {U". Any single character", U"."},
    {U"* Zero or more", U"*"},
    {U"+ One ore more", U"+"},
    {U"^ Beginning of line", U"^"},
    {U"$ End of line", U"$"},
    {U"[] Any one character in the set", U"[]"},
    {U"[^] Any one character not in the set", U"[^]"},
    {U"\\ Escape special character", U"\\"},
    {U"-", nullptr},
    {U"HEX color", U"#[0-9a-fA-F]+"},
    {U"RGB color", U"[Rr][Gg][Bb]\\([^)]*\\)"},
    {U"Number", U"[\\-\\+]*[\\.]*[0-9]+[\\.]*[0-9]*"},
    {U"Double quoted string", U"\"[^\"]*\""},
    {U"Single quoted string", U"'[^']*'"},
    {U"HTML image tag", U"<img[^>]+>"},
    {U"HTML hyperlink", U"<a[^>]+>.+</a>"},
    {U"HTML comment", U"<!--.*-->"},
    {U"-", nullptr},
    {U"Regular expressions help", nullptr},
};

}  // namespace

std::span<const TRegexFragment> RegexFragments() {
  return kFragments;
}

}  // namespace qs
