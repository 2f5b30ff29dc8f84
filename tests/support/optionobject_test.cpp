#include "support/optionobject.h"

#include <gtest/gtest.h>

#include <bit>

#include "support/errors.h"
#include "support/propfixtures.h"

namespace qs {
namespace {

using namespace fixtures;

class TFixtureOptions : public TOptionExt {
 public:
  static constexpr std::uint32_t kDefaultOptions = 0x49F;
  static inline const std::string_view kOptionNames[] = {"o0", "o1", "o2", "o3", "o4",  "o5",
                                                         "o6", "o7", "o8", "o9", "o10", "o11"};

  static const ClassInfo& StaticClassInfo() {
    using T = TFixtureOptions;
    static const ClassInfo info(
        "TFixtureOptions", &TOptionExt::StaticClassInfo(),
        {Prop::Set<T>("Options", &T::Options, &T::SetOptions, kDefaultOptions, kOptionNames),
         Prop::String<T>("KeyMapping", &T::KeyMapping, &T::SetKeyMapping, U"Default"),
         Prop::Integer<T>("MarginPos", &T::MarginPos, &T::SetMarginPos, 80),
         Prop::Colour<T>("Color", &T::Color, &T::SetColor, clWindow),
         Prop::Boolean<T>("UseMonoFont", &T::UseMonoFont, &T::SetUseMonoFont, true),
         Prop::Enum<T>("Shape", &T::Shape, &T::SetShape, TShape::shDoubleLine, kShapeNames),
         Prop::Double<T>("Ratio", &T::Ratio, &T::SetRatio, 1.5),
         Prop::Char<T>("Marker", &T::Marker, &T::SetMarker, U'\0'),
         Prop::UInt32<T>("Flags", &T::Flags, &T::SetFlags, 0), Prop::Object<T>("Font", &T::Font),
         Prop::Collection<T>("Items", &T::Items)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "FixtureOptions\\"; }

  TFixtureOptions() {
    m_font.onChange = [this] { Changed(); };
    m_items.SetOnChange([this](TCollectionItem*) { Changed(); });
  }

  std::uint32_t Options() const { return m_options; }
  void SetOptions(std::uint32_t v) { m_options = v, Changed(); }
  const String& KeyMapping() const { return m_keyMapping; }
  void SetKeyMapping(const String& v) { m_keyMapping = v, Changed(); }
  int MarginPos() const { return m_marginPos; }
  void SetMarginPos(int v) { m_marginPos = v, Changed(); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { m_color = v, Changed(); }
  bool UseMonoFont() const { return m_useMonoFont; }
  void SetUseMonoFont(bool v) { m_useMonoFont = v, Changed(); }
  TShape Shape() const { return m_shape; }
  void SetShape(TShape v) { m_shape = v, Changed(); }
  double Ratio() const { return m_ratio; }
  void SetRatio(double v) { m_ratio = v, Changed(); }
  Char Marker() const { return m_marker; }
  void SetMarker(Char v) { m_marker = v, Changed(); }
  std::uint32_t Flags() const { return m_flags; }
  void SetFlags(std::uint32_t v) { m_flags = v, Changed(); }
  TFixtureFont& Font() { return m_font; }
  const TFixtureFont& Font() const { return m_font; }
  TFixtureItems& Items() { return m_items; }
  const TFixtureItems& Items() const { return m_items; }

  // Public for the tests, which play the part of a setter.
  using TOptionExt::Changed;

 protected:
  void ResetExtras() override { m_items.Add().SetName(U"Default item"); }

 private:
  // Deliberately not the table's defaults: ResetDefaults must set them.
  std::uint32_t m_options = 0;
  String m_keyMapping;
  int m_marginPos = 0;
  TColor m_color = clBlack;
  bool m_useMonoFont = false;
  TShape m_shape = TShape::shDotted;
  double m_ratio = 0;
  Char m_marker = U'x';
  std::uint32_t m_flags = 1;
  TFixtureFont m_font;
  TFixtureItems m_items;
};

// Adds a kind that the settings store cannot hold.
class TBlobOptions : public TFixtureOptions {
 public:
  static const ClassInfo& StaticClassInfo() {
    using T = TBlobOptions;
    static const ClassInfo info("TBlobOptions", &TFixtureOptions::StaticClassInfo(),
                                {Prop::Binary<T>("Data", &T::Data, &T::SetData)});
    return info;
  }
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  std::string RegistryPath() const override { return "BlobOptions"; }

  const ByteVector& Data() const { return m_data; }
  void SetData(const ByteVector& v) { m_data = v; }

 private:
  ByteVector m_data;
};

const std::string kKey = std::string(kApplicationKey) + "\\FixtureOptions";

void ExpectDefaults(const TFixtureOptions& o) {
  EXPECT_EQ(o.Options(), TFixtureOptions::kDefaultOptions);
  EXPECT_EQ(o.KeyMapping(), U"Default");
  EXPECT_EQ(o.MarginPos(), 80);
  EXPECT_EQ(o.Color(), clWindow);
  EXPECT_TRUE(o.UseMonoFont());
  EXPECT_EQ(o.Shape(), TShape::shDoubleLine);
  EXPECT_EQ(o.Ratio(), 1.5);
  EXPECT_EQ(o.Marker(), U'\0');
  EXPECT_EQ(o.Flags(), 0u);
  EXPECT_EQ(o.Font().Name(), U"Courier New");
  EXPECT_EQ(o.Font().Height(), -13);
  ASSERT_EQ(o.Items().Count(), 1);
  EXPECT_EQ(o.Items().Items(0).Name(), U"Default item");
}

void FillOptions(TFixtureOptions& o) {
  o.SetOptions(0x801);
  o.SetKeyMapping(U"Classic");
  o.SetMarginPos(-1);
  o.SetColor(clHighlight);
  o.SetUseMonoFont(false);
  o.SetShape(TShape::shSingleLine);
  o.SetRatio(-2.75);
  o.SetMarker(U'\u00B6');
  o.SetFlags(0xFFFFFFFEu);
  o.Font().SetName(U"Mono");
  o.Font().SetStyle(SetBit(TFontStyle::fsItalic));
  o.Items().Clear();
  o.Items().Add().SetName(U"One");
  TFixtureItem& two = o.Items().Add();
  two.SetName(U"Two");
  two.SetUseDefaultColor(false);
  two.SetColor(0x00ABCDEF);
}

void ExpectSameOptions(const TFixtureOptions& a, const TFixtureOptions& b) {
  EXPECT_EQ(a.Options(), b.Options());
  EXPECT_EQ(a.KeyMapping(), b.KeyMapping());
  EXPECT_EQ(a.MarginPos(), b.MarginPos());
  EXPECT_EQ(a.Color(), b.Color());
  EXPECT_EQ(a.UseMonoFont(), b.UseMonoFont());
  EXPECT_EQ(a.Shape(), b.Shape());
  EXPECT_EQ(a.Ratio(), b.Ratio());
  EXPECT_EQ(a.Marker(), b.Marker());
  EXPECT_EQ(a.Flags(), b.Flags());
  EXPECT_EQ(a.Font().Name(), b.Font().Name());
  EXPECT_EQ(a.Font().Style(), b.Font().Style());
  ASSERT_EQ(a.Items().Count(), b.Items().Count());
  for (int i = 0; i < a.Items().Count(); ++i) {
    EXPECT_EQ(a.Items().Items(i).Name(), b.Items().Items(i).Name());
    EXPECT_EQ(a.Items().Items(i).Color(), b.Items().Items(i).Color());
  }
}

class OptionObject : public ::testing::Test {
 protected:
  void SetUp() override { OptionRegistry::SetStore(&store); }
  void TearDown() override { OptionRegistry::Reset(); }

  // A registered instance with a counter of its broadcasts.
  TFixtureOptions& Registered() {
    TFixtureOptions& o = RegisteredOptions<TFixtureOptions>();
    if (!subscription.IsActive()) subscription = o.OnChanged([this] { ++broadcasts; });
    return o;
  }

  SettingsStore store;  // no file: kept in memory
  Subscription subscription;
  int broadcasts = 0;
};

TEST_F(OptionObject, ResetDefaultsRestoresEveryPropertySilently) {
  TFixtureOptions& o = Registered();
  FillOptions(o);
  broadcasts = 0;
  o.ResetDefaults();
  ExpectDefaults(o);
  EXPECT_EQ(broadcasts, 0);
  o.BeginUpdate();
  o.ResetDefaults();
  o.EndUpdate();
  EXPECT_EQ(broadcasts, 0);
}

TEST_F(OptionObject, SavedValuesLoadIntoAFreshObjectAsTheyWere) {
  TFixtureOptions saved;
  saved.ResetDefaults();
  FillOptions(saved);
  saved.SaveToRegistry(store);

  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey, "MarginPos"), RegValue::Int(-1));
  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey, "Flags"), RegValue::Int(-2));
  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey, "Color"),
            RegValue::Int(static_cast<std::int32_t>(clHighlight)));
  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey, "Options"), RegValue::Int(0x801));
  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey, "Marker"), RegValue::Int(0xB6));
  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey, "KeyMapping"), RegValue::Str(U"Classic"));
  const auto ratio = store.ReadValue(RootKey::CurrentUser, kKey, "Ratio");
  ByteVector ratioBytes;
  for (int i = 0; i < 8; ++i)
    ratioBytes.push_back(static_cast<std::uint8_t>(std::bit_cast<std::uint64_t>(-2.75) >> (8 * i)));
  EXPECT_EQ(ratio, RegValue::Bin(ratioBytes));
  EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, kKey + "\\Font", "Name"), RegValue::Str(U"Mono"));
  const auto items = store.ReadValue(RootKey::CurrentUser, kKey, "Items");
  ASSERT_TRUE(items);
  ASSERT_EQ(items->kind, RegKind::Binary);
  EXPECT_EQ(std::string(items->bytes.begin(), items->bytes.begin() + 18), "object TPersHolder");

  TFixtureOptions loaded;
  loaded.ResetDefaults();
  std::vector<std::string> problems;
  loaded.LoadFromRegistry(store,
                          [&](auto, std::string_view name, auto) { problems.emplace_back(name); });
  EXPECT_TRUE(problems.empty());
  ExpectSameOptions(saved, loaded);
}

