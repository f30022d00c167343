// Every exported entry point of the real module called with null, invalid, never-selected
// and destroyed contexts, null buffers, zero and huge lengths and out-of-range codes, and
// the module's windows sent their messages with hostile parameters (their contexts null,
// invalid or never selected). No exception and no fault may reach the caller: each call runs
// in a child process that counts an exception the call lets out, and a process that dies or
// hangs is charged to the call it had begun. A watcher closes what a call opens (menus,
// dialogs, message boxes).
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ime/common/ImmDev.h"
#include "tests/hostile/HostileFigures.h"
#include "tests/hostile/HostileValues.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/ImportRedirect.h"
#include "tests/wine/support/IsolatedCases.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"

namespace {

// The module's exports, as the input method manager calls them.
struct Module {
  HMODULE handle = nullptr;
  BOOL(WINAPI* inquire)(LPIMEINFO, LPSTR, DWORD) = nullptr;
  DWORD(WINAPI* conversionList)(HIMC, LPCSTR, LPCANDIDATELIST, DWORD, UINT) = nullptr;
  BOOL(WINAPI* registerWord)(LPCSTR, DWORD, LPCSTR) = nullptr;
  BOOL(WINAPI* unregisterWord)(LPCSTR, DWORD, LPCSTR) = nullptr;
  UINT(WINAPI* registerWordStyle)(UINT, LPSTYLEBUFA) = nullptr;
  UINT(WINAPI* enumRegisterWord)(REGISTERWORDENUMPROCA, LPCSTR, DWORD, LPCSTR, LPVOID) = nullptr;
  BOOL(WINAPI* configure)(HKL, HWND, DWORD, LPVOID) = nullptr;
  BOOL(WINAPI* destroy)(UINT) = nullptr;
  LRESULT(WINAPI* escape)(HIMC, UINT, LPVOID) = nullptr;
  BOOL(WINAPI* processKey)(HIMC, UINT, LPARAM, CONST LPBYTE) = nullptr;
  BOOL(WINAPI* select)(HIMC, BOOL) = nullptr;
  BOOL(WINAPI* setActiveContext)(HIMC, BOOL) = nullptr;
  UINT(WINAPI* toAsciiEx)(UINT, UINT, CONST LPBYTE, LPTRANSMSGLIST, UINT, HIMC) = nullptr;
  BOOL(WINAPI* notify)(HIMC, DWORD, DWORD, DWORD) = nullptr;
  BOOL(WINAPI* setCompositionString)(HIMC, DWORD, LPVOID, DWORD, LPVOID, DWORD) = nullptr;
  WNDPROC uiProc = nullptr;
  WNDPROC statusProc = nullptr;

