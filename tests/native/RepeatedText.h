// Long texts for the tests: a piece repeated.
#pragma once

#include <string>

inline std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}
