#include "ime/settings/WebSearchAddress.h"

#include "ime/common/PercentEncoding.h"
#include "ime/dictionary/CandidateText.h"

// The deployment's addresses: a Google search that reads and writes GB2312.
const char kWebSearchPrefix[] = "https://www.google.com/search?cx=&ie=GB2312&q=";
const char kWebSearchSuffix[] =
    "&siteurl=&adkw=&cof=&hl=zh-CN&oe=GB2312&safe=active&client=&channel=";
const char kSearchPageLink[] =
    "https://www.google.com/search?cx=&ie=GB2312&q=&sa=Search&hl=zh-CN&oe=GB2312&safe=active";
const char kHomePageLink[] = "https://lumatori.example.com/";
const char kTypingPracticeDownload[] = "https://lumatori.example.com/DownView.asp?ID=7";

std::string SearchQuery(std::string_view customPrefix, std::string_view text) {
  std::string base(customPrefix);
  base += text;
  const std::size_t display = RecordDisplayLength(base);
  return base.substr(0, display);
}

std::string WebSearchAddress(std::string_view query) {
  return kWebSearchPrefix + PercentEncode(query) + kWebSearchSuffix;
}

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    const char c = text[i];
    if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != start[i]) return false;
  }
  return true;
}

bool IsWebAddress(std::string_view address) {
  return StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://");
}

}  // namespace

std::string LinkAddress(std::string_view link, std::string_view query) {
  if (link == kSearchPageLink) return std::string(link);
  const std::string encoded = PercentEncode(query);
  std::string out;
  std::size_t i = 0;
  while (i < link.size()) {
    if (link[i] == '%' && i + 1 < link.size() && link[i + 1] == 's') {
      out += encoded;
      i += 2;
    } else {
      out += link[i++];
    }
  }
  return IsWebAddress(out) ? out : WebSearchAddress(query);
}
