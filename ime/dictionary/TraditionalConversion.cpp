#include "ime/dictionary/TraditionalConversion.h"

#include <windows.h>

#include <cstring>

#include "ime/dictionary/VariantTable.h"

namespace {

constexpr LCID kChineseSimplifiedLocale = 2052;

// The output buffer holds twice the input's UTF-16 units and a zero byte; the result is
// the zero-terminated text written into it. A failed call leaves the text as it is.
std::string MapWithSystem(const std::string& text, DWORD flags) {
  if (text.empty()) return text;
  const int length = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(936, 0, text.data(), length, nullptr, 0);
  std::string output(2 * static_cast<size_t>(units) + 1, '\0');
  if (LCMapStringA(kChineseSimplifiedLocale, flags, text.data(), length, output.data(),
                   static_cast<int>(output.size())) <= 0)
    return text;
  output.resize(std::strlen(output.c_str()));
  return output;
}

// Whether the system converts a character that the table knows ("国" / "國").
bool SystemConverts(DWORD flags, const char* probe) {
  return MapWithSystem(probe, flags) != probe;
}

}  // namespace

std::string ToTraditional(const std::string& text) {
  static const bool system = SystemConverts(LCMAP_TRADITIONAL_CHINESE, "国");
  return system ? MapWithSystem(text, LCMAP_TRADITIONAL_CHINESE) : TableToTraditional(text);
}

std::string ToSimplified(const std::string& text) {
  static const bool system = SystemConverts(LCMAP_SIMPLIFIED_CHINESE, "國");
  return system ? MapWithSystem(text, LCMAP_SIMPLIFIED_CHINESE) : TableToSimplified(text);
}
