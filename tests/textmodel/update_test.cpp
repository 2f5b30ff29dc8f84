#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/headlessplatform.h"
#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;
using test::Recorder;
using test::U;

TEST(UpdateProtocol, OneNotificationPerOutermostUpdate) {
  TMemoSource source;
  Fill(source, {"a", "b", "c", "d"});
  Recorder rec(source);
  source.BeginUpdate(upd::kNone);
  source.BeginUpdate(upd::kNone);
  source.MarkChanged(2, 2);
  source.EndUpdate();
  EXPECT_TRUE(rec.calls.empty());
  source.MarkDirty(1, 1);
  source.SetCaretPos(0, 3);
  source.EndUpdate();
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.Last().first, 1);
  EXPECT_EQ(rec.Last().last, 2);
  EXPECT_TRUE(rec.Last().changes.Has(msEdited));
  EXPECT_TRUE(rec.Last().changes.Has(msPositionChanged));
  source.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(rec.calls.size(), 1u);
}

TEST(UpdateProtocol, AnUpdateThatChangesNothingIsSilent) {
  TMemoSource source;
  Fill(source, {"a"});
  Recorder rec(source);
  source.BeginUpdate(upd::kNone);
  source.EndUpdate();
  source.SetCaretPos(0, 0);  // already there
  EXPECT_TRUE(rec.calls.empty());
}

TEST(UpdateProtocol, FlagsForCountModifiedAndReadOnly) {
  TMemoSource source;
  Fill(source, {"a"});
  source.ResetModified();
  Recorder rec(source);
  source.Lines().Add(U"b");
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_TRUE(rec.Last().changes.Has(msCountChanged));
  EXPECT_TRUE(rec.Last().changes.Has(msModifiedChanged));
  EXPECT_EQ(rec.Last().first, 1);
  EXPECT_EQ(rec.Last().last, kToEnd);
  source.Lines().Put(0, U"x");
  EXPECT_FALSE(rec.Last().changes.Has(msModifiedChanged));  // already modified
  EXPECT_FALSE(rec.Last().changes.Has(msCountChanged));
  source.SetReadOnly(true);
  EXPECT_EQ(rec.Last().changes, TMemoStates{msReadOnlyChanged});
  source.ChangeEditedName(U"page.html");
  EXPECT_EQ(rec.Last().changes, TMemoStates{msObjNameChanged});
  EXPECT_EQ(source.EditedName(), U"page.html");
}

TEST(UpdateProtocol, ANewViewIsToldEverything) {
  TMemoSource source;
  Fill(source, {"a"});
  Recorder rec(source, /*notifyNow=*/true);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.Last().first, 0);
  EXPECT_EQ(rec.Last().last, 2147483647);
  EXPECT_EQ(rec.Last().changes.ToBits(), 1405u);
}

TEST(Listeners, NewestFirstAndOwnersGoAway) {
  TMemoSource source;
  Fill(source, {"a"});
  std::string order;
  int ownerA = 0, ownerB = 0;
  source.AddListener([&](TCustomMemoSource&, std::int32_t, std::int32_t) { order += "A"; }, &ownerA,
                     false);
  const TListenerId b = source.AddListener(
      [&](TCustomMemoSource&, std::int32_t, std::int32_t) { order += "B"; }, &ownerB, false);
  source.MarkLine();
  EXPECT_EQ(order, "BA");
  source.RemoveListenersOf(&ownerA);
  source.ClearSelection();
  EXPECT_EQ(order, "BAB");
  EXPECT_TRUE(source.RemoveListener(b));
  EXPECT_FALSE(source.RemoveListener(b));
  EXPECT_EQ(source.ListenerCount(), 0u);
}

TEST(Listeners, MayAddAndRemoveListenersDuringANotification) {
  TMemoSource source;
  Fill(source, {"a"});
  std::vector<std::string> log;
  TListenerId self = 0, other = 0, added = 0;
  other = source.AddListener(
      [&](TCustomMemoSource&, std::int32_t, std::int32_t) { log.push_back("other"); }, nullptr,
      false);
  self = source.AddListener(
      [&](TCustomMemoSource& s, std::int32_t, std::int32_t) {
        log.push_back("self");
        s.RemoveListener(self);
        s.RemoveListener(other);  // not yet called this round: it is skipped
        added = s.AddListener(
            [&](TCustomMemoSource&, std::int32_t, std::int32_t) { log.push_back("added"); },
            nullptr, false);
      },
      nullptr, false);
  source.MarkLine();
  EXPECT_EQ(log, std::vector<std::string>{"self"});
  source.ClearSelection();
  EXPECT_EQ(log, (std::vector<std::string>{"self", "added"}));
  EXPECT_EQ(source.ListenerCount(), 1u);
}

