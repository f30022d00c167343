// The bytes of a list file as the profile functions hand them over: a list of section or
// key names, values with blanks and control characters around them, the timeout number.
#include <cstring>
#include <string>

#include "ime/common/TrimText.h"
#include "ime/settings/ListFileText.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = InputText(data, size);
  // The names buffer exactly as long as the input: no terminator beyond it.
  const std::string buffer(input);
  std::size_t used = 0;
  for (const std::string& name : SplitNames(buffer.data(), buffer.size())) {
    FUZZ_CHECK(!name.empty() && name.find('\0') == std::string::npos);
    FUZZ_CHECK(buffer.compare(used, name.size(), name) == 0);
    used += name.size() + 1;

    const std::string trimmed = Trimmed(name);
    FUZZ_CHECK(name.find(trimmed) != std::string::npos);
    FUZZ_CHECK(trimmed.empty() || (static_cast<unsigned char>(trimmed.front()) > ' ' &&
                                   static_cast<unsigned char>(trimmed.back()) > ' '));
    int seconds = -1;
    if (ParseSeconds(trimmed, &seconds)) {
      FUZZ_CHECK(seconds >= 1 && seconds <= 86400);
      FUZZ_CHECK(trimmed.find_first_not_of("0123456789") == std::string::npos);
    } else {
      FUZZ_CHECK(seconds == -1);
    }
  }
  FUZZ_CHECK(used <= buffer.size() + 1);
  return 0;
}
