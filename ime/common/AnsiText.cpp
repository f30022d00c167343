#include "ime/common/AnsiText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

#ifdef _WIN32

std::string AnsiToUtf8(const std::string& ansi) {
  if (ansi.empty()) return std::string();
  const int ansiLength = static_cast<int>(ansi.size());
  // Without MB_ERR_INVALID_CHARS invalid bytes become the default character.
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, nullptr, 0);
  if (wideLength <= 0) return std::string();
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, wide.data(), wideLength);
  const int utf8Length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (utf8Length <= 0) return std::string();
  std::string utf8(static_cast<size_t>(utf8Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr,
                      nullptr);
  return utf8;
}

bool Utf16ToAnsi(std::u16string_view wide, std::string& ansi) {
  ansi.clear();
  if (wide.empty()) return true;
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  BOOL guessed = FALSE;
  const int ansiLength = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, length,
                                             nullptr, 0, nullptr, &guessed);
  if (ansiLength <= 0 || guessed) return false;
  ansi.resize(static_cast<size_t>(ansiLength));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, units, length, ansi.data(), ansiLength,
                      nullptr, &guessed);
  return !guessed;
}

#else

namespace {

const char kReplacementUtf8[] = "\xEF\xBF\xBD";  // U+FFFD

// Used only when the system has no GBK converter: ASCII passes, other bytes are replaced.
std::string AsciiOnlyToUtf8(const std::string& ansi) {
  std::string utf8;
  for (char c : ansi) {
    if (static_cast<unsigned char>(c) < 0x80)
      utf8 += c;
    else
      utf8 += kReplacementUtf8;
  }
  return utf8;
}

}  // namespace

std::string AnsiToUtf8(const std::string& ansi) {
  iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) return AsciiOnlyToUtf8(ansi);

  std::string input = ansi;
  char* in = input.data();
  size_t inLeft = input.size();
  std::string utf8;
  char buffer[256];
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    utf8.append(buffer, static_cast<size_t>(out - buffer));
    if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
    // An invalid byte (EILSEQ) is replaced and skipped; a character cut off at the end
    // (EINVAL) is replaced as a whole.
    utf8 += kReplacementUtf8;
    if (error == EILSEQ) {
      ++in;
      --inLeft;
    } else {
      inLeft = 0;
    }
  }
  iconv_close(converter);
  return utf8;
}

bool Utf16ToAnsi(std::u16string_view wide, std::string& ansi) {
  ansi.clear();
  iconv_t converter = iconv_open("GBK", "UTF-16LE");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string input;
  for (char16_t unit : wide) {
    input += static_cast<char>(unit & 0xFF);
    input += static_cast<char>(unit >> 8);
  }
  char* in = input.data();
  size_t inLeft = input.size();
  bool converted = true;
  char buffer[256];
  while (inLeft > 0 && converted) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    ansi.append(buffer, static_cast<size_t>(out - buffer));
    converted = result != static_cast<size_t>(-1) || error == E2BIG;
  }
  iconv_close(converter);
  return converted;
}

#endif
