// Cases run in child processes, so that a case that takes its process down is counted and
// the others still run: the program starts itself with kCasesArgument and the first case;
// the child writes each case's number to a progress file before running it and each broken
// property to a failures file. A child that dies (or hangs) is charged to the case it had
// begun, and a new child goes on after it.
#pragma once

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/wine/support/Programs.h"

inline constexpr char kCasesArgument[] = "--cases";

struct IsolatedOutcome {
  long crashes = 0;
  std::vector<std::string> failures;  // "case N: what", crashes included
};

// A case returns the properties it found broken (empty when all hold).
using IsolatedCase = std::function<std::vector<std::string>(int index)>;

// A fault no one handles ends the child at once with its exception code (rather than after
// the system's debugger has looked at it).
inline LONG WINAPI EndWithExceptionCode(EXCEPTION_POINTERS* exception) {
  TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

// The child's side: runs cases first..count-1. Call from main when argv[1] is
// kCasesArgument; returns the exit code.
inline int RunCasesInChild(int argc, char** argv, int count, const IsolatedCase& runCase) {
  if (argc != 5) return 2;
  SetUnhandledExceptionFilter(EndWithExceptionCode);
  const int first = std::atoi(argv[2]);
  for (int index = first; index < count; ++index) {
    {
      std::ofstream progress(argv[3], std::ios::trunc);
      progress << index << std::endl;
    }
    for (const std::string& failure : runCase(index)) {
      std::ofstream failures(argv[4], std::ios::app);
      failures << "case " << index << ": " << failure << "\n";
    }
  }
  return 0;
}

// Runs commandLine to its end, or ends it when the case it runs (read from progress) has
// not changed for caseTimeoutMs; its exit code (WAIT_TIMEOUT for one that was ended).
inline DWORD RunChild(std::string commandLine, const std::string& progress, DWORD caseTimeoutMs) {
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return 999;
  DWORD code = WAIT_TIMEOUT;
  int lastCase = -1;
  DWORD since = GetTickCount();
  for (;;) {
    if (WaitForSingleObject(process.hProcess, 200) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process.hProcess, &code);
      break;
    }
    int reached = -1;
    std::ifstream(progress) >> reached;
    if (reached != lastCase) {
      lastCase = reached;
      since = GetTickCount();
    } else if (GetTickCount() - since > caseTimeoutMs) {
      TerminateProcess(process.hProcess, WAIT_TIMEOUT);
      WaitForSingleObject(process.hProcess, 5000);
      break;
    }
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

// The child's working folder: the one that holds its progress file.
inline std::string CasesFolder(char** argv) {
  const std::string progress = argv[3];
  return progress.substr(0, progress.find_last_of('\\'));
}

// The parent's side: runs every case of program (a file beside this one) in children.
inline IsolatedOutcome RunCasesIsolated(const char* program, int count, const std::string& workDir,
                                        DWORD caseTimeoutMs = 60000) {
  IsolatedOutcome outcome;
  const std::string progress = workDir + "\\progress.txt";
  const std::string failures = workDir + "\\failures.txt";
  DeleteFileA(failures.c_str());
  for (int first = 0; first < count;) {
    DeleteFileA(progress.c_str());
    const DWORD code = RunChild("\"" + BesideThisProgram(program) + "\" " + kCasesArgument +
                                      " " + std::to_string(first) + " \"" + progress + "\" \"" +
                                      failures + "\"",
                                  progress, caseTimeoutMs);
    if (code == 0) break;
    int reached = -1;
    std::ifstream(progress) >> reached;
    if (reached < first) {  // it never began a case: the next child would not either
      outcome.failures.push_back("case " + std::to_string(first) +
                                 ": the child process never began (" + std::to_string(code) + ")");
      ++outcome.crashes;
      break;
    }
    char what[80];
    std::snprintf(what, sizeof what,
                  code == WAIT_TIMEOUT ? "case %d: no answer for a minute (0x%lX)"
                                       : "case %d: the process ended with 0x%lX",
                  reached, static_cast<unsigned long>(code));
    outcome.failures.push_back(what);
    ++outcome.crashes;
    first = reached + 1;
  }
  std::ifstream in(failures);
  for (std::string line; std::getline(in, line);) outcome.failures.push_back(line);
  return outcome;
}