TEST(Listeners, ALinkRemovesItsRegistrationAndMayOutliveTheDocument) {
  TListenerLink outliving;
  {
    TMemoSource source;
    {
      TListenerLink scoped =
          source.Listen([](TCustomMemoSource&, std::int32_t, std::int32_t) {}, nullptr, false);
      EXPECT_EQ(source.ListenerCount(), 1u);
    }
    EXPECT_EQ(source.ListenerCount(), 0u);
    outliving =
        source.Listen([](TCustomMemoSource&, std::int32_t, std::int32_t) {}, nullptr, false);
    EXPECT_NE(outliving.Id(), 0u);
  }
  outliving.Reset();  // the document is gone; the sanitizer build catches a dangling access
  EXPECT_EQ(outliving.Id(), 0u);
}

// An edit that fails halfway: the update still closes, the views hear of
// what did change, undo takes it back, and the next edit is reported as usual.
TEST(UpdateProtocol, AnExceptionInsideAnEditClosesTheUpdateAndTellsTheListeners) {
  HeadlessPlatform platform;
  PlatformInstallation installed{platform};
  TMemoSource source;
  Fill(source, {"keep", "cut me", "keep"});
  source.ResetModified();
  source.SetCaretPos(0, 1);
  source.MarkLine();
  platform.clipboard.SimulateOtherProgram(U"pasted");
  source.OnPasteFromClipboard = [](TCustomMemoSource&, TStrings&) {
    throw std::length_error("too long");
  };
  Recorder rec(source);
  EXPECT_THROW(source.PasteFromClipboard(), std::length_error);
  EXPECT_EQ(source.UpdateDepth(), 0);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_TRUE(rec.Last().changes.Has(msEdited));
  EXPECT_EQ(test::StoredLines(source), (std::vector<std::string>{"keep", "keep"}));
  EXPECT_TRUE(source.DocModified());
  source.Undo();
  EXPECT_EQ(test::StoredLines(source), (std::vector<std::string>{"keep", "cut me", "keep"}));
  EXPECT_FALSE(source.DocModified());
  source.OnPasteFromClipboard = nullptr;
  source.SetCaretPos(0, 0);
  const std::size_t before = rec.calls.size();
  source.InsertText(U"x");
  EXPECT_EQ(rec.calls.size(), before + 1);
  EXPECT_EQ(source.UpdateDepth(), 0);
}

TEST(TrackedUpdate, LinesEditsKeepCaretAndSelectionOnTheirText) {
  TMemoSource source;
  Fill(source, {"zero", "one", "two"});
  source.SelectRange(stStreamSel, 1, 1, 2, 2);
  source.SetCaretPos(2, 2);
  source.Lines().Insert(0, U"new");
  EXPECT_EQ(source.Caret(), (TPosition{3, 2}));
  EXPECT_EQ(source.BlockBegin(), (TPosition{2, 1}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{3, 2}));
  EXPECT_EQ(source.SelectionType(), stStreamSel);
  source.Lines().Delete(0);
  EXPECT_EQ(source.Caret(), (TPosition{2, 2}));
  EXPECT_EQ(source.BlockBegin(), (TPosition{1, 1}));
  source.SetCaretPos(0, 2);
  source.Lines().Insert(1, U"above the caret");
  EXPECT_EQ(source.Caret(), (TPosition{3, 0}));  // still at the start of its line
  source.Lines().Delete(1);
  source.Lines().Delete(2);  // the caret's line: caret joins the line that moved up
  EXPECT_EQ(source.Caret().Line, 2);
  source.Lines().Clear();
  EXPECT_EQ(source.LineCount(), 0);
  EXPECT_EQ(source.Caret(), (TPosition{0, 0}));
  EXPECT_FALSE(source.HasSelection());
}

TEST(TrackedUpdate, LinesEditsChangeNoOtherLine) {
  TMemoSource source;
  source.SetKeepTrailingBlanks(true);
  Fill(source, {"caret  ", "b"});
  source.SetKeepTrailingBlanks(false);
  source.SetCaretPos(7, 0);
  source.Lines().Insert(1, U"new  ");
  source.Lines().Put(2, U"c");
  source.Lines().Delete(2);
  EXPECT_EQ(test::StoredLines(source), (std::vector<std::string>{"caret  ", "new  "}));
  EXPECT_EQ(source.Caret(), (TPosition{0, 7}));
}

TEST(TrackedUpdate, TextAssignmentIsABulkLoad) {
  TMemoSource source;
  Fill(source, {"old"});
  source.SetBookmark(1);
  source.SetCaretPos(2, 0);
  source.Lines().SetText(U"a  \r\nb\tc\n");
  // Like a file load: TABs, blanks and each line's break stay.
  EXPECT_EQ(test::StoredLines(source), (std::vector<std::string>{"a  ", "b\tc"}));
  EXPECT_EQ(source.SavedText(), U"a  \r\nb\tc\n");
  EXPECT_EQ(source.Caret(), (TPosition{0, 0}));
  TPosition at;
  EXPECT_FALSE(source.GetBookmark(1, at));
  EXPECT_EQ(source.Lines().Text(), U"a  \r\nb\tc");
}

