#include "editor/gutterimages.h"

#include <algorithm>
#include <string>

#include "platform/bitmapresources.h"

namespace qs {

const ClassInfo& TGutterImage::StaticClassInfo() {
  using T = TGutterImage;
  static const ClassInfo info(
      "TGutterImage", &TNamedCollectionItem::StaticClassInfo(),
      {Prop::Integer<T>("BookmarkIndex", &T::BookmarkIndex, &T::SetBookmarkIndex, -1)});
  return info;
}

void TGutterImage::Assign(const TPersistent& source) {
  TNamedCollectionItem::Assign(source);
  if (const auto* image = dynamic_cast<const TGutterImage*>(&source)) {
    m_glyph = image->m_glyph;
    OnClick = image->OnClick;
    Changed();
  }
}

void TGutterImage::SetGlyph(Bitmap glyph) {
  m_glyph = std::move(glyph);
  Changed();
}

void TGutterImage::SetBookmarkIndex(int index) {
  index = index >= 0 && index <= 9 ? index : -1;
  if (index == m_bookmarkIndex) return;
  m_bookmarkIndex = index;
  Changed();
}

const ClassInfo& TQSGutterImages::StaticClassInfo() {
  static const ClassInfo info("TQSGutterImages", &TCollection::StaticClassInfo(), {});
  return info;
}

void TQSGutterImages::Update(TCollectionItem* item) {
  RebuildDigitTable();
  TOwnedCollection<TGutterImage>::Update(item);
}

void TQSGutterImages::RebuildDigitTable() {
  m_digits.fill(0);
  for (int i = 0; i < Count(); ++i) {
    const int digit = Items(i).BookmarkIndex();
    if (digit >= 0 && digit <= 9) m_digits[static_cast<std::size_t>(digit)] = i + 1;
  }
}

const TGutterImage* TQSGutterImages::BookmarkImage(int number) const {
  if (number < 1 || number > 10) return nullptr;
  const int position = m_digits[static_cast<std::size_t>(number % 10)];
  if (position <= 0 || position > Count()) return nullptr;
  return &Items(position - 1);
}

void AddDefaultGutterImages(TQSGutterImages& images, const IBitmapResources& resources) {
  images.BeginUpdate();
  TGutterImage& breakPoint = images.Add();
  breakPoint.SetName(U"BreakPoint");
  if (auto glyph = resources.Load("MEMO_BREAKPOINT")) breakPoint.SetGlyph(std::move(*glyph));
  for (int digit = 0; digit <= 9; ++digit) {
    TGutterImage& bookmark = images.Add();
    bookmark.SetName(U"Bookmark" + String(1, static_cast<Char>(U'0' + digit)));
    bookmark.SetBookmarkIndex(digit);
    if (auto glyph = resources.Load("BIGBOOKMARK" + std::to_string(digit)))
      bookmark.SetGlyph(std::move(*glyph));
  }
  images.EndUpdate();
}

TSize ScaledGlyphSize(int glyphWidth, int glyphHeight, int lineHeight) noexcept {
  if (glyphWidth <= 0 || glyphHeight <= 0 || lineHeight <= 1) return {0, 0};
  const int height = std::min(glyphHeight, lineHeight - 1);
  const std::int64_t width = static_cast<std::int64_t>(glyphWidth) * height / glyphHeight;
  if (width <= 0) return {0, 0};
  return {static_cast<int>(width), height};
}

}  // namespace qs
