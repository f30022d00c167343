// Prints the time from a key to the painted candidate window as a user meets it: the first
// letter of a code sent with SendInput to a real EDIT control, through the input method
// manager and the installed module, timed until the candidate window's WM_PAINT has been
// dispatched. Beside it, measured in the same run in alternating order, the platform's floor:
// a letter the module passes on (English mode) into the same EDIT, timed until the EDIT's
// WM_PAINT has returned. Then the first key after the module's idle close of its dictionary
// connections (IDLE_KEYS keys, each after the process sat idle past the close); also the
// time of the candidate window's paint alone, and how often it paints for one key.
// One line per scheme and layout: the module reads the scheme when a process loads it, so
// each line is measured by a process of its own (the program started again with --measure).
// With BEFORE_FOLDER (a folder holding another build's lumatori.ime and lmtdbmanger.dll),
// each line is measured for that module too, in the same run.
//   bench_paint DICTIONARY_DIR [SAMPLES] [USER_PHRASES] [IDLE_KEYS] [BEFORE_FOLDER]
#include <windows.h>

#include <imm.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/wine/support/ImeTyping.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"
#include "tools/bench/BenchInstallation.h"
#include "tools/bench/BenchSupport.h"

namespace {

constexpr double kKeyTimeoutMs = 2000;
constexpr double kSettleMs = 30;
// Past the module's idle limit (30 s) and its check period (5 s).
constexpr double kIdleMs = 36000;

struct Pumped {
  int paints = 0;
  double firstPaintEnd = 0;   // when the candidate window's first WM_PAINT was dispatched
  double firstPaintTime = 0;  // how long that dispatch took
};

// When the EDIT's last WM_PAINT returned: it may paint inside a message it is sent, not
// only from the queue.
WNDPROC editProcedure = nullptr;
double editPaintEnd = 0;

LRESULT CALLBACK TimedEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcW(editProcedure, window, message, wParam, lParam);
  if (message == WM_PAINT) editPaintEnd = NowMs();
  return result;
}

bool IsCandidateWindow(HWND window) {
  char name[32] = {};
  return GetClassNameA(window, name, sizeof name) && std::strcmp(name, "ImeCandCompime_Mz") == 0;
}

// Dispatches the thread's messages until the clock reaches until or, with stopAtPaint, until
// the candidate window's first WM_PAINT has been dispatched.
Pumped PumpUntil(double until, bool stopAtPaint) {
  Pumped pumped;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      const bool candidatePaint = msg.message == WM_PAINT && IsCandidateWindow(msg.hwnd);
      const double start = NowMs();
      DispatchMessageW(&msg);
      if (!candidatePaint) continue;
      const double end = NowMs();
      if (++pumped.paints == 1) {
        pumped.firstPaintEnd = end;
        pumped.firstPaintTime = end - start;
      }
      if (stopAtPaint) return pumped;
    }
    const double left = until - NowMs();
    if (left <= 0) return pumped;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::ceil(left)), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
}

void Settle() { PumpUntil(NowMs() + kSettleMs, false); }

void Tap(WORD vk) {
  SendKey(vk, false);
  SendKey(vk, true);
  Settle();
}

struct KeyFigures {
  double toPaint = 0;
  double paint = 0;
  int paints = 0;
  bool painted = false;
};

// A letter the module passes on, timed to the EDIT's paint; then taken out again, untimed.
double PassedKeyToPaint(char letter) {
  const WORD vk = static_cast<WORD>(letter - 'a' + 'A');
  Settle();
  editPaintEnd = 0;
  const double start = NowMs();
  SendKey(vk, false);
  for (const double until = start + kKeyTimeoutMs; editPaintEnd == 0 && NowMs() < until;) {
    PumpUntil(std::min(until, NowMs() + 1), false);
  }
  const double toPaint = editPaintEnd - start;
  SendKey(vk, true);
  Settle();
  Tap(VK_BACK);
  return editPaintEnd == 0 ? -1 : toPaint;
}

void SetConversionMode(HWND edit, DWORD mode) {
  HIMC himc = ImmGetContext(edit);
  DWORD conversion = 0, sentence = 0;
  ImmGetConversionStatus(himc, &conversion, &sentence);
  ImmSetConversionStatus(himc, mode, sentence);
  ImmReleaseContext(edit, himc);
  Settle();
}

