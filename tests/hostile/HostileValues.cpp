#include "tests/hostile/HostileValues.h"

namespace {

// Pieces that end or change a literal, a pattern or an identifier, and GBK characters
// whose trail byte is a quote (0x27), a backslash (0x5C), "%" (0x25) or "_" (0x5F):
// 0x5C and 0x5F are real GBK trail bytes, 0x27 and 0x25 follow a lead byte only in damage.
const char* const kPieces[] = {
    "'",      "''",          "\"",        "\\",      "\\'",        "%",          "_",
    "%%",     "\\%",         "*",         "?",       "[",          "]",          ";",
    "--",     "/*",          "*/",        "\r",      "\n",         "\t",         "\x1A",
    "\x7F",   "\xFF",        "\x80",      "\x81\x27", "\x81\x5C",   "\x81\x25",   "\x81\x5F",
    "\xB0\x5C", "\xD6\x5F",  "\xFE\x27",  "\x81",    "中",         "国",         "，",
    "； ",    "a",           "zz",        "{",       " ",          "x' or '1'='1",
    "'); delete from lmt_sx; --",        "' || '",  "\" or \"\"=\"", "char(39)", "X'00'",
    "ESCAPE '\\'",           "like",      "glob",    "%s",         "$1",         "?1",
    "null",   "\xA1\xA1",    "\xAA\xFE",  "\xFE\xFE",
};
constexpr std::uint32_t kPieceCount = sizeof kPieces / sizeof kPieces[0];

}  // namespace

std::uint32_t HostileRandom::Next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

std::string HostileText(HostileRandom& random, std::size_t maxLength) {
  std::string text;
  const std::size_t pieces = 1 + random.Below(6);
  for (std::size_t i = 0; i < pieces && text.size() < maxLength; ++i) {
    if (random.OneIn(12)) {
      text += '\0';
    } else if (random.OneIn(4)) {
      text += static_cast<char>(random.Below(256));
    } else {
      text += kPieces[random.Below(kPieceCount)];
    }
  }
  // Longer than the dialogs allow, and now and then longer than any dictionary value may be
  // (kMaxValueBytes), but never near that limit, where the row's own bytes decide.
  if (random.OneIn(25)) {
    const std::size_t length = random.OneIn(3) ? 5000 + random.Below(1000) : 65 + random.Below(1500);
    text.append(length, "a'%_\\"[random.Below(5)]);
  }
  return text;
}

HostilePair HostilePhrase(std::uint32_t index) {
  HostileRandom random(index);
  // The index in the value keeps pairs of the series apart; it sits where a value's own
  // hostile bytes lie on both sides of it.
  const std::string tag = std::to_string(index);
  HostilePair pair;
  pair.code = HostileText(random, 8) + tag + HostileText(random, 8);
  pair.text = HostileText(random, 32) + "中" + tag + HostileText(random, 32);
  return pair;
}
