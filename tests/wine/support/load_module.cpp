// Loads the module file named by its argument as an application would, from the folder it is
// started in; exits 0 when the module loaded.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  return LoadLibraryW(argv[1]) ? 0 : 1;
}
