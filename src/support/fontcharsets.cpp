#include "support/fontcharsets.h"

#include <array>

namespace qs {

namespace {

constexpr std::array<IntIdent, 19> kCharsets = {{
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},
    {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},
    {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},
    {186, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
}};

}  // namespace

IntIdents CharsetIdents() {
  return kCharsets;
}

int CharsetIndex(int charset) {
  for (std::size_t i = 0; i < kCharsets.size(); ++i)
    if (kCharsets[i].value == charset) return static_cast<int>(i);
  return -1;
}

}  // namespace qs
