// The program-wide editing options every document with UseGlobalOptions
// follows, kept in the settings store, and the list of live documents a
// change of them is broadcast to.
#pragma once

#include <vector>

#include "support/optionobject.h"
#include "support/qschar.h"
#include "textmodel/memotypes.h"

namespace qs {

class TCustomMemoSource;

class TMemoSourceOptions : public TOptionExt {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "CodeEdit\\MemoSource\\"; }

  // The registered instance, made (and loaded from the settings) on first use;
  // its changes reach every live document that follows the global options.
  static TMemoSourceOptions& Instance();

  bool KeepTrailingBlanks() const { return m_keepTrailingBlanks; }
  void SetKeepTrailingBlanks(bool v);
  TStringsOptions Options() const { return m_options; }
  void SetOptions(TStringsOptions v);
  const String& TabStops() const { return m_tabStops; }
  void SetTabStops(const String& v);
  const String& Delimeters() const { return m_delimeters; }
  void SetDelimeters(const String& v);
  int BlockIndent() const { return m_blockIndent; }
  void SetBlockIndent(int v);

 private:
  std::uint32_t OptionBits() const { return m_options.ToBits(); }
  void SetOptionBits(std::uint32_t v) { SetOptions(TStringsOptions::FromBits(v)); }

  bool m_keepTrailingBlanks = false;
  TStringsOptions m_options = kDefaultStringsOptions;
  String m_tabStops = U"9,17";
  String m_delimeters = U"/{}+-*():=,;><$.#[]^@&~|%'";
  int m_blockIndent = 1;
};

// Every live document, in creation order.
const std::vector<TCustomMemoSource*>& LiveSources();
void RegisterSource(TCustomMemoSource* source);
void UnregisterSource(TCustomMemoSource* source);
// Copies the global options into every live document that follows them.
void BroadcastSourceOptions();

}  // namespace qs
