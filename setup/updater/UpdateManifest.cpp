#include "setup/updater/UpdateManifest.h"

namespace {

const std::size_t kMaxAddressLength = 1024;

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

bool IsWebAddress(const std::string& text) {
  if (text.empty() || text.size() > kMaxAddressLength) return false;
  for (char c : text) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  const std::string lower = Lower(text.substr(0, 8));
  return (lower.compare(0, 7, "http://") == 0 && text.size() > 7) ||
         (lower == "https://" && text.size() > 8);
}

bool ParseUpdateManifest(const char* bytes, std::size_t size, UpdateManifest* manifest) {
  if (!bytes || size > kMaxManifestBytes) return false;
  std::string text(bytes, size);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  bool hasVersion = false;
  bool hasPage = false;
  UpdateManifest result;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    const std::string key = Lower(Trimmed(line.substr(0, equals)));
    const std::string value = Trimmed(line.substr(equals + 1));
    if (key == "version") {
      hasVersion = ParseVersion(value, &result.version);
      if (!hasVersion) return false;
    } else if (key == "page") {
      hasPage = IsWebAddress(value);
      if (!hasPage) return false;
      result.page = value;
    }
  }
  if (!hasVersion || !hasPage) return false;
  *manifest = result;
  return true;
}