  template <typename Pointer>
  void Bind(Pointer& pointer, const char* name) {
    pointer = reinterpret_cast<Pointer>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
  }
  void Load() {
    handle = LoadLibraryA(BesideThisProgram("lumatori.ime").c_str());
    Bind(inquire, "ImeInquire");
    Bind(conversionList, "ImeConversionList");
    Bind(registerWord, "ImeRegisterWord");
    Bind(unregisterWord, "ImeUnregisterWord");
    Bind(registerWordStyle, "ImeGetRegisterWordStyle");
    Bind(enumRegisterWord, "ImeEnumRegisterWord");
    Bind(configure, "ImeConfigure");
    Bind(destroy, "ImeDestroy");
    Bind(escape, "ImeEscape");
    Bind(processKey, "ImeProcessKey");
    Bind(select, "ImeSelect");
    Bind(setActiveContext, "ImeSetActiveContext");
    Bind(toAsciiEx, "ImeToAsciiEx");
    Bind(notify, "NotifyIME");
    Bind(setCompositionString, "ImeSetCompositionString");
    Bind(uiProc, "UIWndProc");
    Bind(statusProc, "StatusWndProc");
  }
};

// The module's allocations (operator new's and the C library's) of more than a size fail
// while a ModuleAllocationsFail lives: large blocks are what runs out first (a fragmented
// address space, a row of hostile size), and small ones keep the C++ runtime able to
// throw at all (its first exception under memory exhaustion takes a lock that allocates).
std::size_t failAbove = 0;
void* (*realMalloc)(size_t) = nullptr;
void* (*realRealloc)(void*, size_t) = nullptr;
void* FailingMalloc(size_t size) { return failAbove && size > failAbove ? nullptr : realMalloc(size); }
void* FailingRealloc(void* block, size_t size) {
  return failAbove && size > failAbove ? nullptr : realRealloc(block, size);
}

class ModuleAllocationsFail {
public:
  ModuleAllocationsFail(HMODULE module, std::size_t above)
      : malloc_(module, "msvcrt.dll", "malloc", reinterpret_cast<void*>(&FailingMalloc)),
        realloc_(module, "msvcrt.dll", "realloc", reinterpret_cast<void*>(&FailingRealloc)) {
    realMalloc = reinterpret_cast<void* (*)(size_t)>(malloc_.original);
    realRealloc = reinterpret_cast<void* (*)(void*, size_t)>(realloc_.original);
    failAbove = above;
  }
  ~ModuleAllocationsFail() { failAbove = 0; }

private:
  ImportRedirect malloc_, realloc_;
};

// The contexts a caller may hand over: none, handles that are no context, one destroyed,
// one never set up by the module, and one selected into it (kContextCount in all).
constexpr std::size_t kContextCount = 6;
std::vector<HIMC> Contexts(const Module& module, bool make) {
  if (!make) return std::vector<HIMC>(kContextCount);
  std::vector<HIMC> contexts = {nullptr, reinterpret_cast<HIMC>(1),
                                reinterpret_cast<HIMC>(static_cast<ULONG_PTR>(0xDEADBEEF))};
  HIMC destroyed = ImmCreateContext();
  ImmDestroyContext(destroyed);
  HIMC selected = ImmCreateContext();
  if (LPINPUTCONTEXT context = ImmLockIMC(selected)) {
    context->hPrivate = ImmReSizeIMCC(context->hPrivate, 52);
    ImmUnlockIMC(selected);
  }
  module.select(selected, TRUE);
  contexts.push_back(destroyed);
  contexts.push_back(ImmCreateContext());
  contexts.push_back(selected);
  return contexts;
}

const char* const kClasses[] = {"RurevEdovIme_Mz",   "ImeCandCompime_Mz", "ImeStatuswinime_Mz",
                                "ImeHintwinime_Mz",  "ImeContextime_Mz",  "ImeCMenuwinime_Mz",
                                "ImeSoftkeyMenuwinime_Mz"};

// A window of one of the module's classes whose context slot holds context.
HWND ModuleWindow(const Module& module, const char* windowClass, HIMC context) {
  HWND window = CreateWindowExA(0, windowClass, "", WS_POPUP, 100, 100, 200, 100, nullptr,
                                nullptr, module.handle, nullptr);
  if (window) SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(context));
  return window;
}

struct Call {
  std::string what;
  std::function<std::string()> run;  // a broken property, or empty
};

