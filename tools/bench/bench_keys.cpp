// Prints the median and 95th-percentile time of ImeToAsciiEx for the first code letter of
// a code, measured inside the process on a real input context, beside the lookup floor
// measured in the same run (the two files opened, keyed, given a query that returns
// nothing, and closed).
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

  std::vector<double> keys, floors;
  TranslationList list;
  const char* letters = "abcdefghijklmnopqrstuvwxy";
  // Not measured: the first key of a process opens the user dictionary for the first time.
  Key(himc, 'A', 'a', &list);
  Key(himc, VK_ESCAPE, 27, &list);
  Key(himc, VK_ESCAPE, 27, &list);
  for (int i = 0; i < samples; ++i) {
    const char letter = letters[i % 25];
    auto key = [&] {
      TimeInto(keys, [&] { Key(himc, static_cast<BYTE>('A' + (letter - 'a')), letter, &list); });
      Key(himc, VK_ESCAPE, 27, &list);  // clears the code and closes the list
      Key(himc, VK_ESCAPE, 27, &list);  // ends the composition
    };
    auto floor = [&] {
      TimeInto(floors, [&] {
        EmptyQuery(dir + "lmtsys_" + letter + ".db", kEmptySql);
        EmptyQuery(dir + "lmtsys_User.db", kEmptySql);
      });
    };
    RunAlternately(i, key, floor);
  }
  std::printf("%-7s %12s %12s\n", "", "median", "p95");
  std::printf("%-7s %9.2f ms %9.2f ms\n", "key", Percentile(keys, 50), Percentile(keys, 95));
  std::printf("%-7s %9.2f ms %9.2f ms\n", "floor", Percentile(floors, 50), Percentile(floors, 95));
  std::printf("p95 ratio %.2f\n", Percentile(keys, 95) / Percentile(floors, 95));
  std::printf("(%d first letters of a zx code, a to y in turn; floor: the same two files opened,"
              " keyed, queried for nothing, closed)\n", samples);
  ImeSelect(himc, FALSE);
  return 0;
}