TEST_F(OptionObject, AbsentValuesAndKeysKeepTheCurrentValues) {
  TFixtureOptions o;
  o.ResetDefaults();
  o.SetKeyMapping(U"Mine");
  o.LoadFromRegistry(store);  // no key at all
  EXPECT_EQ(o.KeyMapping(), U"Mine");

  store.WriteValue(RootKey::CurrentUser, kKey, "MarginPos", RegValue::Int(120));
  o.LoadFromRegistry(store);
  EXPECT_EQ(o.MarginPos(), 120);
  EXPECT_EQ(o.KeyMapping(), U"Mine");
  EXPECT_EQ(o.Font().Name(), U"Courier New");
  EXPECT_EQ(o.Items().Count(), 1);
}

TEST_F(OptionObject, UnusableValuesKeepTheDefaultsAndAreOnlyReported) {
  const struct {
    const char* key;
    const char* name;
    RegValue value;
  } bad[] = {
      {"", "MarginPos", RegValue::Str(U"120")},
      {"", "KeyMapping", RegValue::Int(3)},
      {"", "Ratio", RegValue::Bin({0, 0, 0, 0})},
      {"", "Shape", RegValue::Int(3)},
      {"", "Options", RegValue::Int(0x1000)},
      {"", "Marker", RegValue::Int(-1)},
      {"", "UseMonoFont", RegValue::Bin({0})},
      {"", "Items", RegValue::Bin({'n', 'o', 'p', 'e'})},
      {"", "Color", RegValue::Str(U"clRed")},
      {"\\Font", "Height", RegValue::Str(U"-20")},
  };
  for (const auto& b : bad) store.WriteValue(RootKey::CurrentUser, kKey + b.key, b.name, b.value);

  TFixtureOptions o;
  o.ResetDefaults();
  std::vector<std::string> problems;
  EXPECT_NO_THROW(o.LoadFromRegistry(
      store, [&](auto, std::string_view name, auto) { problems.emplace_back(name); }));
  ExpectDefaults(o);
  EXPECT_EQ(problems.size(), std::size(bad));
}

