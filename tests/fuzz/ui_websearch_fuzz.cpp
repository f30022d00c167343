// The web-search address builder over any custom search string, text and list-file link.
//
// Input: "PREFIX<TAB>TEXT<TAB>LINK".
#include <string>
#include <vector>

#include "ime/common/PercentEncoding.h"
#include "ime/settings/WebSearchAddress.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/hostile/HostileRows.h"

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The bytes back from an encoded query; every byte must be unreserved or a %XX.
std::string Decoded(const std::string& encoded) {
  std::string bytes;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const char c = encoded[i];
    if (c != '%') {
      FUZZ_CHECK((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '-' || c == '.' || c == '_' || c == '~');
      bytes += c;
      continue;
    }
    FUZZ_CHECK(i + 2 < encoded.size() && HexValue(encoded[i + 1]) >= 0 &&
               HexValue(encoded[i + 2]) >= 0);
    bytes += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
    i += 2;
  }
  return bytes;
}

bool IsWebAddress(const std::string& address) {
  std::string start = address.substr(0, 8);
  for (char& c : start) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return start.compare(0, 7, "http://") == 0 || start == "https://";
}

std::size_t PatternCount(std::string_view link) {
  std::size_t count = 0;
  for (std::size_t at = link.find("%s"); at != std::string_view::npos; at = link.find("%s", at + 2))
    ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> fields = Split(InputText(data, size), '\t');
  const std::string_view prefix = fields[0];
  const std::string_view text = fields.size() > 1 ? fields[1] : std::string_view();
  const std::string_view link = fields.size() > 2 ? fields[2] : std::string_view();

  const std::string query = SearchQuery(prefix, text);
  FUZZ_CHECK(query.size() <= 64 && EndsOnCharacter(query, query.size()));
  FUZZ_CHECK((std::string(prefix) + std::string(text)).compare(0, query.size(), query) == 0);

  const std::string encoded = PercentEncode(query);
  FUZZ_CHECK(Decoded(encoded) == query);
  FUZZ_CHECK(WebSearchAddress(query) == kWebSearchPrefix + encoded + kWebSearchSuffix);

  // A link opens as itself with the query in place of each "%s", and only as a web
  // address: anything else searches the web for the query.
  const std::string address = LinkAddress(link, query);
  if (link == kSearchPageLink) {
    FUZZ_CHECK(address == link);
  } else if (address != WebSearchAddress(query)) {
    FUZZ_CHECK(IsWebAddress(address));
    FUZZ_CHECK(address.size() == link.size() + PatternCount(link) * encoded.size() -
                                     PatternCount(link) * 2);
  }
  return 0;
}
