// Generated values that try to break a statement or a buffer: quotes, backslashes, "%" and
// "_", GBK characters whose trail byte is one of those, zero bytes, control characters,
// pieces of SQL and values longer than anything the dialogs allow. Deterministic: the same
// index always gives the same value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small generator of reproducible choices.
class HostileRandom {
public:
  explicit HostileRandom(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint32_t Next();
  std::uint32_t Below(std::uint32_t bound) { return bound ? Next() % bound : 0; }
  bool OneIn(std::uint32_t n) { return Below(n) == 0; }

private:
  std::uint64_t state_;
};

// A value built from hostile pieces; at most about maxLength bytes (longer pieces aside).
std::string HostileText(HostileRandom& random, std::size_t maxLength);

// A code and a text for the user dictionary, the index-th of the series: unlike any other
// of the series with a different index.
struct HostilePair {
  std::string code;
  std::string text;
};
HostilePair HostilePhrase(std::uint32_t index);
