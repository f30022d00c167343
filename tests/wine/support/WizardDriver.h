// Drives the installer's wizard the way a user does: starts it, finds its window, clicks
// its buttons with the mouse, types the directory, and reads and closes its messages (also
// those of the uninstaller and the updater). Shared by the installation tests and the main
// job's driver.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/support/MouseInput.h"

class WizardDriver {
 public:
  WizardDriver() = default;
  WizardDriver(const WizardDriver&) = delete;
  WizardDriver& operator=(const WizardDriver&) = delete;
  ~WizardDriver() {
    if (process_) {
      if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
      CloseHandle(process_);
    }
  }

  // Starts the installer and waits for its form, and for the installer to wait for input as
  // a user would before clicking: a click sent while it still starts up can be lost on a
  // busy machine. False when the form does not appear.
  bool Start(const std::string& setupFile) {
    if (!StartProgram("\"" + setupFile + "\"") ||
        !WaitFor([&] { return (form_ = FindForm()) != nullptr && IsWindowVisible(form_); })) {
      return false;
    }
    WaitForInputIdle(process_, 20000);
    return true;
  }

  // Starts another of the installation's programs, whose messages are read the same way,
  // in currentDir when one is given.
  bool StartProgram(std::string commandLine, const std::string& currentDir = "") {
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDir.empty() ? nullptr : currentDir.c_str(), &startup, &info)) {
      return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
  }

  HWND Form() const { return form_; }
  HANDLE Process() const { return process_; }

  // The application window that owns the form: its title is the task bar's.
  HWND Application() const { return GetWindow(form_, GW_OWNER); }

  // A visible part of the form by its text (the first found), or by its window class when
  // text is empty and windowClass is given.
  HWND Part(const std::string& text, const char* windowClass = nullptr) const {
    PartSearch search = {&text, windowClass, nullptr};
    EnumChildWindows(form_, MatchPart, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  bool Shows(const std::string& text) const { return Part(text) != nullptr; }
  bool IsEnabled(const std::string& text) const {
    HWND part = Part(text);
    return part && IsWindowEnabled(part);
  }

  // Clicks the part with the mouse; false when it is not shown.
  bool Click(const std::string& text) {
    HWND part = Part(text);
    if (!part) return false;
    ClickCentre(part);
    return true;
  }

  // Writes the directory into the directory field.
  bool TypeDirectory(const std::string& dir) {
    HWND edit = Part("", "Edit");
    return edit && SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(dir.c_str()));
  }
  std::string Directory() const { return Text(Part("", "Edit")); }

  // The text of the message the installer shows, waiting up to timeoutMs for it; empty when
  // none appears.
  std::string WaitForMessage(DWORD timeoutMs = 20000) {
    HWND box = nullptr;
    WaitFor([&] { return (box = MessageBoxWindow()) != nullptr; }, timeoutMs);
    if (!box) return std::string();
    std::string message;
    EnumChildWindows(box, MatchMessageText, reinterpret_cast<LPARAM>(&message));
    return message;
  }

  // Clicks a button of the message shown (by its command, IDOK, IDNO, ..., or the first
  // when 0); false when there is no such button.
  bool CloseMessage(int command = 0) {
    HWND box = MessageBoxWindow();
    if (!box) return false;
    HWND button = command ? GetDlgItem(box, command) : FindWindowExA(box, nullptr, "Button", nullptr);
    if (!button) return false;
    ClickCentre(button);
    return WaitFor([&] { return !IsWindow(box); });
  }

  bool MessageShown() const { return MessageBoxWindow() != nullptr; }

  // Waits until the installation has ended: "安装完成" is clickable or a message is up.
  bool WaitForInstallation(DWORD timeoutMs = 120000) {
    return WaitFor(
        [&] { return MessageShown() || (IsEnabled("安装完成") && !IsEnabled("开始安装")); },
        timeoutMs);
  }

  bool WaitForExit(DWORD timeoutMs = 20000) {
    return WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = 999;
    GetExitCodeProcess(process_, &code);
    return code;
  }

  // What a failure needs to be understood: whether the program still runs, each of its
  // top-level windows with class, caption, visibility and place, the form's visible parts,
  // and which window (of which process) the last click's point reaches now.
  std::string Windows() const {
    std::string report = WaitForSingleObject(process_, 0) == WAIT_TIMEOUT ? "running" : "ended";
    report += "; windows:";
    Listing listing = {processId_, &report};
    EnumWindows(ListTopLevel, reinterpret_cast<LPARAM>(&listing));
    report += "\n  parts:";
    if (form_) EnumChildWindows(form_, ListPart, reinterpret_cast<LPARAM>(&report));
    const HWND atClick = WindowFromPoint(lastClick_);
    DWORD owner = 0;
    GetWindowThreadProcessId(atClick, &owner);
    char line[96];
    std::snprintf(line, sizeof line, "\n  at the last click (%ld,%ld): process %lu%s, ",
                  lastClick_.x, lastClick_.y, owner, owner == processId_ ? " (this one)" : "");
    report += line + ClassOf(atClick) + " \"" + Text(atClick) + "\"";
    char foreground[64];
    std::snprintf(foreground, sizeof foreground, "; foreground %s",
                  ForegroundIsOwn() ? "is this program's" : "is another's");
    return report + foreground;
  }

  template <typename Condition>
  static bool WaitFor(Condition condition, DWORD timeoutMs = 20000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
      if (GetTickCount() - start > timeoutMs) return false;
      Pump(50);
    }
    return true;
  }

  // The text of a window of the installer: asked of the window itself, since the text of
  // another process's edit control is not its caption.
  static std::string Text(HWND window) {
    char text[1024] = {};
    DWORD_PTR length = 0;
    if (window) {
      SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 5000, &length);
    }
    return text;
  }

 private:
  struct PartSearch {
    const std::string* text;
    const char* windowClass;
    HWND found;
  };

  static std::string ClassOf(HWND window) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return className;
  }

  static BOOL CALLBACK MatchPart(HWND child, LPARAM data) {
    PartSearch* s = reinterpret_cast<PartSearch*>(data);
    if (!IsWindowVisible(child)) return TRUE;
    const bool classMatches =
        !s->windowClass || lstrcmpiA(ClassOf(child).c_str(), s->windowClass) == 0;
    if (classMatches && (s->text->empty() || Text(child) == *s->text)) {
      s->found = child;
      return FALSE;
    }
    return TRUE;
  }

  static BOOL CALLBACK MatchMessageText(HWND child, LPARAM data) {
    const std::string text = Text(child);
    if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0 && !text.empty()) {
      *reinterpret_cast<std::string*>(data) = text;
      return FALSE;
    }
    return TRUE;
  }

  static BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
    Found* f = reinterpret_cast<Found*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == f->processId && IsWindowVisible(window) && ClassOf(window) == f->windowClass) {
      f->window = window;
      return FALSE;
    }
    return TRUE;
  }

  struct Listing {
    DWORD processId;
    std::string* report;
  };

  static BOOL CALLBACK ListTopLevel(HWND window, LPARAM data) {
    Listing* l = reinterpret_cast<Listing*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != l->processId) return TRUE;
    RECT r = {};
    GetWindowRect(window, &r);
    char line[160];
    std::snprintf(line, sizeof line, " %s (%ld,%ld %ldx%ld)%s%s%s",
                  IsWindowVisible(window) ? "visible" : "hidden", r.left, r.top,
                  r.right - r.left, r.bottom - r.top,
                  IsIconic(window) ? " minimised" : "", IsWindowEnabled(window) ? "" : " disabled",
                  GetWindow(window, GW_OWNER) ? " owned" : "");
    *l->report += "\n  " + ClassOf(window) + " \"" + Text(window) + "\"" + line;
    return TRUE;
  }

  static BOOL CALLBACK ListPart(HWND part, LPARAM data) {
    if (IsWindowVisible(part) && !Text(part).empty()) {
      *reinterpret_cast<std::string*>(data) +=
          " [" + Text(part) + (IsWindowEnabled(part) ? "]" : " (disabled)]");
    }
    return TRUE;
  }

  bool ForegroundIsOwn() const {
    DWORD owner = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &owner);
    return owner == processId_;
  }

  struct Found {
    DWORD processId;
    const char* windowClass;
    HWND window;
  };

  // The visible top-level window of the given class that belongs to the installer.
  HWND TopLevel(const char* windowClass) const {
    Found found = {processId_, windowClass, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&found));
    return found.window;
  }

  HWND FindForm() const { return TopLevel("TForm1"); }
  HWND MessageBoxWindow() const { return TopLevel("#32770"); }

  void ClickCentre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    lastClick_ = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClickAt(lastClick_);
  }

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND form_ = nullptr;
  POINT lastClick_ = {};
};
