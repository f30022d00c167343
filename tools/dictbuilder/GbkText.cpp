#include "tools/dictbuilder/GbkText.h"

#ifdef _WIN32
#include <windows.h>

namespace dictbuilder {

bool Utf8ToGbk(const std::string& utf8, std::string& gbk) {
  gbk.clear();
  if (utf8.empty()) return true;
  const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                             static_cast<int>(utf8.size()), nullptr, 0);
  if (wideLength <= 0) return false;
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      &wide[0], wideLength);
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                         nullptr, 0, nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return false;
  gbk.assign(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, &gbk[0], length,
                      nullptr, &usedDefault);
  return !usedDefault;
}

}  // namespace dictbuilder

#else
#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace dictbuilder {

bool Utf8ToGbk(const std::string& utf8, std::string& gbk) {
  gbk.clear();
  // CP936 is glibc's name for the Windows code page (GBK with 0x80 as the euro sign).
  iconv_t cd = iconv_open("CP936", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP936");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* outPtr = &out[0];
  size_t outLeft = out.size();
  const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1) || inLeft != 0) return false;
  // A nonzero result counts irreversible conversions (substitutes): not representable.
  if (result != 0) return false;
  gbk.assign(out.data(), out.size() - outLeft);
  return true;
}
}  // namespace dictbuilder
#endif
