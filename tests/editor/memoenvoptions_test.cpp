#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/colorstyles.h"
#include "editor/defaultstyles.h"
#include "editor/memoenvoptions.h"
#include "fakecontrol.h"
#include "support/registry.h"

namespace qs {
namespace {

using testing::FakeControl;

const std::string kKey = std::string(kApplicationKey) + "\\CodeEdit";

class MemoEnvOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { OptionRegistry::SetStore(&store); }
  void TearDown() override { OptionRegistry::Reset(); }

  void Write(const std::string& subKey, const char* name, const RegValue& value) {
    store.WriteValue(RootKey::CurrentUser, kKey + subKey, name, value);
  }
  std::optional<RegValue> Read(const std::string& subKey, const char* name) const {
    return store.ReadValue(RootKey::CurrentUser, kKey + subKey, name);
  }

  SettingsStore store;  // in memory only
};

void ExpectDefaults(TMemoEnvOptions& o) {
  EXPECT_EQ(o.Options(), 0x49Fu);
  EXPECT_EQ(o.KeyMapping(), U"Default");
  EXPECT_EQ(o.MarginPos(), 80);
  EXPECT_EQ(o.GutterWidth(), 32);
  EXPECT_EQ(o.GutterBrush().Color(), clBtnFace);
  EXPECT_EQ(o.GutterBrush().Style(), bsSolid);
  EXPECT_EQ(o.MarginPen().Color(), clGrayText);
  EXPECT_EQ(o.MarginPen().Width(), 1);
  EXPECT_EQ(o.MarginPen().Style(), psSolid);
  EXPECT_EQ(o.LineSeparator().Options(), 0u);
  EXPECT_EQ(o.LineSeparator().Pen().Color(), clGrayText);
  EXPECT_EQ(o.LineHighlight().Pen().Color(), clGrayText);
  EXPECT_EQ(o.LineHighlight().Brush().Color(), clBtnFace);
  EXPECT_FALSE(o.LineHighlight().Visible());
  EXPECT_EQ(o.LineHighlight().Shape(), shDoubleLine);
  EXPECT_EQ(o.Font().Name(), U"Courier New");
  EXPECT_EQ(o.Font().Size(), 10);
  EXPECT_EQ(o.Font().Color(), clBlack);
  EXPECT_EQ(o.Font().Style(), 0u);
  ASSERT_EQ(o.TextStyles().Count(), kDefaultStyleCount);
  for (int i = 0; i < kDefaultStyleCount; ++i)
    EXPECT_EQ(o.TextStyles().Items(i).Name(), DefaultStyleRows()[i].name);
  EXPECT_EQ(o.TextStyles().Items(2).Font().Style(), SetBit(fsItalic));
  EXPECT_EQ(o.Color(), clWindow);
  EXPECT_TRUE(o.UseMonoFont());
  EXPECT_EQ(o.ReadOnlyColor(), clWindow);
  EXPECT_EQ(o.SpecialSymbols().EOLString(), U"\u00B6");
  EXPECT_EQ(o.SpecialSymbols().EOFString(), U"_");
  EXPECT_EQ(o.SpecialSymbols().SpaceChar(), 0u);
  EXPECT_EQ(o.SpecialSymbols().TabChar(), 0u);
  EXPECT_EQ(o.ColorSchema(), U"");
}

void ChangeEverything(TMemoEnvOptions& o) {
  o.SetOptions(SetBit(moLineNumbers) | SetBit(moDrawSpecialSymbols));
  o.SetKeyMapping(U"Classic");
  o.SetMarginPos(100);
  o.SetGutterWidth(40);
  o.GutterBrush().SetColor(clAqua);
  o.MarginPen().SetColor(clRed);
  o.MarginPen().SetStyle(psDot);
  o.LineSeparator().SetOptions(SetBit(moDrawLineSeparator));
  o.LineSeparator().Pen().SetWidth(2);
  o.LineHighlight().SetVisible(true);
  o.LineHighlight().SetShape(shSingleLine);
  o.LineHighlight().Brush().SetColor(clYellow);
  o.Font().SetName(U"Liberation Mono");
  o.Font().SetHeight(-15);
  o.Font().SetStyle(SetBit(fsBold));
  o.TextStyles().Items(kMarkedBlockStyle).SetColor(clGreen);
  o.TextStyles().Items(3).SetUpperCase(true);
  o.SetColor(clSilver);
  o.SetUseMonoFont(false);
  o.SetReadOnlyColor(clGray);
  o.SpecialSymbols().SetEOLString(U"\u21B5");
  o.SpecialSymbols().SetSpaceChar(U'\u00B7');
  o.SetColorSchema(U"Ocean");
}

TEST_F(MemoEnvOptionsTest, PublishesItsPropertiesInOrderAndResetsToTheirDefaults) {
  std::vector<std::string> names;
  for (const PropInfo* p : TMemoEnvOptions::StaticClassInfo().Properties())
    names.push_back(p->name);
  EXPECT_EQ(names, (std::vector<std::string>{
                       "Options", "KeyMapping", "MarginPos", "GutterWidth", "GutterBrush",
                       "MarginPen", "LineSeparator", "LineHighlight", "Font", "TextStyles", "Color",
                       "UseMonoFont", "ReadOnlyColor", "SpecialSymbols", "ColorSchema"}));
  TMemoEnvOptions& o = MemoEnvOptions();
  ExpectDefaults(o);
  ChangeEverything(o);
  o.ResetDefaults();
  ExpectDefaults(o);
}

TEST_F(MemoEnvOptionsTest, SavedOptionsComeBackAtTheNextStart) {
  {
    TMemoEnvOptions saved;
    ChangeEverything(saved);
    saved.SaveToRegistry(store);
  }
  // The layout other tools read: sub-keys per object, the styles as text.
  EXPECT_EQ(Read("", "MarginPos"), RegValue::Int(100));
  EXPECT_EQ(Read("\\Font", "Name"), RegValue::Str(U"Liberation Mono"));
  for (const char* name : {"Charset", "Color", "Height", "Pitch", "Size", "Style"})
    EXPECT_TRUE(Read("\\Font", name)) << name;
  EXPECT_EQ(Read("\\LineHighlight", "Visible"), RegValue::Int(1));
  EXPECT_TRUE(Read("\\LineHighlight\\Pen", "Width"));
  EXPECT_TRUE(Read("\\LineHighlight\\Brush", "Color"));
  EXPECT_EQ(Read("\\SpecialSymbols", "EOLString"), RegValue::Str(U"\u21B5"));
  EXPECT_FALSE(Read("\\SpecialSymbols", "EOLStringBinary"));
  const std::optional<RegValue> styles = Read("", "TextStyles");
  ASSERT_TRUE(styles);
  ASSERT_EQ(styles->kind, RegKind::Binary);
  TMemoEnvOptions expected;
  ChangeEverything(expected);
  EXPECT_EQ(std::string(styles->bytes.begin(), styles->bytes.end()),
            ColorStylesText(expected.TextStyles()));

  TMemoEnvOptions& o = MemoEnvOptions();
  EXPECT_EQ(o.Options(), SetBit(moLineNumbers) | SetBit(moDrawSpecialSymbols));
  EXPECT_EQ(o.KeyMapping(), U"Classic");
  EXPECT_EQ(o.MarginPos(), 100);
  EXPECT_EQ(o.GutterWidth(), 40);
  EXPECT_EQ(o.GutterBrush().Color(), clAqua);
  EXPECT_EQ(o.MarginPen().Color(), clRed);
  EXPECT_EQ(o.MarginPen().Style(), psDot);
  EXPECT_EQ(o.LineSeparator().Options(), SetBit(moDrawLineSeparator));
  EXPECT_EQ(o.LineSeparator().Pen().Width(), 2);
  EXPECT_TRUE(o.LineHighlight().Visible());
  EXPECT_EQ(o.LineHighlight().Shape(), shSingleLine);
  EXPECT_EQ(o.LineHighlight().Brush().Color(), clYellow);
  EXPECT_EQ(o.Font().Name(), U"Liberation Mono");
  EXPECT_EQ(o.Font().Height(), -15);
  EXPECT_EQ(o.Font().Style(), SetBit(fsBold));
  EXPECT_EQ(o.TextStyles().Items(kMarkedBlockStyle).Color(), clGreen);
  EXPECT_TRUE(o.TextStyles().Items(3).UpperCase());
  EXPECT_EQ(o.Color(), clSilver);
  EXPECT_FALSE(o.UseMonoFont());
  EXPECT_EQ(o.ReadOnlyColor(), clGray);
  EXPECT_EQ(o.SpecialSymbols().EOLString(), U"\u21B5");
  EXPECT_EQ(o.SpecialSymbols().SpaceChar(), U'\u00B7');
  EXPECT_EQ(o.ColorSchema(), U"Ocean");
}

TEST_F(MemoEnvOptionsTest, UnusableStoredValuesLeaveTheDefaultsInPlace) {
  const std::string wrongClass = "object TPersHolder\r\n  P.Name = 'x'\r\nend\r\n";
  Write("", "TextStyles", RegValue::Bin({0x6F, 0x62, 0x6A, 0xFF, 0x00}));
  Write("", "Options", RegValue::Int(1 << 30));
  Write("", "Color", RegValue::Str(U"clRed"));
  Write("", "UseMonoFont", RegValue::Bin({1}));
  Write("\\Font", "Height", RegValue::Str(U"-20"));
  Write("\\Font", "Style", RegValue::Int(0x100));
  Write("\\LineHighlight", "Shape", RegValue::Int(7));
  Write("\\SpecialSymbols", "EOLString", RegValue::Str(String(100, U'x')));
  Write("\\SpecialSymbols", "TabChar", RegValue::Int(0xD800));
  ExpectDefaults(MemoEnvOptions());
  // Each of them is noticed, not merely missed.
  TMemoEnvOptions fresh;
  std::vector<std::string> problems;
  fresh.LoadFromRegistry(store,
                         [&](auto, std::string_view name, auto) { problems.emplace_back(name); });
  EXPECT_EQ(problems.size(), 9u);

  OptionRegistry::Reset();
  OptionRegistry::SetStore(&store);
  Write("", "TextStyles", RegValue::Bin(ByteVector(wrongClass.begin(), wrongClass.end())));
  ExpectDefaults(MemoEnvOptions());
}

TEST_F(MemoEnvOptionsTest, StoredNumbersAreClampedToUsableRanges) {
  const struct {
    const char* subKey;
    const char* name;
    std::int32_t stored;
    int (*read)(TMemoEnvOptions&);
    int expected;
  } cases[] = {
      {"", "MarginPos", 1 << 30, [](TMemoEnvOptions& o) { return o.MarginPos(); }, 1024},
      {"", "MarginPos", -3, [](TMemoEnvOptions& o) { return o.MarginPos(); }, 0},
      {"", "GutterWidth", -5, [](TMemoEnvOptions& o) { return o.GutterWidth(); }, 0},
      {"", "GutterWidth", 70000, [](TMemoEnvOptions& o) { return o.GutterWidth(); }, 1000},
      {"\\MarginPen", "Width", 5, [](TMemoEnvOptions& o) { return o.MarginPen().Width(); }, 2},
      {"\\LineSeparator\\Pen", "Width", 9,
       [](TMemoEnvOptions& o) { return o.LineSeparator().Pen().Width(); }, 2},
      {"\\LineHighlight\\Pen", "Width", -1,
       [](TMemoEnvOptions& o) { return o.LineHighlight().Pen().Width(); }, 1},
      {"\\Font", "Charset", 1000, [](TMemoEnvOptions& o) { return o.Font().Charset(); }, 255},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.subKey) + "\\" + c.name + " = " + std::to_string(c.stored));
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&store);
    store.Clear();
    Write(c.subKey, c.name, RegValue::Int(c.stored));
    EXPECT_EQ(c.read(MemoEnvOptions()), c.expected);
  }
  // A height and size that disagree: the size is read last and wins, clamped.
  OptionRegistry::Reset();
  OptionRegistry::SetStore(&store);
  store.Clear();
  Write("\\Font", "Height", RegValue::Int(-1 << 30));
  Write("\\Font", "Size", RegValue::Int(1 << 30));
  EXPECT_EQ(MemoEnvOptions().Font().Height(), -TMemoFont::kMaxHeight);
}

