// SQL-breaking values through the user-phrase operations, the lookup and association
// statements and the word-registration entry points, against a model of the user table.
// Every value must be stored and found exactly, match no row it should not, and never
// change a statement: after each operation the table must hold exactly the model's rows.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <imm.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/CandidateRecord.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"
#include "ime/dictionary/UserPhrases.h"
#include "tests/hostile/HostileFigures.h"
#include "tests/hostile/HostileValues.h"
#include "tests/native/lookup_dictionaries.h"

// The word-registration entry points of the module.
extern "C" {
BOOL WINAPI ImeRegisterWord(LPCSTR, DWORD, LPCSTR);
BOOL WINAPI ImeUnregisterWord(LPCSTR, DWORD, LPCSTR);
UINT WINAPI ImeGetRegisterWordStyle(UINT, LPSTYLEBUFA);
UINT WINAPI ImeEnumRegisterWord(REGISTERWORDENUMPROCA, LPCSTR, DWORD, LPCSTR, LPVOID);
}

namespace {

using Pair = std::pair<std::string, std::string>;
using Rows = std::vector<Pair>;

// Rows no value may touch, among them the ones a broken quote or pattern would reach.
const Rows kSentinels = {{"a", "中"}, {"%", "%"}, {"_", "_"}, {"'", "'"}, {"\\", "\\"},
                         {"", "空"},  {"zz", ""}, {"a%", "中%"}};

int calledBack = 0;

int CALLBACK CountCallBack(LPCSTR, DWORD, LPCSTR, LPVOID) {
  ++calledBack;
  return 1;
}

Rows StoredRows(const std::string& path) {
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  sqlite3_stmt* select = nullptr;
  sqlite3_prepare_v2(db, "select mbcode, hzcode from lmt_sx order by rowid", -1, &select, nullptr);
  Rows rows;
  const auto cell = [&](int column) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_blob(select, column));
    return std::string(bytes ? bytes : "", static_cast<size_t>(sqlite3_column_bytes(select, column)));
  };
  while (sqlite3_step(select) == SQLITE_ROW) rows.emplace_back(cell(0), cell(1));
  sqlite3_finalize(select);
  sqlite3_close(db);
  return rows;
}

std::string IntegrityCheck(const std::string& path) {
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  sqlite3_stmt* check = nullptr;
  sqlite3_prepare_v2(db, "pragma integrity_check", -1, &check, nullptr);
  std::string result = sqlite3_step(check) == SQLITE_ROW
                           ? reinterpret_cast<const char*>(sqlite3_column_text(check, 0))
                           : "no result";
  sqlite3_finalize(check);
  sqlite3_close(db);
  return result;
}

class SqlValuesDriver {
public:
  explicit SqlValuesDriver(const TempFolder& folder)
      : path_(folder.File("lmtsys_User.db")), dictionaries_{folder.File(""), CodeScheme::sx} {
    std::vector<DictionaryRow> rows;
    for (const Pair& row : kSentinels) rows.push_back({row.second, row.first});
    AddDictionaryTable(path_, "lmt_sx", rows);
    AddDictionaryTable(path_, "lmt_zx", {});
    model_ = kSentinels;
    figures_.name = "sql_values";
    for (const char* count : {"inputs", "statements_changed", "phrases_lost",
                              "integrity_failures"})
      figures_[count] = 0;
  }

  void TryValue(std::uint32_t index) {
    index_ = index;
    ++figures_["inputs"];
    const HostilePair value = HostilePhrase(index);
    Add(value);
    Found(value);
    Lookups(value);
    ThroughRegistration(value);
    if (index % 3 == 1) Change(value, HostilePhrase(index + 1000000));
    if (index % 5 == 2) Delete(value);
    Compare("at the end");
  }

  void Finish() {
    if (IntegrityCheck(path_) != "ok") ++figures_["integrity_failures"];
    figures_.Print();
  }

