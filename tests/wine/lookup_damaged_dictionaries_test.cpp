// Damaged copies of the shipped dictionaries looked up through the module's own lookup,
// word association and phrase-code paths: bytes flipped, truncated, the wrong key or none,
// zero length, a folder or nothing in the file's place, random bytes, and valid encrypted
// files (written with the builder's keyed-database code) whose rows hold NULLs, blobs,
// numbers, binary or huge text and codes longer than any buffer, or whose tables are not
// what the module expects. Every variant runs in a child process with the candidate pool
// fenced by guard bytes and, for some, allocations failing; the module must never crash,
// overrun or let anything but the access layer's error out. A few variants are also typed
// through the real module in an application's window. A reinstallation over a damaged
// user dictionary must keep it and recover what can be read of it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/ReverseLookup.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/TraditionalConversion.h"
#include "ime/engine/CandidateFill.h"
#include "ime/engine/EngineState.h"
#include "tests/hostile/HostileFigures.h"
#include "tests/hostile/HostileRows.h"
#include "tests/hostile/HostileValues.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/ImeTyping.h"
#include "tests/wine/support/IsolatedCases.h"
#include "tests/wine/support/TestRegistry.h"
#include "setup/dictpackage/UserDictionaryRecovery.h"
#include "tools/dictbuilder/DictionaryFiles.h"
#include "tools/dictbuilder/KeyedDatabase.h"

// Allocations fail while armed: C++ ones above a size (what a row of hostile size asks
// for where memory is short), SQLite's after a count. The largest C++ allocation of a lookup
// is kept: a row of hostile size must not make the application allocate its size.
std::atomic<std::size_t> failCxxAbove{0};
std::atomic<long> sqliteAllocationsLeft{-1};
std::atomic<std::size_t> largestAllocation{0};

