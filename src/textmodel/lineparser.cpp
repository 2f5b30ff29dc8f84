#include "textmodel/lineparser.h"

#include <algorithm>

#include "textmodel/qsstring.h"

namespace qs {

TSimpleParser::~TSimpleParser() {
  // Each client drops its link; a copy, since dropping may call back here.
  const std::vector<TCustomMemoSource*> clients = std::move(m_clients);
  for (TCustomMemoSource* s : clients) s->ParserGone(this);
}

void TSimpleParser::PrepareStyleBytes(std::int32_t, StringView text, std::string& styleBytes) {
  styleBytes.assign(text.size(), '\0');
}

void TSimpleParser::AddClient(TCustomMemoSource* source) {
  if (std::find(m_clients.begin(), m_clients.end(), source) == m_clients.end())
    m_clients.push_back(source);
}

void TSimpleParser::RemoveClient(TCustomMemoSource* source) {
  std::erase(m_clients, source);
}

void TSimpleParser::NotifyClients() {
  const std::vector<TCustomMemoSource*> clients = m_clients;
  for (TCustomMemoSource* s : clients) s->ParserChanged();
}

}  // namespace qs
