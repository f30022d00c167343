// What the fuzz targets share: a property that must hold for every input (a breach aborts,
// so that libFuzzer reports it and keeps the input), and the candidate pool.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "ime/dictionary/CandidateRecord.h"
#include "ime/engine/CandidateFill.h"
#include "ime/engine/CandidateList.h"

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

// A candidate information block and the candidate pool, one heap block of the record size
// per buffer, so that a write past a record is caught.
struct FencedCandidates {
  std::vector<std::unique_ptr<char[]>> buffers;
  std::vector<char*> pool;
  std::unique_ptr<char[]> block{new char[kCandidateInfoSize]};
  FencedCandidates() {
    for (std::uint32_t k = 0; k < kMaxCandidates; ++k) {
      buffers.emplace_back(new char[kCandidateRecordSize]);
      pool.push_back(buffers.back().get());
    }
  }
  // The emptied list.
  CandidateList* List() {
    InitCandidateInfo(block.get());
    return CandidateListOf(block.get());
  }
};
