// The replace core: one replacement at a time with or without asking, or all
// of them inside one update, so that one undo step takes them all back.
#include <utility>

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "support/scopeexit.h"
#include "textmodel/searchengine.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

// Line breaks in text as InsertText counts them (CR LF is one).
std::int32_t BreakCount(StringView text) {
  std::int32_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    if (text[i] == U'\r' || text[i] == U'\n') ++n;
  }
  return n;
}

}  // namespace

bool TSearchEngine::Replace() {
  m_source.m_search.replacedCount = 0;
  if (m_source.GetReadOnly()) return false;
  SelectionKeeper keep(m_source);
  if (m_source.OnSearchStart) m_source.OnSearchStart(m_source, skReplace);
  if (m_options.ReplaceAll()) return ReplaceAllLoop();
  const bool done = ReplaceStep();
  m_options.SetShowNotFound(false);
  if (done && m_options.ReplaceAll()) ReplaceAllLoop();
  return done;
}

bool TSearchEngine::ReplaceAllLoop() {
  TCustomMemoSource& s = m_source;
  const bool prompt = std::exchange(m_suppressPrompt, true);
  const TUpdateBracket update(s, upd::kReplace);
  KeepSelectionIfAsked();
  // Before the update closes, also when a step fails.
  const ScopeExit finish([&] {
    m_suppressPrompt = prompt;
    s.SetFoundRect({});
  });
  bool any = false;
  while (ReplaceStep()) {
    if (!any) m_options.SetShowNotFound(false);
    any = true;
  }
  return any;
}

bool TSearchEngine::ReplaceStep() {
  if (m_source.GetReadOnly()) return false;
  const std::optional<TLineHit> hit = Search();
  if (!hit) return false;
  if (!m_suppressPrompt && m_options.PromptOnReplace()) {
    const String question =
        U"Replace this occurence of '" + DoubleAmpersands(m_options.TextToFind()) + U"'?";
    switch (ThePlatform().dialogs.MessageBox(question, U"Confirm", MsgButtons::YesNoCancelAll,
                                             MsgIcon::Question)) {
      case MsgResult::Cancel:
      case MsgResult::OK:
        return false;
      case MsgResult::No:
        return true;  // the caret is past the match: the search goes on from there
      case MsgResult::All:
        m_options.SetPromptOnReplace(false);
        m_options.SetReplaceAll(true);
        break;
      case MsgResult::Yes:
        break;
    }
  }
  // A line that may not be edited keeps its text and is not counted.
  if (!m_source.CanEditLine(hit->line)) return true;
  ReplaceMatch(*hit);
  ++m_source.m_search.replacedCount;
  return true;
}

void TSearchEngine::ReplaceMatch(const TLineHit& hit) {
  TCustomMemoSource& s = m_source;
  const TUpdateBracket update(s, upd::kReplace);
  KeepSelectionIfAsked();
  // The match is in columns of the expanded line: a TAB it starts inside
  // keeps the columns before the match as spaces (DeleteChars does that),
  // and one it ends inside keeps the columns after it the same way.
  const std::int64_t from = hit.column;
  const std::int64_t to = std::int64_t{hit.column} + hit.length;
  const StringView stored = s.StoredLine(hit.line);
  const TTabStops::Place endPlace = s.m_tabStops.Locate(stored, to);
  std::int64_t tail = 0;
  if (endPlace.index < static_cast<std::int64_t>(stored.size()) &&
      stored[static_cast<std::size_t>(endPlace.index)] == kTab && to > endPlace.start)
    tail = endPlace.start + endPlace.width - to;
  s.DeleteColumnSpan(hit.line, from, to);
  const TPosition start{hit.line, hit.column};
  s.PlaceCaret(start);
  TPosition end = start;
  const String with = s.StoringConversion(m_options.ReplaceWith());
  if (!with.empty() && s.InsertText(with)) end = {hit.line + BreakCount(with), s.InsertedEnd()};
  if (tail > 0) {
    s.PlaceCaret(end);
    s.InsertText(String(static_cast<std::size_t>(tail), U' '));
  }
  s.PlaceCaret(m_options.Forward() ? end : start);
}

}  // namespace qs
