# Shared by both MinGW-w64 toolchain files. The posix thread model gives the standard
# thread primitives that GoogleTest needs; the runtime libraries (winpthread included) are
# linked statically, so the module and the tests need no MinGW DLLs at run time.
set(CMAKE_C_COMPILER ${LMT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LMT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LMT_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LMT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
# Tests run through Wine; the runner keeps one prefix, display and wineserver.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
