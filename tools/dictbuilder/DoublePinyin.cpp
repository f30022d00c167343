#include "tools/dictbuilder/DoublePinyin.h"

#include <cstring>

namespace dictbuilder {

namespace {

struct KeyOf {
  const char* spelling;
  char key;
};

constexpr KeyOf kInitials[] = {
    {"zh", 'v'}, {"ch", 'i'}, {"sh", 'u'}, {"b", 'b'}, {"p", 'p'}, {"m", 'm'}, {"f", 'f'},
    {"d", 'd'},  {"t", 't'},  {"n", 'n'},  {"l", 'l'}, {"g", 'g'}, {"k", 'k'}, {"h", 'h'},
    {"j", 'j'},  {"q", 'q'},  {"x", 'x'},  {"r", 'r'}, {"z", 'z'}, {"c", 'c'}, {"s", 's'},
    {"y", 'y'},  {"w", 'w'},
};

constexpr KeyOf kFinals[] = {
    {"a", 'a'},    {"o", 'o'},    {"e", 'e'},    {"i", 'i'},   {"u", 'u'},   {"v", 'v'},
    {"ai", 'l'},   {"ei", 'z'},   {"ui", 'v'},   {"ao", 'k'},  {"ou", 'b'},  {"iu", 'q'},
    {"ie", 'x'},   {"ue", 't'},   {"ve", 't'},   {"an", 'j'},  {"en", 'f'},  {"in", 'n'},
    {"un", 'p'},   {"vn", 'p'},   {"ang", 'h'},  {"eng", 'g'}, {"ing", 'y'}, {"ong", 's'},
    {"ia", 'w'},   {"ua", 'w'},   {"uo", 'o'},   {"uai", 'y'}, {"iao", 'c'}, {"ian", 'm'},
    {"iang", 'd'}, {"uang", 'd'}, {"iong", 's'}, {"uan", 'r'}, {"van", 'r'},
};

// Syllables without an initial and how they are typed.
constexpr const char* kZeroInitial[][2] = {
    {"a", "aa"},  {"o", "oo"},  {"e", "ee"},   {"ai", "ai"},  {"ei", "ei"}, {"ao", "ao"},
    {"ou", "ou"}, {"an", "an"}, {"en", "en"},  {"ang", "ah"}, {"eng", "eg"}, {"er", "er"},
};

bool FinalKey(const std::string& final, char& key) {
  for (const KeyOf& f : kFinals) {
    if (final == f.spelling) {
      key = f.key;
      return true;
    }
  }
  return false;
}

}  // namespace

bool ZiranmaSyllableCode(const std::string& syllable, std::string& code) {
  for (const auto& zero : kZeroInitial) {
    if (syllable == zero[0]) {
      code = zero[1];
      return true;
    }
  }
  for (const KeyOf& initial : kInitials) {
    const size_t length = std::strlen(initial.spelling);
    if (syllable.compare(0, length, initial.spelling) != 0) continue;
    char finalKey;
    if (!FinalKey(syllable.substr(length), finalKey)) return false;
    code = {initial.key, finalKey};
    return true;
  }
  return false;
}

}  // namespace dictbuilder