TEST_F(OptionObject, ChangedBroadcastsOnlyFromTheRegisteredInstance) {
  TFixtureOptions& o = Registered();
  broadcasts = 0;
  o.SetMarginPos(1);
  EXPECT_EQ(broadcasts, 1);
  o.Font().SetHeight(-20);  // a sub-object change counts
  EXPECT_EQ(broadcasts, 2);

  o.BeginUpdate();
  o.BeginUpdate();
  o.SetMarginPos(2);
  o.Items().Add();
  o.EndUpdate();
  EXPECT_EQ(broadcasts, 2);
  o.EndUpdate();
  EXPECT_EQ(broadcasts, 3);

  o.BeginUpdate();
  o.EndUpdate();  // nothing changed
  EXPECT_EQ(broadcasts, 3);

  TFixtureOptions other;
  other.ResetDefaults();
  other.SetMarginPos(7);
  o.Assign(other);  // many setters, one broadcast
  EXPECT_EQ(broadcasts, 4);
  EXPECT_EQ(o.MarginPos(), 7);

  store.WriteValue(RootKey::CurrentUser, kKey, "MarginPos", RegValue::Int(9));
  store.WriteValue(RootKey::CurrentUser, kKey, "Color", RegValue::Int(clRed));
  o.LoadFromRegistry(store);
  EXPECT_EQ(broadcasts, 5);

  int unregisteredHeard = 0;
  Subscription s = other.OnChanged([&] { ++unregisteredHeard; });
  other.SetMarginPos(8);
  EXPECT_EQ(unregisteredHeard, 0);
}

