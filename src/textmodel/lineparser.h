// What a document asks of its highlighter: fill one style byte per stored
// character of a line and return the state the line ends in. The syntax layer
// implements it; the document only drives it line by line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/qschar.h"

namespace qs {

class IAttributeSource;
class TCustomMemoSource;

class TSimpleParser {
 public:
  TSimpleParser() = default;
  virtual ~TSimpleParser();
  TSimpleParser(const TSimpleParser&) = delete;
  TSimpleParser& operator=(const TSimpleParser&) = delete;

  // The class name, for people reading about a highlighter; code tells
  // highlighters apart by what they answer, never by name.
  virtual std::string_view ClassName() const = 0;
  // Where the fonts and colours of the style bytes come from, or nullptr
  // when the bytes are numbers of the editor's text styles.
  virtual const IAttributeSource* AttributeSource() const noexcept { return nullptr; }
  virtual void SetLineIndex(std::int32_t line) { m_lineIndex = line; }
  // Fills styleBytes (already sized to the text by PrepareStyleBytes) and
  // returns the state after the last character.
  virtual std::int32_t ParseLine(StringView text, std::int32_t startState, bool reset,
                                 std::string& styleBytes) = 0;
  // True when style bytes are document content carried through edits.
  virtual bool KeepsStyleBytes() const { return false; }
  virtual void PrepareStyleBytes(std::int32_t line, StringView text, std::string& styleBytes);

  // The documents using this highlighter; each drops it when it goes away.
  void AddClient(TCustomMemoSource* source);
  void RemoveClient(TCustomMemoSource* source);
  // The scheme or its attributes changed: every client re-highlights.
  void NotifyClients();

 protected:
  std::int32_t LineIndex() const { return m_lineIndex; }

 private:
  std::vector<TCustomMemoSource*> m_clients;
  std::int32_t m_lineIndex = 0;
};

}  // namespace qs