TEST_F(MemoEnvOptionsTest, AShortStoredStyleListIsCompletedFromTheDefaults) {
  TTextStyles three;
  while (three.Count() > 3) three.Delete(three.Count() - 1);
  three.Items(1).Font().SetColor(clFuchsia);
  const std::string text = ColorStylesText(three);
  Write("", "TextStyles", RegValue::Bin(ByteVector(text.begin(), text.end())));

  const TTextStyles& styles = MemoEnvOptions().TextStyles();
  ASSERT_EQ(styles.Count(), kDefaultStyleCount);
  EXPECT_EQ(styles.Items(1).Font().Color(), clFuchsia);
  EXPECT_EQ(styles.Items(kUrlStyle).Name(), U"Url");
  EXPECT_EQ(styles.Items(kMarkedBlockStyle).UpdateMemoColors(), mcSelection);
  EXPECT_EQ(styles.Items(kSearchMatchStyle).UpdateMemoColors(), mcSearchMatch);
}

TEST_F(MemoEnvOptionsTest, EveryChangeReachesEveryControlOnce) {
  TMemoEnvOptions& o = MemoEnvOptions();
  FakeControl first;
  auto second = std::make_unique<FakeControl>();
  const auto messagesFor = [&](auto&& change) {
    first.messages.clear();
    if (second) second->messages.clear();
    change();
    if (second) {
      EXPECT_EQ(second->messages, first.messages);
    }
    return first.messages.size();
  };
  EXPECT_EQ(messagesFor([&] { o.SetMarginPos(120); }), 1u);
  EXPECT_EQ(first.messages.front(), CM_MEMOOPTIONSCHANGED);
  EXPECT_EQ(messagesFor([&] { o.SetMarginPos(120); }), 0u);
  EXPECT_EQ(messagesFor([&] { o.LineSeparator().Pen().SetColor(clRed); }), 1u);
  EXPECT_EQ(messagesFor([&] { o.TextStyles().Items(4).SetColor(clLime); }), 1u);
  EXPECT_EQ(messagesFor([&] { o.Font().SetHeight(-20); }), 1u);
  EXPECT_EQ(messagesFor([&] { o.ResetDefaults(); }), 0u);

  // The working copy of the option pages: its own changes go nowhere, and
  // writing it back is one change.
  TMemoEnvOptions copy;
  EXPECT_EQ(messagesFor([&] { ChangeEverything(copy); }), 0u);
  EXPECT_EQ(messagesFor([&] { o.Assign(copy); }), 1u);
  EXPECT_EQ(o.KeyMapping(), U"Classic");

  second.reset();
  EXPECT_EQ(messagesFor([&] { o.SetGutterWidth(10); }), 1u);
  EXPECT_EQ(RegisteredControls().size(), 1u);
}