void* operator new(std::size_t size) {
  const std::size_t limit = failCxxAbove.load();
  if (limit && size > limit) throw std::bad_alloc();
  if (size > largestAllocation.load()) largestAllocation = size;
  if (void* block = HeapAlloc(GetProcessHeap(), 0, size ? size : 1)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {

constexpr int kGuard = 32;
// More than any lookup needs: 999 rows of two cells of the longest dictionary value.
constexpr std::size_t kLargestLookupAllocation = 1 << 20;
constexpr unsigned char kGuardByte = 0xCD;
const char* const kRoles[] = {"lmtsys_a.db", "lmtsys_User.db", "lmtsys_ODD.db"};
constexpr int kMutations = 11;

std::string ShippedFile(const char* name) {
  std::string path = std::string(LMT_DICT_ROOT) + "/lumatoridb/" + name;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// SQLite's allocator, counting down to a failure while armed.
sqlite3_mem_methods sqliteDefault;
void* CountedMalloc(int size) {
  if (sqliteAllocationsLeft.load() == 0) return nullptr;
  if (sqliteAllocationsLeft.load() > 0) --sqliteAllocationsLeft;
  return sqliteDefault.xMalloc(size);
}
void* CountedRealloc(void* block, int size) {
  if (sqliteAllocationsLeft.load() == 0) return nullptr;
  if (sqliteAllocationsLeft.load() > 0) --sqliteAllocationsLeft;
  return sqliteDefault.xRealloc(block, size);
}
void InstallCountedAllocator() {
  sqlite3_config(SQLITE_CONFIG_GETMALLOC, &sqliteDefault);
  sqlite3_mem_methods counted = sqliteDefault;
  counted.xMalloc = CountedMalloc;
  counted.xRealloc = CountedRealloc;
  sqlite3_config(SQLITE_CONFIG_MALLOC, &counted);
}

// A valid encrypted file, written with the builder's own code, whose tables hold rows of
// every hostile kind (or are not the tables the module expects).
void WriteHostileFile(const std::string& path, const char* role, HostileRandom& random) {
  dictbuilder::KeyedDatabase db;
  dictbuilder::CreateKeyedDatabase(db, path);
  const bool reverse = std::strcmp(role, "lmtsys_ODD.db") == 0;
  for (const char* table : reverse ? std::vector<const char*>{"odd_sx", "odd_zx"}
                                   : std::vector<const char*>{"lmt_sx", "lmt_zx"}) {
    switch (random.Below(8)) {
      case 0:  // no such table: another name
        dictbuilder::Execute(db, CreateTableStatement(std::string(table) + "_old", "TEXT", "TEXT"));
        continue;
      case 1:  // one column only
        dictbuilder::Execute(db, std::string("create table ") + table + " (hzcode TEXT)");
        continue;
      case 2:  // a view of constants in the table's place
        dictbuilder::Execute(db, std::string("create view ") + table +
                                     " as select X'00FF' as hzcode, 12.5 as mbcode");
        continue;
      default:
        dictbuilder::Execute(db, CreateTableStatement(table, DeclaredType(random.Below(10)),
                                                      DeclaredType(random.Below(10))));
    }
    const char* const characters[] = {"中", "国", "人", "民", "的", "一"};
    const int rows = random.OneIn(10) ? 2500 : 1 + static_cast<int>(random.Below(60));
    dictbuilder::Execute(db, "begin");
    for (int i = 0; i < rows; ++i) {
      std::string code = reverse ? "" : "a";
      std::string text = reverse ? characters[random.Below(6)] : "中";
      switch (random.Below(12)) {
        case 0: code = "\x01"; break;                                  // NULL code
        case 1: text = "\x01"; break;                                  // NULL text
        case 2: text = "\x02" + HostileText(random, 40); break;        // blob
        case 3: code = "\x03" + std::to_string(random.Next()); break;  // integer
        case 4: text = "\x04" + std::to_string(random.Next()) + ".5"; break;  // real
        case 5: code += std::string(3000 + random.Below(1000), 'a'); break;  // beyond any buffer
        case 6: text += std::string(3000 + random.Below(1000), '\xB0'); break;
        case 7: text += HostileText(random, 200); break;              // binary, \r, zero bytes
        case 8: code += HostileText(random, 12); break;
        case 9: text = std::string(63 + random.Below(12), 'x'); break;  // around the record size
        default: code += std::string(random.Below(8), 'a' + random.Below(26)); break;
      }
      dictbuilder::Execute(db, InsertRowStatement(table, code, text));
    }
    dictbuilder::Execute(db, "commit");
  }
  dictbuilder::CloseKeyedDatabase(db);
}

// A valid file whose rows are far longer than any dictionary value may be.
void WriteHugeRows(const std::string& path, const char* role, HostileRandom& random) {
  dictbuilder::KeyedDatabase db;
  dictbuilder::CreateKeyedDatabase(db, path);
  const char* table = std::strcmp(role, "lmtsys_ODD.db") == 0 ? "odd_zx" : "lmt_zx";
  dictbuilder::Execute(db, CreateTableStatement(table, "TEXT", "TEXT"));
  {
    dictbuilder::PreparedStatement insert;
    dictbuilder::Prepare(db, std::string("insert into ") + table + " values(?, ?)", insert);
    const std::string huge((1 + random.Below(4)) << 20, '\xD6');
    for (int i = 0; i < 3; ++i) {
      dictbuilder::InsertTextRow(db, insert, random.OneIn(2) ? "a" : "a" + huge,
                                 random.OneIn(2) ? "中" : "中" + huge);
    }
  }
  dictbuilder::CloseKeyedDatabase(db);
}

// The file of one role damaged by one kind of mutation; the others stay as shipped. The
// damaged bytes are the shipped file's, or those of source when one is given.
void Damage(const std::string& path, const char* role, int mutation, HostileRandom& random,
            const std::string& source = "") {
  std::string bytes = ReadBytes(source.empty() ? ShippedFile(role) : source);
  switch (mutation) {
    case 0:  // bytes flipped, in the first pages or anywhere
      for (std::uint32_t n = 1 + random.Below(64); n > 0; --n) {
        const std::size_t span = random.OneIn(2) ? std::min<std::size_t>(bytes.size(), 8192)
                                                 : bytes.size();
        bytes[random.Below(static_cast<std::uint32_t>(span))] ^=
            static_cast<char>(1 + random.Below(255));
      }
      return WriteBytes(path, bytes);
    case 1:  // truncated, at a page boundary or anywhere
      bytes.resize(random.OneIn(2) ? (random.Below(static_cast<std::uint32_t>(bytes.size() / 4096)) * 4096)
                                   : random.Below(static_cast<std::uint32_t>(bytes.size())));
      return WriteBytes(path, bytes);
    case 2: {  // another key, or none
      WriteBytes(path, bytes);
      sqlite3* db = nullptr;
      sqlite3_open(path.c_str(), &db);
      sqlite3_key(db, kDictionaryPassword, kDictionaryKeyLength);
      const std::string other = random.OneIn(2) ? "" : "key" + std::to_string(random.Below(1000));
      sqlite3_rekey(db, other.data(), static_cast<int>(other.size()));
      sqlite3_close(db);
      return;
    }
    case 3: return WriteBytes(path, "");
    case 4: CreateDirectoryA(path.c_str(), nullptr); return;
    case 5: return;  // missing
    case 6:  // random bytes of some pages
      bytes.assign(4096 * (1 + random.Below(8)), '\0');
      for (char& c : bytes) c = static_cast<char>(random.Below(256));
      return WriteBytes(path, bytes);
    case 7: case 8: case 9: return WriteHostileFile(path, role, random);
    default: return WriteHugeRows(path, role, random);
  }
}

// The candidate pool fenced by guard bytes on both sides of every buffer.
class FencedPool {
public:
  FencedPool() {
    for (std::uint32_t k = 0; k < kMaxCandidates; ++k) {
      blocks_[k] = static_cast<char*>(std::malloc(kCandidateRecordSize + 2 * kGuard));
      std::memset(blocks_[k], kGuardByte, kCandidateRecordSize + 2 * kGuard);
      buffers_[k] = blocks_[k] + kGuard;
    }
  }
  char* const* Buffers() const { return buffers_; }
  // What is broken: a guard byte written, a record without its end, a list that points
  // elsewhere.
  std::vector<std::string> Check(const CandidateList* list) const {
    std::vector<std::string> broken;
    for (std::uint32_t k = 0; k < kMaxCandidates; ++k) {
      for (int i = 0; i < kGuard; ++i) {
        if (static_cast<unsigned char>(blocks_[k][i]) != kGuardByte ||
            static_cast<unsigned char>(blocks_[k][kGuard + kCandidateRecordSize + i]) != kGuardByte) {
          broken.push_back("overrun: buffer " + std::to_string(k) + " written past its end");
          return broken;
        }
      }
    }
    if (list->dwCount > kMaxCandidates) broken.push_back("overrun: list count");
    for (std::uint32_t k = 0; k < list->dwCount && k < kMaxCandidates; ++k) {
      const char* record = CandidateRecordAt(buffers_, list, k);
      if (record != buffers_[k] || !std::memchr(record, '\0', kCandidateRecordSize))
        broken.push_back("overrun: record " + std::to_string(k));
    }
    return broken;
  }

private:
  char* blocks_[kMaxCandidates];
  char* buffers_[kMaxCandidates];
};

struct Workspace {
  std::string install;  // holds lumatoridb\ with the three files
  std::string Dictionary(const char* name) const { return install + "lumatoridb\\" + name; }
};

// Restores the shipped files and damages the one of the variant.
void PrepareVariant(const Workspace& work, int variant) {
  HostileRandom random(static_cast<std::uint64_t>(variant));
  for (const char* role : kRoles) {
    const std::string path = work.Dictionary(role);
    RemoveDirectoryA(path.c_str());
    CopyFileA(ShippedFile(role).c_str(), path.c_str(), FALSE);
  }
  const char* role = kRoles[variant % 3];
  const std::string path = work.Dictionary(role);
  DeleteFileA(path.c_str());
  Damage(path, role, (variant / 3) % kMutations, random);
}

// Runs one lookup path; an exception other than the access layer's error is a fault.
template <typename Lookup>
void Guarded(std::vector<std::string>& broken, const char* what, bool accessErrorAllowed,
             Lookup lookup) {
  try {
    lookup();
  } catch (const ESQLiteException& error) {
    if (!accessErrorAllowed) broken.push_back(std::string("exception: ") + what + ": " + error.what());
  } catch (const std::exception& error) {
    broken.push_back(std::string("exception: ") + what + ": " + error.what());
  }
}

std::vector<std::string> LookUp(const Workspace& work, const FencedPool& pool, int variant) {
  std::vector<std::string> broken;
  HostileRandom random(static_cast<std::uint64_t>(variant) + 17);
  const DictionarySet dictionaries{work.install + "lumatoridb\\",
                                   variant % 2 ? CodeScheme::sx : CodeScheme::zx};
  const CandidateFilter filter{variant % 5 == 0, variant % 7 != 0 ? nullptr : ToTraditional};
  const bool failing = variant % 4 == 3;  // allocations fail in one variant of four
  std::vector<char> block(kCandidateInfoSize);
  InitCandidateInfo(block.data());
  CandidateList* list = CandidateListOf(block.data());
  for (const std::string& code : {std::string("a"), std::string("ab"), std::string("aaaa"),
                                  std::string(MaxCodeLength(dictionaries.scheme), 'a')}) {
    if (failing) {
      failCxxAbove = 64 * 1024;
      sqliteAllocationsLeft = static_cast<long>(random.Below(400));
    }
    list->dwCount = 0;
    largestAllocation = 0;
    Guarded(broken, "lookup", false, [&] {
      FillCandidateList(list, pool.Buffers(), LookupCandidates(code, dictionaries, filter).records);
    });
    const std::string committed = list->dwCount ? std::string(CandidateEntryText(list, 0).substr(0, 2)) : "中";
    Guarded(broken, "association", false,
            [&] { LookupAssociations("a", committed, dictionaries, filter); });
    Guarded(broken, "phrase code", true, [&] { PhraseCode(dictionaries, "中国人民的一中"); });
    failCxxAbove = 0;
    sqliteAllocationsLeft = -1;
    if (largestAllocation > kLargestLookupAllocation)
      broken.push_back("oversized allocation: " + std::to_string(largestAllocation) + " bytes");
    for (const std::string& fault : pool.Check(list)) broken.push_back(fault);
  }
  return broken;
}

int VariantCount() { return HostileScale(3 * kMutations * 6, 3 * kMutations * 37); }

Workspace ChildWorkspace(const std::string& dir) {
  Workspace work{dir + "\\"};
  CreateDirectoryA((work.install + "lumatoridb").c_str(), nullptr);
  return work;
}

// Typing through the real module in a window, with the dictionaries of one variant; the
// exit code is 0 when the process lived through it, and the window's text is left in
// typed.txt of the folder.
int TypeThroughTheModule(const std::string& dir, int variant) {
  const Workspace work = ChildWorkspace(dir);
  PrepareVariant(work, variant);
  SetString(kSettingsKeyPath, "SetupDir", work.install);
  SetDword(kSettingsKeyPath, "声型", static_cast<DWORD>(variant % 2));
  SetDword(kSettingsKeyPath, "词语联想", 1);
  for (const char* file : {"lumatori.ime", "lmtdbmanger.dll"})
    CopyFileA(BesideThisProgram(file).c_str(), SystemFile(file).c_str(), FALSE);
  const HKL layout = InstalledLayout(SystemFile("lumatori.ime"));
  HWND window = CreateWindowW(L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 200,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(window);
  SetFocus(window);
  Pump(200);
  if (!layout || !ActivateKeyboardLayout(layout, 0)) return 3;
  Pump(200);
  TypeLetters("aab");
  Press(VK_SPACE);
  TypeLetters("aaaa");
  Press(VK_SPACE);
  Press(VK_SPACE);
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  std::ofstream(dir + "\\typed.txt") << (text[0] ? "text" : "");
  DestroyWindow(window);
  return 0;
}

TEST(DamagedDictionariesTest, LookupsNeverCrashOverrunOrLetAnythingButTheLayersErrorOut) {
  TempFolder work;
  const int count = VariantCount();
  const IsolatedOutcome outcome =
      RunCasesIsolated("hostile_dictionaries.exe", count, work.Path().string());
  HostileFigures figures;
  figures.name = "dictionaries";
  figures["inputs"] = count;
  figures["crashes"] = outcome.crashes;
  figures["overruns"] = 0;
  figures["exceptions"] = 0;
  figures["oversized_allocations"] = 0;
  for (const std::string& failure : outcome.failures) {
    if (failure.find("oversized") != std::string::npos) ++figures["oversized_allocations"];
    if (failure.find("overrun") != std::string::npos) ++figures["overruns"];
    if (failure.find("exception") != std::string::npos) ++figures["exceptions"];
  }
  figures.Print();
  for (std::size_t i = 0; i < outcome.failures.size() && i < 30; ++i) ADD_FAILURE() << outcome.failures[i];
}

TEST(DamagedDictionariesTest, TheApplicationTypingThroughTheModuleKeepsRunning) {
  TempFolder work;
  HostileFigures figures;
  figures.name = "dictionaries_typed";
  figures["crashes"] = 0;
  const int count = HostileScale(4, 24);
  int withText = 0;
  for (int i = 0; i < count; ++i) {
    const int variant = i * 7 % VariantCount();
    const DWORD code = RunChild("\"" + BesideThisProgram("hostile_dictionaries.exe") + "\" --type " +
                                    std::to_string(variant) + " \"" + work.Path().string() + "\"",
                                "", 60000);
    if (code != 0) {
      ++figures["crashes"];
      ADD_FAILURE() << "variant " << variant << ": the application ended with 0x" << std::hex << code;
    }
    withText += !ReadBytes(work.File("typed.txt")).empty();
  }
  // Variants whose system file is intact commit what was typed: the keys reached the module.
  EXPECT_GT(withText, 0);
  figures["inputs"] = count;
  figures.Print();
  DeleteKeyTree(kSettingsKeyPath);
}

using Phrase = std::pair<std::string, std::string>;

// The phrases of a user dictionary as the access layer reads them; none when it cannot.
std::multiset<Phrase> StoredPhrases(const std::string& path) {
  std::multiset<Phrase> phrases;
  try {
    TSQLiteDatabase db(path, kDictionaryPassword);
    for (const char* table : {"lmt_sx", "lmt_zx"}) {
      const std::unique_ptr<TSQLiteTable> rows =
          db.Query(std::string("select mbcode, hzcode from ") + table);
      for (; !rows->AtEnd(); rows->MoveNext())
        phrases.insert({rows->FieldTextOrEmpty(0), rows->FieldTextOrEmpty(1)});
    }
  } catch (const ESQLiteException&) {
  }
  return phrases;
}

// A user dictionary of the user's phrases in both schemes, written whole at path.
void WritePhrases(const std::string& path, int count) {
  dictbuilder::WriteUserFile(path);
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  ExecRaw(db, "begin");
  for (int k = 0; k < count; ++k) {
    ExecRaw(db, std::string("insert into ") + (k % 2 ? "lmt_sx" : "lmt_zx") + " values('p" +
                    std::to_string(k) + "','词组" + std::to_string(k) + "')");
  }
  ExecRaw(db, "commit");
  sqlite3_close(db);
}

// A reinstallation over a user dictionary damaged as the suite damages files: one that
// fails to open or to check is moved aside untouched under a dated name beside it, a sound
// fresh one takes its place, and it holds phrases of the damaged one and no others; one
// that is sound is kept as it is.
TEST(DamagedDictionariesTest, ReinstallationKeepsADamagedUserDictionaryAndRecoversItsPhrases) {
  const std::string fresh = ReadBytes(ShippedFile("lmtsys_User.db"));
  const PayloadFile payload{"lumatoridb\\lmtsys_User.db", fresh.data(),
                            static_cast<DWORD>(fresh.size())};
  int movedAside = 0;
  long recoveredInAll = 0;
  for (int variant = 0; variant < HostileScale(2 * kMutations, 6 * kMutations); ++variant) {
    const int mutation = variant % kMutations;
    const std::string what = "mutation " + std::to_string(mutation) + ", variant " +
                             std::to_string(variant);
    TempFolder install;
    const std::string folder = install.File("lumatoridb\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string user = folder + "lmtsys_User.db";
    const std::string phrases = install.File("phrases.db");
    WritePhrases(phrases, 800);
    const std::multiset<Phrase> original = StoredPhrases(phrases);
    HostileRandom random(static_cast<std::uint64_t>(variant) + 1);
    Damage(user, "lmtsys_User.db", mutation, random, phrases);
    const bool sound = UserDictionaryIsSound(user);
    const std::string before = ReadBytes(user);

    const DictionaryInstallation done = InstallDictionaries(install.File(""), {payload});
    ASSERT_TRUE(done.written) << what;
    EXPECT_TRUE(UserDictionaryIsSound(user)) << what;
    if (sound) {
      EXPECT_EQ(done.damagedCopy, "") << what;
      if (mutation != 5) {
        EXPECT_EQ(ReadBytes(user), before) << what;
      }
      continue;
    }
    ++movedAside;
    ASSERT_EQ(done.damagedCopy.rfind(folder + "lmtsys_User.damaged-", 0), 0u) << what;
    const DWORD attributes = GetFileAttributesA(done.damagedCopy.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << what;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      EXPECT_EQ(ReadBytes(done.damagedCopy), before) << what;
    }
    const std::multiset<Phrase> recovered = StoredPhrases(user);
    EXPECT_EQ(recovered.size(), static_cast<std::size_t>(done.recovered)) << what;
    for (const Phrase& phrase : recovered)
      EXPECT_EQ(original.count(phrase), 1u) << what << ": " << phrase.first;
    recoveredInAll += done.recovered;
  }
  EXPECT_GT(movedAside, 0);
  EXPECT_GT(recoveredInAll, 0) << "no phrase of a damaged file was ever recovered";
}

// A second damaged user dictionary the same day is moved beside the first, never over it.
TEST(DamagedDictionariesTest, ASecondDamagedCopyOfTheDayKeepsTheFirst) {
  TempFolder install;
  const std::string folder = install.File("lumatoridb\\");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string user = folder + "lmtsys_User.db";
  WriteBytes(user, "first damaged file");
  const std::string first = MoveDamagedAside(user);
  WriteBytes(user, "second damaged file");
  const std::string second = MoveDamagedAside(user);
  ASSERT_NE(first, "");
  ASSERT_NE(second, "");
  EXPECT_NE(first, second);
  EXPECT_EQ(ReadBytes(first), "first damaged file");
  EXPECT_EQ(ReadBytes(second), "second damaged file");
}

}  // namespace

int main(int argc, char** argv) {
  // A child never runs the tests itself, whatever its command line: they would start
  // children of their own.
  if (argc > 1 && std::string(argv[1]) == "--type")
    return argc == 4 ? TypeThroughTheModule(argv[3], std::atoi(argv[2])) : 2;
  if (argc > 1 && std::string(argv[1]) == kCasesArgument) {
    if (argc != 5) return 2;
    InstallCountedAllocator();
    const Workspace work = ChildWorkspace(CasesFolder(argv));
    const FencedPool pool;
    return RunCasesInChild(argc, argv, VariantCount(), [&](int variant) {
      // Each variant's files take the place of the last one's, which Windows refuses while a
      // connection holds them: as after the idle close.
      CloseHeldConnections();
      PrepareVariant(work, variant);
      return LookUp(work, pool, variant);
    });
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