// True when no process holds file open: it can be opened without sharing.
bool Unheld(const std::string& file) {
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

// One first letter, timed to the candidate window's paint; the code is then cleared and the
// composition ended (two Esc), untimed.
KeyFigures KeyToPaint(char letter) {
  const WORD vk = static_cast<WORD>(letter - 'a' + 'A');
  Settle();
  KeyFigures figures;
  const double start = NowMs();
  SendKey(vk, false);
  const Pumped key = PumpUntil(start + kKeyTimeoutMs, true);
  figures.painted = key.paints > 0;
  figures.toPaint = key.firstPaintEnd - start;
  figures.paint = key.firstPaintTime;
  SendKey(vk, true);
  figures.paints = key.paints + PumpUntil(NowMs() + kSettleMs, false).paints;
  Tap(VK_ESCAPE);
  Tap(VK_ESCAPE);
  return figures;
}

bool HasRows(const std::string& file, const std::string& table) {
  if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  sqlite3* db = OpenKeyed(file);
  sqlite3_stmt* statement = nullptr;
  const bool rows = sqlite3_prepare_v2(db, ("select 1 from " + table + " limit 1").c_str(), -1,
                                       &statement, nullptr) == SQLITE_OK &&
                    sqlite3_step(statement) == SQLITE_ROW;
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return rows;
}

// The measuring process: the module installed and selected for an EDIT control, with the
// settings of one scheme and layout.
int Measure(const std::string& installFolder, const std::string& moduleFolder, bool sx,
            bool vertical, int samples, int idleKeys) {
  const std::string installDir = installFolder + "\\";
  const std::string dictionaryDir = installDir + "lumatoridb\\";
  const std::string table = sx ? "lmt_sx" : "lmt_zx";
  DeleteKeyTree(kSettingsKeyPath);
  SetString(kSettingsKeyPath, "SetupDir", installDir);
  SetDword(kSettingsKeyPath, "声型", sx ? 1 : 0);
  SetDword(kSettingsKeyPath, "竖向排列", vertical ? 1 : 0);
  for (const char* file : {"lumatori.ime", "lmtdbmanger.dll"}) {
    const std::string from =
        moduleFolder.empty() ? BesideThisProgram(file) : moduleFolder + "\\" + file;
    if (!CopyFileA(from.c_str(), SystemFile(file).c_str(), FALSE)) {
      std::fprintf(stderr, "cannot copy %s into the system directory\n", file);
      return 1;
    }
  }
  HKL layout = InstalledLayout(SystemFile("lumatori.ime"));
  if (!layout) {
    std::fprintf(stderr, "ImmInstallIMEA failed (error %lu)\n", GetLastError());
    return 1;
  }
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"LumatoriBenchPaint";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(L"LumatoriBenchPaint", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              40, 40, 480, 160, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
  HWND edit = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10,
                            10, 440, 30, window, nullptr, GetModuleHandleW(nullptr), nullptr);
  editProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TimedEditProc)));
  SetForegroundWindow(window);
  SetFocus(edit);
  Pump(300);
  if (!ActivateKeyboardLayout(layout, 0)) {
    std::fprintf(stderr, "ActivateKeyboardLayout failed\n");
    return 1;
  }
  Pump(300);

  std::string letters;
  for (char c = 'a'; c <= 'z'; ++c) {
    if (HasRows(dictionaryDir + "lmtsys_" + c + ".db", table)) letters += c;
  }
  // Not measured: the first keys create the windows and open every dictionary file, so that
  // the measured keys are warm ones.
  for (int i = 0; i < 3; ++i) KeyToPaint(letters[0]);
  for (const char letter : letters) KeyToPaint(letter);
  DWORD chinese = 0, sentence = 0;
  {
    HIMC himc = ImmGetContext(edit);
    ImmGetConversionStatus(himc, &chinese, &sentence);
    ImmReleaseContext(edit, himc);
  }

  std::vector<double> toPaint, floors, paints, afterIdle;
  int paintCount = 0, missing = 0;
  for (int i = 0; i < samples; ++i) {
    const char letter = letters[static_cast<size_t>(i) % letters.size()];
    auto key = [&] {
      const KeyFigures figures = KeyToPaint(letter);
      if (!figures.painted) {
        ++missing;
        return;
      }
      toPaint.push_back(figures.toPaint);
      paints.push_back(figures.paint);
      paintCount += figures.paints;
    };
    auto floor = [&] {
      SetConversionMode(edit, chinese & ~static_cast<DWORD>(IME_CMODE_NATIVE));
      const double passed = PassedKeyToPaint(letter);
      if (passed >= 0) floors.push_back(passed);
      SetConversionMode(edit, chinese);
    };
    RunAlternately(i, key, floor);
  }
  int stillHeld = 0;
  for (int i = 0; i < idleKeys; ++i) {
    PumpUntil(NowMs() + kIdleMs, false);
    if (!Unheld(dictionaryDir + "lmtsys_User.db")) ++stillHeld;
    const KeyFigures figures = KeyToPaint(letters[static_cast<size_t>(i) % letters.size()]);
    if (figures.painted) afterIdle.push_back(figures.toPaint);
  }
  DestroyWindow(window);
  if (toPaint.empty() || floors.empty()) {
    std::fprintf(stderr, "the candidate window or the EDIT never painted\n");
    return 1;
  }
  const double ratio = Percentile(toPaint, 95) / Percentile(floors, 95);
  char idle[32] = "-";
  if (!afterIdle.empty()) std::snprintf(idle, sizeof idle, "%.2f", Percentile(afterIdle, 50));
  std::printf("%-3s %-10s %-6s %8.2f %8.2f %8.2f %8.2f %6.2f %10s %8.2f %8.2f %7.2f\n",
              sx ? "sx" : "zx", vertical ? "vertical" : "horizontal",
              moduleFolder.empty() ? "this" : "before", Percentile(toPaint, 50),
              Percentile(toPaint, 95), Percentile(floors, 50), Percentile(floors, 95), ratio, idle,
              Percentile(paints, 50), Percentile(paints, 95),
              static_cast<double>(paintCount) / static_cast<double>(toPaint.size()));
  if (missing) std::printf("    (%d keys without a paint of the candidate window)\n", missing);
  if (stillHeld) std::printf("    (%d idle keys met the user dictionary still held)\n", stillHeld);
  std::fflush(stdout);
  return 0;
}

