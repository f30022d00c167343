#include "ime/engine/FullWidthTable.h"

namespace {

// From Space (0x20) to "~" (0x7E), two bytes each. GBK holds most of these forms in row
// A3 at the ASCII code + 0x80, but ＄ and ～ elsewhere (A3A4 is ￥, A3FE is ￣).
constexpr char kForms[] =
    "　！＂＃＄％＆＇（）＊＋，－．／０１２３４５６７８９：；＜＝＞？"
    "＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ［＼］＾＿"
    "｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝～";
static_assert(sizeof kForms - 1 == 2 * (0x7E - 0x20 + 1));

}  // namespace

std::string_view FullWidthForm(unsigned char ch) {
  if (ch < 0x20 || ch > 0x7E) return {};
  return std::string_view(kForms + 2 * (ch - 0x20), 2);
}