// Every call of the suite, in a fixed order.
std::vector<Call> Calls(const Module& m, const std::vector<HIMC>& contexts) {
  std::vector<Call> calls;
  const auto add = [&](std::string what, std::function<void()> run) {
    calls.push_back({std::move(what), [run] {
                       run();
                       return std::string();
                     }});
  };
  // First, that the calls reach the module at all: the selected context takes a letter and
  // every class makes a window.
  calls.push_back({"the module at work", [&m, &contexts] {
                     BYTE keys[256] = {};
                     if (!m.processKey(contexts.back(), 'A', 0x1E0001, keys))
                       return std::string("the selected context took no letter");
                     for (const char* windowClass : kClasses) {
                       HWND window = ModuleWindow(m, windowClass, nullptr);
                       if (!window) return std::string("no window of ") + windowClass;
                       DestroyWindow(window);
                     }
                     return std::string();
                   }});
  const unsigned huge = 0xFFFFFFFFu;
  add("ImeInquire(null)", [&m] { m.inquire(nullptr, nullptr, 0); });
  add("ImeInquire(no class buffer)", [&m] {
    IMEINFO info = {};
    m.inquire(&info, nullptr, huge);
  });
  add("ImeDestroy", [&m] { m.destroy(huge); });
  add("ImeRegisterWord(null)", [&m] { m.registerWord(nullptr, huge, nullptr); });
  add("ImeUnregisterWord(null)", [&m] { m.unregisterWord(nullptr, huge, nullptr); });
  add("ImeGetRegisterWordStyle(null)", [&m] { m.registerWordStyle(huge, nullptr); });
  add("ImeEnumRegisterWord(null)", [&m] { m.enumRegisterWord(nullptr, nullptr, huge, nullptr, nullptr); });
  for (DWORD mode : {0u, 1u, 2u, 3u, 4u, huge})
    add("ImeConfigure(" + std::to_string(mode) + ")", [&m, mode] { m.configure(nullptr, nullptr, mode, nullptr); });

  for (std::size_t c = 0; c < contexts.size(); ++c) {
    const HIMC himc = contexts[c];
    const std::string on = " on context " + std::to_string(c);
    add("ImeConversionList" + on, [&m, himc, huge] { m.conversionList(himc, nullptr, nullptr, huge, huge); });
    for (UINT escape : {0u, 3u, 0x22u, 0x1001u, 0x1003u, 0x1004u, 0x1005u, 0x1006u, 0x100Bu, 0xFFFFu})
      add("ImeEscape " + std::to_string(escape) + on, [&m, himc, escape] { m.escape(himc, escape, nullptr); });
    for (BOOL flag : {FALSE, TRUE, 2}) {
      add("ImeSelect" + on, [&m, himc, flag] { m.select(himc, flag); });
      add("ImeSetActiveContext" + on, [&m, himc, flag] { m.setActiveContext(himc, flag); });
    }
    for (UINT key : {0u, static_cast<UINT>('A'), static_cast<UINT>(VK_SPACE), static_cast<UINT>(VK_BACK),
                     static_cast<UINT>(VK_ESCAPE), 0xFFu, 0xFFFFu}) {
      for (LPARAM data : {LPARAM(0), LPARAM(0xC0000001), LPARAM(-1)}) {
        add("ImeProcessKey" + on, [&m, himc, key, data] { m.processKey(himc, key, data, nullptr); });
      }
      for (UINT capacity : {0u, 1u}) {
        add("ImeToAsciiEx" + on, [&m, himc, key, capacity] {
          struct {
            UINT count;
            TRANSMSG entries[2];
          } list = {capacity, {}};
          BYTE keys[256] = {};
          m.toAsciiEx(key | (key << 16), 0x1E, keys, reinterpret_cast<LPTRANSMSGLIST>(&list), 0, himc);
          m.toAsciiEx(key, huge, nullptr, nullptr, huge, himc);
        });
      }
    }
    for (DWORD action = 0; action <= 0x22; ++action) {
      for (DWORD index : {0u, 1u, huge}) {
        for (DWORD value : {0u, 1u, 6u, 0x40u, huge}) {
          add("NotifyIME " + std::to_string(action) + on,
              [&m, himc, action, index, value] { m.notify(himc, action, index, value); });
        }
      }
    }
    for (DWORD index : {0u, 0x9u /* SCS_SETSTR */, 0x12u, 0x20000u, huge}) {
      add("ImeSetCompositionString" + on, [&m, himc, index, huge] {
        char text[] = "abc";
        m.setCompositionString(himc, index, nullptr, 0, nullptr, 0);
        m.setCompositionString(himc, index, nullptr, huge, nullptr, huge);
        m.setCompositionString(himc, index, text, 3, nullptr, 0);
        m.setCompositionString(himc, index, text, huge, text, 3);
      });
    }
  }

  // The windows: every message of the interface, with hostile parameters.
  struct Message {
    UINT message;
    std::vector<WPARAM> wParams;
    std::vector<LPARAM> lParams;
  };
  const std::vector<WPARAM> words = {0, 1, 2, 5, 0x10, 0xFFFF, WPARAM(-1)};
  const std::vector<LPARAM> values = {0, 1, 0x1E0, 0x7FFFFFFF, LPARAM(-1)};
  std::vector<WPARAM> codes;
  for (WPARAM code = 0; code <= 0x24; ++code) codes.push_back(code);
  const std::vector<Message> messages = {
      {WM_IME_STARTCOMPOSITION, words, values},
      {WM_IME_COMPOSITION, words, values},
      {WM_IME_ENDCOMPOSITION, words, values},
      {WM_IME_COMPOSITIONFULL, words, values},
      {WM_IME_SETCONTEXT, {0, 1}, values},
      {WM_IME_SELECT, {0, 1}, {0, 0x04090409, LPARAM(-1)}},
      {WM_IME_NOTIFY, codes, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 20, 0xFFFF, LPARAM(-1)}},
      {WM_IME_CONTROL, codes, {0}},
      {WM_IME_CHAR, words, values},
      {WM_PAINT, {0}, {0}},
      {WM_TIMER, {0, 1, 10, 11, 12, 0xFFFF}, {0}},
      {WM_SETCURSOR, {0}, {MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN),
                           MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN), MAKELPARAM(0xFFFF, 0xFFFF)}},
      {WM_MOUSEMOVE, {0, MK_LBUTTON}, {0, MAKELPARAM(20, 10), MAKELPARAM(0x7FFF, 0x7FFF), LPARAM(-1)}},
      {WM_LBUTTONDOWN, {0}, {0, MAKELPARAM(20, 10), MAKELPARAM(150, 50), LPARAM(-1)}},
      {WM_LBUTTONUP, {0}, {0, MAKELPARAM(20, 10), MAKELPARAM(150, 50), LPARAM(-1)}},
      {WM_RBUTTONUP, {0}, {0, MAKELPARAM(20, 10), LPARAM(-1)}},
      {WM_MOUSELEAVE, {0}, {0}},
      {WM_COMMAND, {0, 1, 100, 200, 300, 400, 0x7FFF, 0xFFFF}, {0}},
      {WM_MOUSEACTIVATE, {0}, {0, LPARAM(-1)}},
  };
  for (std::size_t k = 0; k < sizeof kClasses / sizeof kClasses[0]; ++k) {
    // Called directly where the procedure is exported, so that an exception it lets out is
    // seen here; through the system otherwise.
    const WNDPROC direct = k == 0 ? m.uiProc : k == 2 ? m.statusProc : nullptr;
    for (std::size_t c = 0; c < contexts.size(); ++c) {
      const HIMC himc = contexts[c];
      for (const Message& message : messages) {
        const char* windowClass = kClasses[k];
        add(std::string(windowClass) + " message " + std::to_string(message.message) + " on context " +
                std::to_string(c),
            [&m, windowClass, himc, message, direct] {
              HWND window = ModuleWindow(m, windowClass, himc);
              for (WPARAM wParam : message.wParams) {
                for (LPARAM lParam : message.lParams) {
                  if (!IsWindow(window)) window = ModuleWindow(m, windowClass, himc);
                  if (direct)
                    direct(window, message.message, wParam, lParam);
                  else
                    SendMessageA(window, message.message, wParam, lParam);
                }
              }
              DestroyWindow(window);
            });
      }
    }
  }

  // Sequences: the selected context and a window of each class taken through random keys,
  // notifications, messages and selections, so that every call meets the states the ones
  // before it left; in one sequence of three the module's larger allocations fail.
  const HIMC selected = contexts.back();
  for (int sequence = 0; sequence < HostileScale(60, 400); ++sequence) {
    calls.push_back({"sequence " + std::to_string(sequence), [&m, selected, messages, sequence] {
      HostileRandom random(static_cast<std::uint64_t>(sequence) + 1);
      std::vector<HWND> windows;
      for (const char* windowClass : kClasses) windows.push_back(ModuleWindow(m, windowClass, selected));
      const UINT keys[] = {'A', 'B', 'K', 'Z', '1', '2', '7', VK_SPACE, VK_BACK, VK_ESCAPE,
                           VK_RETURN, VK_PRIOR, VK_NEXT, VK_OEM_PERIOD, VK_OEM_7, VK_SHIFT};
      BYTE keyState[256] = {};
      std::unique_ptr<ModuleAllocationsFail> failing;
      if (sequence % 3 == 2) failing.reset(new ModuleAllocationsFail(m.handle, 64 + random.Below(4096)));
      std::string fault;
      for (int step = 0; step < 60 && fault.empty(); ++step) {
        std::string entry;
        try {
          switch (random.Below(6)) {
            case 0:
            case 1: {
              const UINT key = keys[random.Below(sizeof keys / sizeof keys[0])];
              struct {
                UINT count;
                TRANSMSG entries[10];
              } list = {10, {}};
              entry = "ImeProcessKey";
              if (m.processKey(selected, key, 1, keyState)) {
                entry = "ImeToAsciiEx";
                m.toAsciiEx(key | ((key | 0x20) << 16), 0x1E, keyState,
                            reinterpret_cast<LPTRANSMSGLIST>(&list), 0, selected);
              }
              break;
            }
            case 2:
              entry = "NotifyIME";
              m.notify(selected, random.Below(0x22), random.OneIn(3) ? random.Next() : random.Below(4),
                       random.OneIn(3) ? random.Next() : random.Below(1002));
              break;
            case 3: {
              const Message& message = messages[random.Below(static_cast<std::uint32_t>(messages.size()))];
              const std::uint32_t k = random.Below(static_cast<std::uint32_t>(windows.size()));
              HWND window = windows[k];
              entry = std::string(kClasses[k]) + " message " + std::to_string(message.message);
              if (IsWindow(window))
                SendMessageA(window, message.message,
                             message.wParams[random.Below(static_cast<std::uint32_t>(message.wParams.size()))],
                             message.lParams[random.Below(static_cast<std::uint32_t>(message.lParams.size()))]);
              break;
            }
            case 4:
              entry = "ImeSetActiveContext";
              m.setActiveContext(selected, random.Below(2));
              break;
            default:
              entry = "ImeSelect";
              if (random.OneIn(4)) m.select(selected, random.Below(2));
              break;
          }
        } catch (const std::exception& error) {
          fault = "exception let out of " + entry + ": " + error.what();
        }
      }
      failing.reset();
      m.select(selected, TRUE);
      for (HWND window : windows) DestroyWindow(window);
      return fault;
    }});
  }
  return calls;
}