TEST(ModifiedFlag, EditsSetItAndResetClearsIt) {
  TMemoSource source;
  Recorder rec(source);
  EXPECT_FALSE(source.DocModified());
  source.Lines().Add(U"x");
  EXPECT_TRUE(source.DocModified());
  source.ResetModified();
  EXPECT_FALSE(source.DocModified());
  EXPECT_TRUE(rec.Last().changes.Has(msModifiedChanged));
  source.LoadFromBytes("y");
  EXPECT_FALSE(source.DocModified());
}

TEST(ModifiedFlag, StreamingInEndsUnmodifiedAtTheStart) {
  TMemoSource source;
  Fill(source, {"abc", "def"});
  source.SetCaretPos(2, 1);
  Recorder rec(source);
  source.Loaded();
  EXPECT_FALSE(source.DocModified());
  EXPECT_EQ(source.Caret(), (TPosition{0, 0}));
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_TRUE(rec.Last().changes.Has(msModifiedChanged));
}

TEST(LineHighlight, LastsUntilTheNextUpdate) {
  TMemoSource source;
  Fill(source, {"a", "b"});
  source.SetLineStyle(1, 3);
  source.SetLineHighlight(1, 9);
  EXPECT_EQ(source.GetLineStyle(1), 9);
  source.SetLineHighlight(0, 7);  // replaces the first one
  EXPECT_EQ(source.GetLineStyle(1), 3);
  EXPECT_EQ(source.GetLineStyle(0), 7);
  source.SetCaretPos(1, 0);
  EXPECT_EQ(source.GetLineStyle(0), 0);
}

TEST(LineRecords, OutOfRangeAccessYieldsNothing) {
  TMemoSource source;
  Fill(source, {"a"});
  for (int i : {-1, 1, 1000}) {
    EXPECT_EQ(source.Lines()[i], U"");
    EXPECT_EQ(source.GetLineItem(i), nullptr);
    EXPECT_FALSE(source.IsLineReadOnly(i));
    EXPECT_EQ(source.GetLineStyle(i), 0);
    EXPECT_FALSE(source.HasGutterImage(i, 0));
    EXPECT_EQ(source.Lines().GetObject(i), nullptr);
  }
  EXPECT_FALSE(source.IsDelimiter(U"a b", 0));
  EXPECT_TRUE(source.IsDelimiter(U"a b", 2));
  EXPECT_FALSE(source.IsDelimiter(U"a b", 4));
}

TEST(LineRecords, StoredListGrowsByHalfAndClearFreesCapacity) {
  TInternalStrings list;
  list.Insert(0, U"x");
  EXPECT_EQ(list.Capacity(), 64u);
  for (int i = 1; i < 65; ++i) list.Insert(i, U"x");
  EXPECT_EQ(list.Capacity(), 128u);  // grows by max(half, 64)
  for (int i = 65; i < 129; ++i) list.Insert(i, U"x");
  EXPECT_EQ(list.Capacity(), 192u);
  list.Clear();
  EXPECT_EQ(list.Capacity(), 0u);
}

// A derived document may use a larger line record.
struct TaggedItem : TStringItem {
  int tag = 42;
};
class TaggedSource : public TMemoSource {
 protected:
  std::unique_ptr<TStringItem> GetStringItemClass() const override {
    return std::make_unique<TaggedItem>();
  }
};

TEST(LineRecords, LineTextCopiesOnWriteAndLineDataIsOptional) {
  TMemoSource source;
  source.LoadFromBytes("borrowed\nsecond");
  TStringItem& item = *source.GetLineItem(0);
  item.SetText(item.Text().substr(2, 4));  // a view of its own text
  EXPECT_EQ(item.Text(), U"rrow");
  item.SetText(item.Text().substr(1));  // now within its own buffer
  EXPECT_EQ(item.Text(), U"row");
  EXPECT_EQ(source.StoredLine(1), U"second");
  EXPECT_EQ(item.LineData(), "");
  item.SetLineData("data");
  EXPECT_EQ(item.LineData(), "data");
  item.SetLineData("");
  EXPECT_EQ(item.LineData(), "");
}

TEST(LineRecords, RecordsComeFromTheOverridableFactory) {
  TaggedSource source;
  source.LoadFromBytes("a\nb");
  source.Lines().Add(U"c");
  for (std::int32_t i = 0; i < 3; ++i)
    EXPECT_EQ(dynamic_cast<TaggedItem*>(source.GetLineItem(i))->tag, 42);
}

TEST(LineRecords, CopyTextToLeavesOutReadOnlyLinesWhenAsked) {
  TMemoSource source;
  Fill(source, {"a", "b", "c"});
  source.SetLineReadOnly(1, true);
  TStringList all;
  source.CopyTextTo(all, false);
  EXPECT_EQ(all.Count(), 3);
  source.SetOptions(source.Options() | TStringsOptions{soExcludeReadOnlyLines});
  source.CopyTextTo(all, false);
  EXPECT_EQ(all.Text(), U"a\r\nc");
  source.SelectRange(stStreamSel, 0, 1, 1, 2);
  source.CopyTextTo(all, true);
  EXPECT_EQ(all.Text(), U"c");
}

}  // namespace
}  // namespace qs
