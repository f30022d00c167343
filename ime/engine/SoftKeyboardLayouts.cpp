#include "ime/engine/SoftKeyboardLayouts.h"

#include <cstring>

namespace {

constexpr std::size_t kRowBytes = 2 * kSoftKeyCount;

constexpr char kBlankRow[] =
    "                                                                                                ";
static_assert(sizeof kBlankRow - 1 == kRowBytes);

struct LayoutRows {
  const char* normal;
  const char* shifted;
};

// In the order of the soft keyboard menu. The keys of a row: Space, "0"-"9", "A"-"Z", then
// ; = , - . / ` [ \ ] ' (virtual keys 0xBA-0xC0, 0xDB-0xDE). Two spaces: no character.
const LayoutRows kLayouts[kSoftKeyboardLayoutCount] = {
    // 1280 ＰＣ键盘
    {"　０１２３４５６７８９ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ；＝，－．／｀［＼］＇",
     "　）！＠＃＄％＾＆＊（ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ：＋＜＿＞？～｛｜｝＂"},
    // 1281 希腊字母
    {"　                    κχυμγνξοθπρ  ωψι  αδλεηφβτζσ                      ",
     "                      ΚΧΥΜΓΝΞΟΘΠΡ  ΩΨΙ  ΑΔΛΕΗΦΒΤΖΣ                      "},
    // 1282 俄文字母
    {"　                    лъшнвопржстуьызиагмдёщбчецф  э  юя  й  кх",
     "                      ЛЪШНВОПРЖСТУЬЫЗИАГМДЁЩБЧЕЦФ  Э  ЮЯ  Й  КХ"},
    // 1283 注音符号
    {"　ㄦㄉ    ㄓ    ㄚㄞㄢㄇㄖㄏㄎㄍㄑㄕㄘㄛㄨㄜㄠㄩㄙㄟㄣㄆㄐㄋㄔㄧㄒㄊ  ㄗㄈㄤ  ㄝ  ㄡㄥㄅ        ",
     kBlankRow},
    // 1284 拼    音
    {"　                    ē  ǔěǎè  īǒíǐìǘǖò  āàé  óùáúōū    ǚ  ǜü  ê      ",
     kBlankRow},
    // 1285 日文平假名
    {"　  ぃぅぇぉかきくけこなもむぬすねのはつひふへゅゃってさせにそちめしみたまほ  ょんゎをぁと  ゐゑ",
     "    いうえおがぎぐげごぱろるぷずぺぽぼづびぶべゆや  でざぜぴぞぢれじりだらぼ  よ  わ  あど      "},
    // 1286 日文片假名
    {"　ケィゥヴェォカヵキクナモムヌスネノハツヒフヘュャッテサセニソチメシミタマホコョヶヮヲァトンヰヱ",
     "  ゲイウ  エオガ  ギグパロルプズペポバヅビブベユヤ  デザゼピゾヂレジリダラボゴヨ  ワ  アド      "},
    // 1287 标点符号
    {"　ˉ，、；：？！…—·〔（【〈“〉《》∶「」『［）＂＇‘”〕々‖】’〗～〖』¨］ˇ｛｝。｀〃｜．",
     kBlankRow},
    // 1288 数字序号
    {"　ⅪⅡⅢⅣⅤⅥⅦⅧⅨⅩ㈠⑸⑶㈢⒊㈣㈤㈥⒏㈦㈧㈨⑺⑹⒐⒑⒈⒋㈡⒌⒎⑷⒉⑵⒍⑴㈩  ⑻Ⅻ⑼⑽Ⅰ        ",
     "                      ①⒂⒀③⒔④⑤⑥⒙⑦⑧⑨⒄⒃⒚⒛⒒⒕②⒖⒘⒁⒓⑿⒗⑾⑩  ⒅  ⒆⒇          "},
    // 1289 数学符号
    {"　  ≡≠＝≤≥＜＞≮≯∧⊙∠∑－∏∪∩∫∈  ∵∽≌∮∝±×∨÷  ⌒＋∥／⊥∴    ∷√  ≈∞      ",
     kBlankRow},
    // 1290 单位符号
    {"　¤°′″＄￡￥‰％℃百  毫万二亿兆吉七太拍艾    八九○三千四六微一厘五分      ￠      十      ",
     "                      佰      贰      柒          捌玖零叁仟肆陆  壹  伍                拾      "},
    // 1291 制表符
    {"　┄┍┎┏┐┑┒┓  ─┬╀┾┮┞┯┰┱┣┲┳  ╂╁  │├┟┭┠┢┿┝┽┡┼    ╃┈    ┌┆  ┊  ",
     "  ┅┕┖┗┘┙┚┛  ━┴╈╆┶┦┷┸┹┫┺┻  ╊╉  ┃┤┧┵┨┪╇┥╅┩╄    ╋┉    └┇  ┋  "},
    // 1292 特殊符号
    {"　                    ■＾＠▲☆※→←◇↑↓〓￣＿◆□§★△○◎＼№＆●＃                      ",
     kBlankRow},
};

}  // namespace

int SoftKeyIndex(unsigned virtualKey) {
  if (virtualKey >= '0' && virtualKey <= '9') return 1 + static_cast<int>(virtualKey - '0');
  if (virtualKey >= 'A' && virtualKey <= 'Z') return 11 + static_cast<int>(virtualKey - 'A');
  if (virtualKey >= 0xBA && virtualKey <= 0xBF) return 37 + static_cast<int>(virtualKey - 0xBA);
  if (virtualKey == 0xC0) return 43;
  if (virtualKey >= 0xDB && virtualKey <= 0xDE) return 44 + static_cast<int>(virtualKey - 0xDB);
  return 0;
}

std::string_view SoftKeyEntry(unsigned layout, bool shifted, int key) {
  if (layout >= kSoftKeyboardLayoutCount || key < 0 || key >= kSoftKeyCount) return "  ";
  const char* row = shifted ? kLayouts[layout].shifted : kLayouts[layout].normal;
  // A row shorter than 48 entries (which the tests rule out) must not be read past its end.
  if (std::strlen(row) != kRowBytes) return "  ";
  return std::string_view(row + 2 * key, 2);
}