  const HostileFigures& Figures() const { return figures_; }

private:
  // A value longer than a dictionary value may be fails every statement it is in with the
  // access layer's error; a row of two values too long together fails its insert.
  static bool ValueTooLong(const Pair& pair) {
    return pair.first.size() > kMaxValueBytes || pair.second.size() > kMaxValueBytes;
  }
  static bool TooLong(const Pair& pair) {
    return ValueTooLong(pair) || pair.first.size() + pair.second.size() + 16 > kMaxValueBytes;
  }
  static Pair Effective(const HostilePair& value) {
    return {TextValue(value.code), TextValue(value.text)};
  }
  bool Stored(const Pair& pair) const {
    return std::find(model_.begin(), model_.end(), pair) != model_.end();
  }

  void Fault(const std::string& what) {
    if (++figures_["statements_changed"] <= 20) ADD_FAILURE() << "value " << index_ << ": " << what;
  }

  // Runs an operation that must not raise, or must raise the access layer's error alone
  // when the value is too long for the dictionary; the result of the operation or false.
  template <typename Operation>
  bool Run(const std::string& what, bool tooLong, Operation operation) {
    try {
      const bool result = operation();
      if (tooLong) Fault(what + ": a value too long for the dictionary was taken");
      return result;
    } catch (const ESQLiteException& error) {
      if (!tooLong) Fault(what + " raised: " + error.what());
      return false;
    }
  }

  void Add(const HostilePair& value) {
    const Pair pair = Effective(value);
    const bool empty = pair.first.empty() || pair.second.empty();
    const bool tooLong = !empty && TooLong(pair);
    const bool expected = !empty && !tooLong && !Stored(pair);
    PhraseRefusal refusal = PhraseRefusal::kNone;
    const bool added = Run("add", tooLong, [&] {
      refusal = AddUserPhrase(dictionaries_, {value.code, value.text});
      return refusal == PhraseRefusal::kNone;
    });
    if (added != expected) Fault("add answered " + std::to_string(added));
    if (added) model_.push_back(pair);
    const PhraseRefusal expectedRefusal = empty ? PhraseRefusal::kIncomplete
                                          : tooLong || added ? PhraseRefusal::kNone
                                                             : PhraseRefusal::kAlreadyStored;
    if (refusal != expectedRefusal) Fault("add: not the expected refusal");
    Compare("add");
  }

  // The pair is found, and pairs that differ from it by one byte or one quote are not.
  void Found(const HostilePair& value) {
    const Pair pair = Effective(value);
    const std::vector<Pair> probes = {
        pair, {pair.first + "'", pair.second}, {pair.first, pair.second + "%"},
        {pair.first, pair.second.substr(0, pair.second.size() / 2)}, {"_", pair.second}};
    for (const Pair& probe : probes) {
      const bool tooLong = ValueTooLong(probe);
      const bool found =
          Run("exists", tooLong, [&] {
            return UserPhraseExists(dictionaries_, {probe.first, probe.second});
          });
      if (!tooLong && found != Stored(probe)) Fault("exists answered " + std::to_string(found));
    }
  }

  // The code lookup for the code's first letters and the association for the text list
  // exactly the stored rows that begin with them.
  void Lookups(const HostilePair& value) {
    const Pair pair = Effective(value);
    const std::string typed = pair.first.substr(0, 8);
    if (!typed.empty() && !TooLong(pair)) {
      std::vector<std::string> expected;
      for (const Pair& row : model_) {
        if (row.first.compare(0, typed.size(), typed) == 0 && !row.second.empty())
          expected.push_back(BuildCandidateRecord(row.second, row.first.substr(typed.size()),
                                                  true, nullptr));
      }
      CompareRecords("lookup", expected,
                     LookupCandidates(typed, dictionaries_, kNoFilter).records);
    }
    if (!pair.second.empty() && !TooLong(pair)) {
      std::vector<std::string> expected;
      for (const Pair& row : model_) {
        if (row.second.compare(0, pair.second.size(), pair.second) == 0 &&
            row.second != pair.second)
          expected.push_back(BuildCandidateRecord(row.second, "", true, nullptr));
      }
      CompareRecords("association", expected,
                     LookupAssociations("a", pair.second, dictionaries_, kNoFilter).records);
    }
  }

