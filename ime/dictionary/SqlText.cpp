#include "ime/dictionary/SqlText.h"

// Everything here works byte by byte, which is sound for GBK text: SQLite's tokenizer ends
// a literal only at a quote (0x27), which is never part of a double-byte character (trail
// bytes lie in 0x40-0xFE), and comparisons of text are byte by byte.

std::string TextValue(const std::string& value) { return value.substr(0, value.find('\0')); }

std::string SqlQuote(const std::string& value) {
  std::string literal = "'";
  for (char c : TextValue(value)) {
    if (c == '\'') literal += '\'';
    literal += c;
  }
  literal += '\'';
  return literal;
}

BoundSql SqlPrefixRange(const std::string& column, const std::string& prefix) {
  // The least byte string above every string that starts with prefix: drop trailing 0xFF
  // bytes and raise the last byte left. None exists when nothing is left.
  const std::string lower = TextValue(prefix);
  std::string next = lower;
  while (!next.empty() && static_cast<unsigned char>(next.back()) == 0xFF) next.pop_back();
  if (next.empty()) return {"(" + column + " >= ?)", {lower}};
  next.back() = static_cast<char>(static_cast<unsigned char>(next.back()) + 1);
  return {"(" + column + " >= ? AND " + column + " < ?)", {lower, next}};
}
