// Prints the median and 95th-percentile time of ImeToAsciiEx for the first code letter of
// a code, measured inside the process on a real input context: warm (the dictionary
// connections kept from the keys before) and cold (every connection closed first, as after
// the idle close), beside the lookup floor measured in the same run (the two files opened,
// keyed, given a query that returns nothing, and closed). Then the memory the process holds
// with a connection open to every file a key reads.
//   bench_keys DICTIONARY_DIR [SAMPLES] [USER_PHRASES]
#include <windows.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ime/common/ImmDev.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/ReverseLookup.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/engine/PrivateRecord.h"
#include "ime/settings/Globals.h"
#include "tools/bench/BenchInstallation.h"
#include "tools/bench/BenchSupport.h"

extern "C" {
BOOL WINAPI ImeSelect(HIMC, BOOL);
UINT WINAPI ImeToAsciiEx(UINT, UINT, CONST LPBYTE, LPTRANSMSGLIST, UINT, HIMC);
}

namespace {

const char kEmptySql[] = "select hzcode,mbcode from lmt_zx limit 0";

struct TranslationList {
  UINT count;
  TRANSMSG entries[64];
};

UINT Key(HIMC himc, BYTE vk, char ch, TranslationList* list) {
  BYTE state[256] = {};
  list->count = 64;
  return ImeToAsciiEx(vk | (static_cast<BYTE>(ch) << 8), 0, state,
                      reinterpret_cast<LPTRANSMSGLIST>(list), 0, himc);
}

// The bytes allocated in every heap of the process (SQLite's among them), in KiB.
double HeapKiB() {
  HANDLE heaps[64];
  const DWORD count = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
  double bytes = 0;
  for (DWORD i = 0; i < count; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += static_cast<double>(entry.cbData);
    }
    HeapUnlock(heaps[i]);
  }
  return bytes / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  DictionaryBenchArguments arguments;
  if (!ReadDictionaryBenchArguments(argc, argv, "bench_keys", &arguments)) return 2;
  const BenchInstallation installation(arguments.dir, arguments.userPhrases);
  if (!installation.Ok()) return 1;
  const std::string& dir = installation.DictionaryDir();
  const int samples = arguments.samples;
  PrintUserDictionarySize(arguments.userPhrases);

  InitGlobals(GetModuleHandleA(nullptr));
  UseDictionaryDir(dir);
  globals.sxScheme = 0;
  globals.gb2312Only = 1;

  HWND window = CreateWindowA("STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HIMC himc = ImmCreateContext();
  ImmAssociateContext(window, himc);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  context->hPrivate = context->hPrivate ? ImmReSizeIMCC(context->hPrivate, kPrivateRecordSize)
                                        : ImmCreateIMCC(kPrivateRecordSize);
  context->hWnd = window;
  ImmUnlockIMC(himc);
  if (!ImeSelect(himc, TRUE)) {
    std::fprintf(stderr, "ImeSelect failed\n");
    return 1;
  }

  std::vector<double> warm, cold, floors;
  TranslationList list;
  const char* letters = "abcdefghijklmnopqrstuvwxy";
  auto typeLetter = [&](char letter) {
    Key(himc, static_cast<BYTE>('A' + (letter - 'a')), letter, &list);
  };
  auto clear = [&] {
    Key(himc, VK_ESCAPE, 27, &list);  // clears the code and closes the list
    Key(himc, VK_ESCAPE, 27, &list);  // ends the composition
  };
  // Not measured: the first key of a process opens the user dictionary for the first time.
  typeLetter('a');
  clear();
  for (int i = 0; i < samples; ++i) {
    const char letter = letters[i % 25];
    auto keys = [&] {
      typeLetter(letter);  // opens what the warm key reads
      clear();
      TimeInto(warm, [&] { typeLetter(letter); });
      clear();
      CloseHeldConnections();
      TimeInto(cold, [&] { typeLetter(letter); });
      clear();
    };
    auto floor = [&] {
      TimeInto(floors, [&] {
        EmptyQuery(dir + "lmtsys_" + letter + ".db", kEmptySql);
        EmptyQuery(dir + "lmtsys_User.db", kEmptySql);
      });
    };
    RunAlternately(i, keys, floor);
  }
  std::printf("%-7s %12s %12s %10s\n", "", "median", "p95", "p95/floor");
  for (const auto& [name, times] : {std::pair<const char*, std::vector<double>*>{"warm", &warm},
                                    {"cold", &cold},
                                    {"floor", &floors}}) {
    std::printf("%-7s %9.3f ms %9.3f ms %10.2f\n", name, Percentile(*times, 50),
                Percentile(*times, 95), Percentile(*times, 95) / Percentile(floors, 95));
  }
  std::printf("(%d first letters of a zx code, a to y in turn; warm: the connections of the"
              " key before kept; cold: every connection closed first; floor: the same two"
              " files opened, keyed, queried for nothing, closed)\n", samples);

  CloseHeldConnections();
  const double closed = HeapKiB();
  for (const char* letter = letters; *letter; ++letter) {
    typeLetter(*letter);
    clear();
  }
  PhraseCode({dir, CodeScheme::zx}, "中国");  // the reverse table
  const double held = HeapKiB();
  std::printf("memory held with %zu files open: %.0f KiB (heap bytes in use %.0f KiB with none,"
              " %.0f KiB with all; page cache bound %d KiB per connection)\n",
              HeldConnectionCount(), held - closed, closed, held, kHeldPageCacheKiB);
  ImeSelect(himc, FALSE);
  return 0;
}