  void CompareRecords(const std::string& what, std::vector<std::string> expected,
                      std::vector<std::string> listed) {
    if (expected.size() >= kMaxCandidateRecords) return;  // the list holds only the first ones
    std::sort(expected.begin(), expected.end());
    std::sort(listed.begin(), listed.end());
    if (listed != expected) Fault(what + " listed " + std::to_string(listed.size()) +
                                  " candidates, not " + std::to_string(expected.size()));
  }

  // The registration entry points answer 0 and change nothing.
  void ThroughRegistration(const HostilePair& value) {
    const Pair pair = Effective(value);
    STYLEBUFA styles[2] = {};
    std::memset(styles, 0x5A, sizeof styles);
    STYLEBUFA untouched[2];
    std::memcpy(untouched, styles, sizeof styles);
    const int answers =
        ImeRegisterWord(pair.first.c_str(), IME_REGWORD_STYLE_EUDC, pair.second.c_str()) +
        ImeUnregisterWord(pair.first.c_str(), IME_REGWORD_STYLE_EUDC, pair.second.c_str()) +
        static_cast<int>(ImeGetRegisterWordStyle(2, styles)) +
        static_cast<int>(ImeEnumRegisterWord(CountCallBack, pair.first.c_str(), 0,
                                             pair.second.c_str(), nullptr));
    if (answers != 0 || calledBack != 0 || std::memcmp(styles, untouched, sizeof styles) != 0)
      Fault("a registration entry point did something");
  }

  void Change(const HostilePair& from, const HostilePair& to) {
    const Pair old = Effective(from), now = Effective(to);
    const bool empty = now.first.empty() || now.second.empty();
    const bool tooLong = !empty && (TooLong(now) || ValueTooLong(old));
    const bool expected = !empty && !tooLong && !Stored(now);
    const bool changed = Run("change", tooLong, [&] {
      return ChangeUserPhrase(dictionaries_, {from.code, from.text}, {to.code, to.text}) ==
             PhraseRefusal::kNone;
    });
    if (changed != expected) Fault("change answered " + std::to_string(changed));
    if (changed) {
      model_.erase(std::remove(model_.begin(), model_.end(), old), model_.end());
      model_.push_back(now);
    }
    Compare("change");
  }

  void Delete(const HostilePair& value) {
    const Pair pair = Effective(value);
    const bool tooLong = ValueTooLong(pair);
    Run("delete", tooLong, [&] {
      DeleteUserPhrase(dictionaries_, {value.code, value.text});
      return true;
    });
    if (!tooLong) model_.erase(std::remove(model_.begin(), model_.end(), pair), model_.end());
    Compare("delete");
  }

  // The table against the model: a row the model lacks is a changed statement, a model row
  // the table lacks a lost phrase.
  void Compare(const std::string& when) {
    const Rows stored = StoredRows(path_);
    if (stored == model_) return;
    long lost = 0;
    for (const Pair& row : model_)
      if (std::count(stored.begin(), stored.end(), row) < std::count(model_.begin(), model_.end(), row))
        ++lost;
    figures_["phrases_lost"] += lost;
    Fault("the table differs from the model " + when + " (" + std::to_string(stored.size()) +
          " rows, " + std::to_string(model_.size()) + " expected)");
    model_ = stored;  // go on from what is stored, to count each fault once
  }

  static constexpr CandidateFilter kNoFilter{false, nullptr};

  std::string path_;
  DictionarySet dictionaries_;
  std::uint32_t index_ = 0;
  Rows model_;
  HostileFigures figures_;
};

TEST(SqlValuesTest, EveryValueIsStoredAndFoundExactlyAndChangesNoStatement) {
  TempFolder folder;
  SqlValuesDriver driver(folder);
  const int count = HostileScale(150, 1200);
  for (int index = 0; index < count; ++index) driver.TryValue(static_cast<std::uint32_t>(index));
  driver.Finish();
  EXPECT_EQ(driver.Figures().Faults(), 0);
}

}  // namespace
