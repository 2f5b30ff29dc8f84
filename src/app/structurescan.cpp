#include "app/structurescan.h"

#include <algorithm>

#include "support/asciicase.h"
#include "syntax/qsparser.h"

namespace qs {

namespace {

using Language = TBlockLanguages::Language;

// What a declaration keyword waits for (TStructureCarry::expect).
enum Expect : int { exNone, exPhpFunctionName, exPhpClassName, exJsFunctionName, exJsAssigned };
// How far an id attribute has been read (TStructureCarry::idStep).
enum IdStep : int { idNone, idName, idEquals, idValue };

Language LanguageOfBlock(StringView name) {
  static const std::pair<StringView, Language> kNames[] = {
      {U"PHP", Language::Php},
      {U"JavaScript", Language::JavaScript},
      {U"CSS", Language::Css},
      {U"Selectors", Language::Css},
      {U"Group rule", Language::Css},
      {U"Declarations", Language::CssRuleBody},
      {U"Value", Language::CssRuleBody},
      {U"Tag", Language::HtmlTag},
      {U"Style tag", Language::HtmlTag},
      {U"Script tag", Language::HtmlTag},
      {U"Attribute value", Language::HtmlValue},
  };
  for (const auto& [known, language] : kNames)
    if (EqualsIgnoringAsciiCase(name, known)) return language;
  return Language::None;
}

bool IsWord(int tokenId) {
  return tokenId == tkIdentifier || tokenId == tkKeyword;
}

bool IsComment(int tokenId) {
  return tokenId == tkSingleLineComment || tokenId == tkMultiLineComment ||
         tokenId == tkFullLineComment;
}

bool IsBlank(StringView text) {
  return std::all_of(text.begin(), text.end(), [](Char c) { return c <= U' '; });
}

String Lower(StringView text) {
  String lower(text);
  for (Char& c : lower) c = AsciiLower(c);
  return lower;
}

// Blanks at the ends dropped and every run of them inside made one space.
String Collapsed(StringView text) {
  String out;
  for (Char c : text) {
    if (c <= U' ') {
      if (!out.empty() && out.back() != U' ') out += U' ';
    } else {
      out += c;
    }
  }
  if (!out.empty() && out.back() == U' ') out.pop_back();
  return out;
}

class TLineReader {
 public:
  TLineReader(const TBlockLanguages& languages, const TStructureCarry& in)
      : m_languages(languages) {
    m_line.out = in;
    // The line break between two lines of a selector is a blank.
    if (!m_line.out.selector.empty()) m_line.out.selector += U' ';
  }

  void Token(const TScannedToken& token) {
    const Language language = m_languages.Of(token.block);
    if (m_carry().idStep == idValue && language != Language::HtmlValue) EmitId();
    if (IsComment(token.tokenId)) return;
    switch (language) {
      case Language::Php:
        PhpToken(token);
        break;
      case Language::JavaScript:
        JsToken(token);
        break;
      case Language::Css:
        CssToken(token);
        break;
      case Language::CssRuleBody:
        EmitSelector();
        break;
      case Language::HtmlTag:
        TagToken(token);
        break;
      case Language::HtmlValue:
        ValueToken(token);
        break;
      case Language::None:
        break;
    }
  }

  TLineStructure Done() { return std::move(m_line); }

 private:
  TStructureCarry& m_carry() { return m_line.out; }

  void Emit(TExplorerKind kind, String name, std::size_t column) {
    if (name.empty()) return;
    m_line.items.push_back({kind, std::move(name), static_cast<std::int32_t>(column), m_depth});
  }

  // ---- PHP ---------------------------------------------------------------
  void PhpToken(const TScannedToken& t) {
    TStructureCarry& c = m_carry();
    if (IsBlank(t.text)) return;
    if (IsWord(t.tokenId)) {
      if (c.expect == exPhpFunctionName || c.expect == exPhpClassName) {
        Emit(c.expect == exPhpClassName ? TExplorerKind::PhpClass : TExplorerKind::PhpFunction,
             String(t.text), t.start);
        c.expect = exNone;
      } else {
        const String word = Lower(t.text);
        // "Foo::class", "$this->function", "new class" name nothing.
        const bool member = m_phpSymbol == U"::" || m_phpSymbol == U"->";
        if (!member && word == U"function")
          c.expect = exPhpFunctionName;
        else if (!member && m_phpWord != U"new" &&
                 (word == U"class" || word == U"interface" || word == U"trait" || word == U"enum"))
          c.expect = exPhpClassName;
        else
          c.expect = exNone;
        m_phpWord = word;
      }
      m_phpSymbol.clear();
      return;
    }
    if (t.tokenId == tkSymbol) {
      for (Char ch : t.text) m_depth += ch == U'{' ? 1 : ch == U'}' ? -1 : 0;
      m_line.braceDelta = m_depth;
      // A reference-returning function keeps waiting for its name.
      if (t.text != U"&") c.expect = exNone;
      m_phpSymbol = Collapsed(t.text);
      return;
    }
    c.expect = exNone;
  }