TEST_F(MemoEnvOptionsTest, ALaterInstanceStartsAsACopyOfTheRegisteredOne) {
  MemoEnvOptions().SetKeyMapping(U"Brief");
  MemoEnvOptions().TextStyles().Items(0).SetUpperCase(true);
  TMemoEnvOptions copy;
  EXPECT_EQ(copy.KeyMapping(), U"Brief");
  EXPECT_TRUE(copy.TextStyles().Items(0).UpperCase());
  EXPECT_FALSE(copy.IsRegistered());
}

TEST_F(MemoEnvOptionsTest, AControlFollowingTheGlobalOptionsMirrorsThem) {
  FakeControl follower;
  follower.useGlobalOptions = true;
  FakeControl independent;
  TMemoEnvOptions changed;
  changed.SetKeyMapping(U"Classic");
  changed.SetOptions(SetBit(moLineNumbers));
  changed.SetMarginPos(72);
  changed.MarginPen().SetColor(clRed);
  changed.Font().SetName(U"Liberation Mono");
  changed.Font().SetHeight(-16);
  changed.SetColor(clYellow);
  changed.SetUseMonoFont(false);
  changed.TextStyles().Items(2).Font().SetColor(clPurple);
  changed.TextStyles().Items(kMarkedBlockStyle).SetColor(clOlive);
  follower.metricRecomputes = 0;
  MemoEnvOptions().Assign(changed);

  EXPECT_EQ(follower.KeyMapping(), U"Classic");
  EXPECT_EQ(follower.Options(), SetBit(moLineNumbers));
  EXPECT_EQ(follower.MarginPos(), 72);
  EXPECT_EQ(follower.MarginPen().Color(), clRed);
  EXPECT_EQ(follower.Color(), clYellow);
  EXPECT_FALSE(follower.UseMonoFont());
  EXPECT_EQ(follower.Font().Name(), U"Liberation Mono");
  EXPECT_EQ(follower.selBackColor, clOlive);
  const TTextStyle& comment = follower.Style(2);
  EXPECT_EQ(comment.Font().Color(), clPurple);
  EXPECT_EQ(comment.Font().Name(), U"Liberation Mono");
  EXPECT_EQ(comment.Font().Height(), -16);
  // Backgrounds that follow the control follow its new colour.
  EXPECT_EQ(follower.Style(0).Color(), clYellow);
  // One bracket: the metrics are recomputed once for the whole copy.
  EXPECT_EQ(follower.messages.size(), 1u);
  EXPECT_EQ(follower.metricRecomputes, 1);

  EXPECT_EQ(independent.MarginPos(), 80);
  EXPECT_EQ(independent.messages.size(), 1u);
}

}  // namespace
}  // namespace qs
