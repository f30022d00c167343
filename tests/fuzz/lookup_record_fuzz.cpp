// The candidate record of a dictionary row, and its store into the candidate pool: any
// text and display code, from a user or a system row, converted or not, where the
// conversion may hand back text of any length (as the system's may).
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ime/dictionary/CandidateMerge.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/VariantTable.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/hostile/HostileRows.h"

namespace {

std::string Traditional(const std::string& text) { return TableToTraditional(text); }
std::string Longer(const std::string& text) { return text + "\r" + text + text + "\r"; }
std::string Emptied(const std::string&) { return std::string(); }

const TextConverter kConverters[] = {nullptr, Traditional, Longer, Emptied};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool user = data[0] & 1;
  const TextConverter convert = kConverters[(data[0] >> 1) & 3];
  const std::vector<std::string_view> fields = Split(InputText(data + 1, size - 1), '\t');
  const std::string_view text = fields[0];
  const std::string_view code = fields.size() > 1 ? fields[1] : std::string_view();

  const std::string record = BuildCandidateRecord(text, code, user, convert);
  FUZZ_CHECK(record.size() < kCandidateRecordSize);
  FUZZ_CHECK(record[0] == (user ? '1' : '0'));
  // The display text never reaches past a carriage return nor 64 bytes, and is whole
  // characters; what follows it is empty or "\r" + code + "\r".
  const std::string_view after(record.data() + 1, record.size() - 1);
  const std::size_t display = after.find('\r') == std::string_view::npos ? after.size()
                                                                          : after.find('\r');
  FUZZ_CHECK(display <= kDisplayTextMax && EndsOnCharacter(after, display));
  FUZZ_CHECK(RecordDisplayLength(after) == display);
  if (display < after.size()) {
    FUZZ_CHECK(after.size() - display >= 2 && after.back() == '\r');
    FUZZ_CHECK(after.substr(display + 1, after.size() - display - 2).find('\r') ==
               std::string_view::npos);
  }
  if (!convert) FUZZ_CHECK(std::string_view(text).substr(0, display) == after.substr(0, display));

  std::vector<std::string> records;
  StoreCandidate({records, std::string_view(), {false, convert}}, text, code, user);
  static FencedCandidates candidates;
  CandidateList* list = candidates.List();
  FillCandidateList(list, candidates.pool.data(), records);
  if (text.empty()) {
    FUZZ_CHECK(list->dwCount == 0);
  } else {
    FUZZ_CHECK(list->dwCount == 1);
    const char* stored = CandidateRecordAt(candidates.pool.data(), list, 0);
    FUZZ_CHECK(stored != nullptr);
    FUZZ_CHECK(std::memcmp(stored, record.data(), record.size()) == 0 &&
               stored[record.size()] == '\0');
  }
  return 0;
}
