// The system folders the product's files go to on this machine. On 64-bit Windows the
// 64-bit module serves 64-bit applications from the native system directory and the 32-bit
// module serves 32-bit applications from the 32-bit one; on 32-bit Windows there is one.
#pragma once

#include <string>

struct SystemFolders {
  // The system directory of the machine's own architecture, with a trailing backslash, as
  // Windows names it to every program (…\System32 on 64-bit Windows). Empty when unknown.
  std::string native;
  // On 64-bit Windows, the 32-bit system directory (…\SysWOW64) with a trailing backslash;
  // empty on 32-bit Windows or when the machine has no 32-bit subsystem.
  std::string x86;
  // The Windows directory (GetWindowsDirectoryA: where help files live) with a trailing
  // backslash.
  std::string windows;
  bool is64BitWindows = false;
};

SystemFolders FindSystemFolders();

// While alive, this thread's file operations reach the native system directory even from a
// 32-bit program on 64-bit Windows (file-system redirection off). Elsewhere it does nothing.
// Kept around file operations only: the thread loads no library while it is alive.
class NativeFileSystem {
 public:
  NativeFileSystem();
  ~NativeFileSystem();
  NativeFileSystem(const NativeFileSystem&) = delete;
  NativeFileSystem& operator=(const NativeFileSystem&) = delete;

 private:
  void* previous_ = nullptr;
  bool disabled_ = false;
};

// True when path names an existing directory.
bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path);
