// The pictures drawn in an editor control's gutter: a named collection of
// glyphs, each shown beside the lines whose gutter-image bit of its index is
// set, and the bookmark digits mapped to the image that draws them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/geometry.h"
#include "support/collection.h"

namespace qs {

class IBitmapResources;
class TGutterImage;

// Gutter images are packed from the gutter's left edge or from its right.
enum class TGutterImgsAlign : std::uint8_t { iaLeft, iaRight };
using enum TGutterImgsAlign;
inline constexpr std::array<std::string_view, 2> kGutterImgsAlignNames = {"iaLeft", "iaRight"};

using TGutterImageClickEvent = std::function<void(TGutterImage&, std::int32_t line)>;

class TGutterImage : public TNamedCollectionItem {
 public:
  TGutterImage() = default;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TPersistent& source) override;

  // The picture's own see-through pixels are its transparent colour.
  const Bitmap& Glyph() const noexcept { return m_glyph; }
  void SetGlyph(Bitmap glyph);
  // 0..9 for the image of that bookmark digit; -1 for any other image.
  int BookmarkIndex() const noexcept { return m_bookmarkIndex; }
  void SetBookmarkIndex(int index);

  TGutterImageClickEvent OnClick;

 private:
  Bitmap m_glyph;
  int m_bookmarkIndex = -1;
};

class TQSGutterImages : public TOwnedCollection<TGutterImage> {
 public:
  TQSGutterImages() = default;

  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  // The image that draws bookmark number (1..10, 10 for the digit 0);
  // nullptr when none does.
  const TGutterImage* BookmarkImage(int number) const;
  // The digit table: for each digit, the position + 1 of the last image
  // carrying it, 0 for none.
  const std::array<int, 10>& DigitTable() const noexcept { return m_digits; }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  void RebuildDigitTable();
  std::array<int, 10> m_digits{};
};

// Fills images with the control's eleven defaults: "BreakPoint", then
// "Bookmark0" .. "Bookmark9" with their bookmark digits, from the shipped
// pictures "MEMO_BREAKPOINT" and "BIGBOOKMARK0" .. "BIGBOOKMARK9". A picture
// that cannot be loaded leaves its image empty (it is then not drawn).
void AddDefaultGutterImages(TQSGutterImages& images, const IBitmapResources& resources);

// The size a glyph is drawn in a row of lineHeight pixels: no higher than
// lineHeight - 1, the width scaled in proportion. Empty (0 x 0) for an empty
// glyph or a row too low to show one; never overflows.
[[nodiscard]] TSize ScaledGlyphSize(int glyphWidth, int glyphHeight, int lineHeight) noexcept;

}  // namespace qs
