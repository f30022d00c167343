# SQLite3 Multiple Ciphers, from the amalgamation pinned in third_party/sqlite3mc.
#
# Cipher: AES-128-CBC as the compile-time default. Every dictionary operation opens and
# keys its files anew, and keying is paid on each open: ChaCha20 (the package default)
# derives its key with many PBKDF2 rounds, about 30 ms an open under Wine, while AES-128
# keys in well under a millisecond.
set(LMT_SQLITE_DIR
    ${PROJECT_SOURCE_DIR}/third_party/sqlite3mc/node_modules/better-sqlite3-multiple-ciphers/deps/sqlite3)
if(NOT EXISTS ${LMT_SQLITE_DIR}/sqlite3.c)
  message(FATAL_ERROR "SQLite3 Multiple Ciphers is missing: run tools/install-deps.sh")
endif()

set(LMT_SQLITE_DEFINES
    CODEC_TYPE=CODEC_TYPE_AES128
    SQLITE_DEFAULT_MEMSTATUS=0
    SQLITE_OMIT_DEPRECATED
    SQLITE_OMIT_SHARED_CACHE)

function(lmt_add_sqlite target kind)
  add_library(${target} ${kind} ${LMT_SQLITE_DIR}/sqlite3.c)
  target_compile_definitions(${target} PRIVATE ${LMT_SQLITE_DEFINES})
  target_compile_options(${target} PRIVATE -O2 -w)
  target_include_directories(${target} SYSTEM PUBLIC ${LMT_SQLITE_DIR})
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # The AES-NI code path includes intrinsics headers that need SSE2 on 32-bit x86
    # (which every system that runs Windows 8 or later has).
    target_compile_options(${target} PRIVATE -msse2)
  endif()
endfunction()

if(WIN32)
  # Shipped beside the module under this file name.
  lmt_add_sqlite(lmtdbmanger SHARED)
  target_compile_definitions(lmtdbmanger PRIVATE "SQLITE_API=__declspec(dllexport)")
  set_target_properties(lmtdbmanger PROPERTIES PREFIX "" OUTPUT_NAME lmtdbmanger)
else()
  lmt_add_sqlite(lmtdbmanger STATIC)
  find_package(Threads REQUIRED)
  target_link_libraries(lmtdbmanger PUBLIC Threads::Threads ${CMAKE_DL_LIBS} m)
endif()
