#include "ime/engine/PunctuationTable.h"

namespace {

struct Punctuation {
  char key;
  const char* output;
};

const Punctuation kFixed[] = {
    {'.', "。"}, {',', "，"}, {';', "；"}, {':', "："}, {'?', "？"}, {'!', "！"},
    {'(', "（"}, {')', "）"}, {'\\', "、"}, {'@', "·"}, {'&', "—"}, {'$', "￥"},
    {'_', "——"}, {'^', "……"},
};

// Each quote key alternates between its opening and closing mark.
std::string_view Toggle(std::uint32_t& open, const char* opening, const char* closing) {
  const char* output = open ? closing : opening;
  open = open ? 0 : 1;
  return output;
}

}  // namespace

std::string_view ChinesePunctuation(char key, PrivateRecord& record) {
  for (const Punctuation& entry : kFixed) {
    if (entry.key == key) return entry.output;
  }
  switch (key) {
    case '"':
      return Toggle(record.doubleQuoteOpen, "“", "”");
    case '\'':
      return Toggle(record.singleQuoteOpen, "‘", "’");
    case '<':
      // Inside an open 《 a further < opens the inner bracket 〈.
      if (record.angleOpen == 1) {
        ++record.angleDepth;
        return "〈";
      }
      record.angleOpen = 1;
      return "《";
    case '>':
      if (record.angleOpen == 1 && record.angleDepth != 0) {
        --record.angleDepth;
        return "〉";
      }
      record.angleOpen = 0;
      return "》";
    default:
      return {};
  }
}
