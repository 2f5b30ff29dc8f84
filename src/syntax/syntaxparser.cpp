#include "syntax/qsparser.h"

#include <algorithm>

#include "syntax/compiledscheme.h"
#include "syntax/linescanner.h"

namespace qs {

TSyntaxParser::TSyntaxParser()
    : m_scheme(std::make_unique<TSyntaxScheme>()),
      m_scanner(std::make_unique<TLineScanner>(m_scheme->Compiled())) {
  m_scheme->SetOwner(this);
  TAttrFont font;
  font.SetName(U"Courier New");
  font.SetHeight(kTenPointHeight);
  m_defAttr.SetFont(font);
  m_defAttr.SetBackColor(clWindow);
  m_defAttr.OnChange = [this] { ApplyAttributes(); };
  Rebuild();
}

TSyntaxParser::~TSyntaxParser() {
  m_scheme->SetOwner(nullptr);
}

void TSyntaxParser::SetSyntaxScheme(const TSyntaxScheme& scheme) {
  if (&scheme == m_scheme.get()) return;
  m_scheme->Clear();
  m_scheme->Assign(scheme);  // rebuilds through us
}

void TSyntaxParser::SetUseGlobalOptions(bool on) {
  if (on == m_useGlobal) return;
  m_useGlobal = on;
  ApplyAttributes();
}

void TSyntaxParser::SetStyleResolver(const IStyleResolver* resolver) {
  m_resolver = resolver;
  if (m_useGlobal) ApplyAttributes();
}

void TSyntaxParser::GlobalStylesChanged() {
  if (m_useGlobal) ApplyAttributes();
}

void TSyntaxParser::Rebuild() {
  m_scheme->Normalise();
  m_scheme->Compiled().Compile(*m_scheme);
  ApplyAttributes();
}

void TSyntaxParser::ApplyAttributes() {
  if (m_updateCount > 0) {
    m_applyPending = true;
    return;
  }
  m_applyPending = false;
  m_scheme->SetUseGlobalStyles(m_useGlobal);
  m_scheme->ResolveAttributes(&m_defAttr, m_resolver);
  NotifyClients();
}

void TSyntaxParser::EndUpdate() {
  if (m_updateCount > 0 && --m_updateCount == 0 && m_applyPending) ApplyAttributes();
}

void TSyntaxParser::PrepareStyleBytes(std::int32_t, StringView text, std::string& styleBytes) {
  styleBytes.resize(text.size());
}

std::int32_t TSyntaxParser::ParseLine(StringView text, std::int32_t startState, bool reset,
                                      std::string& styleBytes) {
  ++m_parsedLines;
  const auto state = static_cast<std::uint32_t>(startState);
  if (text.empty()) return static_cast<std::int32_t>(m_scanner->EmptyLineState(state));
  if (styleBytes.size() != text.size()) styleBytes.resize(text.size());
  TTokenCallback report;
  if (OnGetToken) report = [this](int id, StringView s) { OnGetToken(*this, id, s); };
  return static_cast<std::int32_t>(m_scanner->Run(text, state, reset, styleBytes.data(), nullptr,
                                                  OnGetToken ? &report : nullptr));
}

TTokenInfo TSyntaxParser::TokenAt(StringView text, std::int32_t startState, std::int64_t column,
                                  bool reset) {
  TTokenInfo info;
  const std::size_t length =
      column < 0 ? 0 : std::min<std::size_t>(text.size(), static_cast<std::size_t>(column) + 1);
  m_scanner->Run(text.substr(0, length), static_cast<std::uint32_t>(startState), reset, nullptr,
                 &info);
  return info;
}

std::vector<TTokenRun> TSyntaxParser::TokenRuns(StringView text, std::int32_t startState,
                                                bool reset) {
  std::vector<TTokenRun> runs;
  m_scanner->Run(text, static_cast<std::uint32_t>(startState), reset, nullptr, nullptr, nullptr,
                 &runs);
  return runs;
}

std::int32_t TSyntaxParser::ScanTokens(StringView text, std::int32_t startState,
                                       const TScannedTokenEvent& onToken) {
  const auto state = static_cast<std::uint32_t>(startState);
  if (text.empty()) return static_cast<std::int32_t>(m_scanner->EmptyLineState(state));
  const TTokenCallback report = [&](int id, StringView token) {
    onToken(TScannedToken{id, m_scanner->BlockIndex(),
                          static_cast<std::size_t>(token.data() - text.data()), token});
  };
  return static_cast<std::int32_t>(m_scanner->Run(text, state, false, nullptr, nullptr, &report));
}

bool TSyntaxParser::GetAttrBackColor(std::int32_t id, TColor& color) const {
  color = m_scheme->GetAttrBackColor(id);
  return true;
}

}  // namespace qs