// Closes a dialog, message box or menu of this process (a menu's modal loop ends on Esc).
BOOL CALLBACK CloseIfOpened(HWND window, LPARAM) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32770") {
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
  } else if (std::string(name) == "#32768") {
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  return TRUE;
}

// Closes, from a thread of its own, whatever a call opened. When the calling thread has
// gone (the system ends a thread that an exception left unhandled in a window procedure),
// ends the process with the thread's exit code, the exception's.
DWORD WINAPI CloseWhatOpens(LPVOID callingThread) {
  while (WaitForSingleObject(callingThread, 30) == WAIT_TIMEOUT) EnumWindows(CloseIfOpened, 0);
  DWORD code = 0;
  GetExitCodeThread(callingThread, &code);
  TerminateProcess(GetCurrentProcess(), code ? code : 1);
  return 0;
}

// Pumps what the calls posted, so that their handling runs inside the same case.
void Pump() {
  MSG msg;
  for (int i = 0; i < 100 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// The calls' descriptions, without a module.
std::vector<std::string> CallNames() {
  const Module none;
  std::vector<std::string> names;
  for (const Call& call : Calls(none, Contexts(none, false))) names.push_back(call.what);
  return names;
}

TEST(HostileCallsTest, NoExceptionAndNoFaultReachesTheCaller) {
  TempFolder install;
  CreateDirectoryA(install.File("lumatoridb").c_str(), nullptr);
  MakeDictionary(install.File("lumatoridb\\lmtsys_a.db"),
                 {"create table lmt_zx(mbcode text, hzcode text)",
                  "create table lmt_sx(mbcode text, hzcode text)",
                  "insert into lmt_zx values('a','中')", "insert into lmt_zx values('aa','中国')"});
  MakeDictionary(install.File("lumatoridb\\lmtsys_User.db"),
                 {"create table lmt_zx(mbcode text, hzcode text)",
                  "create table lmt_sx(mbcode text, hzcode text)"});
  DeleteKeyTree(kSettingsKeyPath);
  SetString(kSettingsKeyPath, "SetupDir", install.File(""));
  SetDword(kSettingsKeyPath, "词语联想", 1);

  TempFolder work;
  const std::vector<std::string> names = CallNames();
  const int count = static_cast<int>(names.size());
  const IsolatedOutcome outcome = RunCasesIsolated("hostile_calls.exe", count, work.Path().string());
  HostileFigures figures;
  figures.name = "entry_points";
  figures["inputs"] = count;
  figures["crashes"] = outcome.crashes;
  figures["exceptions"] = static_cast<long>(outcome.failures.size()) - outcome.crashes;
  figures.Print();
  for (std::size_t i = 0; i < outcome.failures.size() && i < 40; ++i) {
    const int index = std::atoi(outcome.failures[i].c_str() + 5);  // "case N: ..."
    ADD_FAILURE() << names[static_cast<std::size_t>(index)] << ": " << outcome.failures[i];
  }
  DeleteKeyTree(kSettingsKeyPath);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == kCasesArgument) {
    Module module;
    module.Load();
    if (!module.handle) return 4;
    HANDLE callingThread = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &callingThread,
                    0, FALSE, DUPLICATE_SAME_ACCESS);
    CreateThread(nullptr, 0, CloseWhatOpens, callingThread, 0, nullptr);
    const std::vector<HIMC> contexts = Contexts(module, true);
    const std::vector<Call> calls = Calls(module, contexts);
    return RunCasesInChild(argc, argv, static_cast<int>(calls.size()), [&](int index) {
      std::vector<std::string> broken;
      try {
        const std::string fault = calls[static_cast<std::size_t>(index)].run();
        if (!fault.empty()) broken.push_back(fault);
      } catch (const std::exception& error) {
        broken.push_back(std::string("exception let out: ") + error.what());
      } catch (...) {
        broken.push_back("exception let out");
      }
      Pump();
      return broken;
    });
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
