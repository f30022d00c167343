// What every fuzz target shares: a property that must hold for every input; a breach
// aborts, so that libFuzzer reports it and keeps the input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

inline std::string_view InputText(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// True when length bytes from the start of text end on a character boundary, found by
// walking the characters from the start (a lead byte takes the next byte along).
inline bool EndsOnCharacter(std::string_view text, std::size_t length) {
  std::size_t at = 0;
  while (at < length) {
    const auto byte = static_cast<unsigned char>(text[at]);
    at += byte >= 0x81 && byte <= 0xFE ? 2 : 1;
  }
  return at == length;
}