// Runs this program with arguments, its output going where this one's goes.
bool RunSelf(const std::string& arguments) {
  std::fflush(stdout);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  SetHandleInformation(output, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  SetHandleInformation(error, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  STARTUPINFOA startup = {sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = error;
  std::string commandLine = "\"" + BesideThisProgram("bench_paint.exe") + "\" " + arguments;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 8 && std::strcmp(argv[1], "--measure") == 0) {
    return Measure(argv[2], argv[3], std::strcmp(argv[4], "sx") == 0,
                   std::strcmp(argv[5], "vertical") == 0, std::atoi(argv[6]), std::atoi(argv[7]));
  }
  DictionaryBenchArguments arguments;
  if (!ReadDictionaryBenchArguments(argc, argv, "bench_paint", &arguments)) return 2;
  const int idleKeys = argc > 4 ? std::max(0, std::atoi(argv[4])) : 2;
  std::string before = argc > 5 ? argv[5] : "";
  if (!before.empty() && before.back() == '\\') before.pop_back();
  const BenchInstallation installation(arguments.dir, arguments.userPhrases);
  if (!installation.Ok()) return 1;
  PrintUserDictionarySize(arguments.userPhrases);
  std::printf("%-21s %17s %17s %6s %10s %17s %7s\n", "", "warm key to paint", "floor (ms)",
              "p95", "after idle", "paint alone (ms)", "paints");
  std::printf("%-21s %8s %8s %8s %8s %6s %10s %8s %8s %7s\n", "scheme layout module", "median",
              "p95", "median", "p95", "ratio", "median", "median", "p95", "per key");
  bool ok = true;
  for (const char* scheme : {"zx", "sx"}) {
    for (const char* layout : {"vertical", "horizontal"}) {
      // The folders without their final backslash, which would escape the closing quote.
      const std::string& dir = installation.InstallDir();
      const std::string common = "--measure \"" + dir.substr(0, dir.size() - 1) + "\" ";
      const std::string rest = std::string(" ") + scheme + " " + layout + " " +
                               std::to_string(arguments.samples) + " ";
      if (!before.empty()) ok = RunSelf(common + "\"" + before + "\"" + rest + "0") && ok;
      ok = RunSelf(common + "\"\"" + rest + std::to_string(idleKeys)) && ok;
    }
  }
  DeleteKeyTree(kSettingsKeyPath);
  std::printf("(%d first letters per line, in turn over the letters with candidates; floor: a"
              " letter passed on in English mode into the same EDIT, to its paint; after idle:"
              " the first key after %.0f s without a key, %d per line)\n",
              arguments.samples, kIdleMs / 1000, idleKeys);
  return ok ? 0 : 1;
}