TEST_F(OptionObject, TheFirstUseResetsRunsTheHooksThenLoads) {
  store.WriteValue(RootKey::CurrentUser, kKey, "MarginPos", RegValue::Int(99));
  std::vector<std::string> seen;
  OptionRegistry::AddCreationHook([&](TOptionExt& created) {
    auto& o = static_cast<TFixtureOptions&>(created);
    seen.push_back(o.ClassName() + " " + std::to_string(o.MarginPos()));
    o.SetKeyMapping(U"From hook");
    o.SetMarginPos(5);
  });

  TFixtureOptions& o = RegisteredOptions<TFixtureOptions>();
  EXPECT_EQ(seen, std::vector<std::string>{"TFixtureOptions 80"});
  EXPECT_EQ(o.KeyMapping(), U"From hook");
  EXPECT_EQ(o.MarginPos(), 99);
  EXPECT_TRUE(o.IsRegistered());
  EXPECT_EQ(&RegisteredOptions<TFixtureOptions>(), &o);
  EXPECT_EQ(FindRegisteredOptions<TFixtureOptions>(), &o);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(FindRegisteredOptions<TBlobOptions>(), nullptr);

  OptionRegistry::Reset();
  EXPECT_EQ(FindRegisteredOptions<TFixtureOptions>(), nullptr);
}

TEST_F(OptionObject, AFailedCreationLeavesNothingRegistered) {
  int calls = 0;
  OptionRegistry::AddCreationHook([&](TOptionExt&) {
    if (++calls == 1) throw Error("hook failed");
  });
  EXPECT_THROW(RegisteredOptions<TFixtureOptions>(), Error);
  EXPECT_EQ(FindRegisteredOptions<TFixtureOptions>(), nullptr);
  TFixtureOptions& o = RegisteredOptions<TFixtureOptions>();
  EXPECT_TRUE(o.IsRegistered());
  EXPECT_EQ(calls, 2);
}

TEST_F(OptionObject, KindsTheStoreCannotHoldFailTheSaveBeforeWriting) {
  TBlobOptions o;
  o.ResetDefaults();
  try {
    o.SaveToRegistry(store);
    FAIL() << "a Binary property must not be saved";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "This type isn't supported by WriteToRegistry");
  }
  const std::string key = std::string(kApplicationKey) + "\\BlobOptions";
  EXPECT_FALSE(store.KeyExists(RootKey::CurrentUser, key));

  store.WriteValue(RootKey::CurrentUser, key, "Data", RegValue::Bin({1, 2}));
  store.WriteValue(RootKey::CurrentUser, key, "MarginPos", RegValue::Int(3));
  std::vector<std::string> messages;
  o.LoadFromRegistry(store, [&](auto, auto, std::string_view m) { messages.emplace_back(m); });
  EXPECT_TRUE(o.Data().empty());
  EXPECT_EQ(o.MarginPos(), 3);
  EXPECT_EQ(messages,
            std::vector<std::string>{"This type isn't supported by WriteToRegistry($0008)"});
}

}  // namespace
}  // namespace qs