  // ---- JavaScript ----------------------------------------------------------
  void JsToken(const TScannedToken& t) {
    TStructureCarry& c = m_carry();
    if (IsBlank(t.text)) return;
    if (IsWord(t.tokenId)) {
      if (c.expect == exJsFunctionName) {
        Emit(TExplorerKind::JsFunction, String(t.text), t.start);
        c.expect = exNone;
      } else if (t.text == U"function") {
        c.expect = m_assigned ? exJsAssigned : exJsFunctionName;
      } else {
        m_lastName = t.text;
        m_lastNameColumn = t.start;
        m_assigned = false;
        c.expect = exNone;
      }
      return;
    }
    const String symbol = t.tokenId == tkSymbol ? Collapsed(t.text) : String();
    if (c.expect == exJsAssigned && symbol.starts_with(U"(")) {
      Emit(TExplorerKind::JsFunction, m_lastName, m_lastNameColumn);
    } else if (!m_lastName.empty() && (symbol == U"=" || symbol == U":")) {
      m_assigned = true;
      return;
    }
    c.expect = exNone;
    m_lastName.clear();
    m_assigned = false;
  }

  // ---- CSS -------------------------------------------------------------------
  void CssToken(const TScannedToken& t) {
    TStructureCarry& c = m_carry();
    if (t.tokenId != tkSymbol) {
      if (c.cssDepth == 0) AddToSelector(t.text, t.start);
      return;
    }
    for (std::size_t i = 0; i < t.text.size(); ++i) {
      const Char ch = t.text[i];
      if (ch == U'{') {
        // The rules inside a group rule read as at the top.
        if (c.cssDepth == 0 && Collapsed(c.selector).starts_with(U"@"))
          c.selector.clear();
        else if (c.cssDepth++ == 0)
          EmitSelector();
      } else if (ch == U'}') {
        c.cssDepth = std::max(0, c.cssDepth - 1);
        c.selector.clear();
      } else if (c.cssDepth == 0) {
        if (ch == U';')
          c.selector.clear();
        else
          AddToSelector(t.text.substr(i, 1), t.start + i);
      }
    }
  }

  void AddToSelector(StringView text, std::size_t column) {
    String& selector = m_carry().selector;
    if (Collapsed(selector).empty() && !IsBlank(text)) {
      selector.clear();
      m_selectorColumn = column;
    }
    selector += text;
  }

  void EmitSelector() {
    String& selector = m_carry().selector;
    String name = Collapsed(selector);
    if (!name.starts_with(U"@"))
      Emit(TExplorerKind::CssSelector, std::move(name), m_selectorColumn);
    selector.clear();
    m_selectorColumn = 0;  // a selector begun on an earlier line is placed at its rule's line
  }

  // ---- HTML ------------------------------------------------------------------
  void TagToken(const TScannedToken& t) {
    TStructureCarry& c = m_carry();
    if (IsBlank(t.text)) return;
    if (IsWord(t.tokenId)) {
      if (c.tag.empty()) {
        c.tag = t.text;
      } else if (c.idStep == idEquals) {  // an unquoted value
        Emit(TExplorerKind::HtmlId, String(t.text), t.start);
        c.idStep = idNone;
      } else {
        c.idStep = EqualsIgnoringAsciiCase(t.text, StringView(U"id")) ? idName : idNone;
      }
      return;
    }
    const String symbol = Collapsed(t.text);
    if (symbol.starts_with(U"<") || symbol.ends_with(U">")) {
      c.tag.clear();
      c.idStep = idNone;
    } else {
      c.idStep = symbol == U"=" && c.idStep == idName ? idEquals : idNone;
    }
  }

  void ValueToken(const TScannedToken& t) {
    TStructureCarry& c = m_carry();
    if (c.idStep == idEquals) {
      c.idStep = idValue;
      c.idValue.clear();
      m_valueColumn = 0;
    }
    if (c.idStep != idValue) return;
    for (std::size_t i = 0; i < t.text.size(); ++i) {
      if (t.text[i] == U'"' || t.text[i] == U'\'') continue;
      if (c.idValue.empty()) m_valueColumn = t.start + i;
      c.idValue += t.text[i];
    }
  }

  void EmitId() {
    TStructureCarry& c = m_carry();
    Emit(TExplorerKind::HtmlId, Collapsed(c.idValue), m_valueColumn);
    c.idValue.clear();
    c.idStep = idNone;
  }

  const TBlockLanguages& m_languages;
  TLineStructure m_line;
  int m_depth = 0;
  String m_phpWord, m_phpSymbol;
  String m_lastName;
  std::size_t m_lastNameColumn = 0;
  bool m_assigned = false;
  std::size_t m_selectorColumn = 0;
  std::size_t m_valueColumn = 0;
};

}  // namespace

TBlockLanguages::TBlockLanguages(const TSyntaxScheme& scheme) {
  const TSyntaxBlockList& blocks = scheme.SyntaxBlocks();
  for (int i = 0; i < blocks.Count(); ++i)
    m_languages.push_back(LanguageOfBlock(blocks.Items(i).Name()));
}

TBlockLanguages::Language TBlockLanguages::Of(int block) const {
  return block >= 0 && static_cast<std::size_t>(block) < m_languages.size()
             ? m_languages[static_cast<std::size_t>(block)]
             : None;
}

TLineStructure ScanLineStructure(TSyntaxParser& parser, const TBlockLanguages& languages,
                                 StringView text, const TStructureCarry& in) {
  TLineReader reader(languages, in);
  const std::int32_t state =
      parser.ScanTokens(text, in.state, [&](const TScannedToken& token) { reader.Token(token); });
  TLineStructure line = reader.Done();
  line.out.state = state;
  return line;
}

}  // namespace qs
