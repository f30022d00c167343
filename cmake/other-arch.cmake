# The installer carries both architectures' module and SQLite library, and the tests type
# through both; so a MinGW build also needs the other architecture's lumatori.ime,
# lmtdbmanger.dll and lmt_demo.exe. They come from a MinGW build of the same tree for the
# other architecture: the one named by LMT_OTHER_ARCH_BUILD_DIR (configured there when it
# is not yet), or one of its own under other-arch/. The target lmt_other_arch brings them up
# to date and copies them to LMT_OTHER_ARCH_BIN.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(LMT_OTHER_ARCH x86_64)
else()
  set(LMT_OTHER_ARCH i686)
endif()
set(LMT_OTHER_ARCH_BUILD_DIR "" CACHE PATH
    "A MinGW build of this tree for the other architecture (${LMT_OTHER_ARCH})")
if(LMT_OTHER_ARCH_BUILD_DIR)
  set(lmt_other_dir ${LMT_OTHER_ARCH_BUILD_DIR})
else()
  set(lmt_other_dir ${CMAKE_BINARY_DIR}/other-arch)
endif()
set(LMT_OTHER_ARCH_BIN ${CMAKE_BINARY_DIR}/bin/other-arch)
set(LMT_OTHER_ARCH_FILES lumatori.ime lmtdbmanger.dll lmt_demo.exe)
list(TRANSFORM LMT_OTHER_ARCH_FILES PREPEND ${LMT_OTHER_ARCH_BIN}/ OUTPUT_VARIABLE lmt_other_files)

add_custom_target(lmt_other_arch
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR} -DBUILD=${lmt_other_dir}
          -DTOOLCHAIN=${PROJECT_SOURCE_DIR}/cmake/toolchain-${LMT_OTHER_ARCH}-w64-mingw32.cmake
          -DWERROR=${LMT_WERROR} -DHOST=${lmt_host_dir} -DPEER=${CMAKE_BINARY_DIR}
          -DOUT=${LMT_OTHER_ARCH_BIN} "-DFILES=${LMT_OTHER_ARCH_FILES}"
          -P ${PROJECT_SOURCE_DIR}/cmake/build-other-arch.cmake
  BYPRODUCTS ${lmt_other_files}
  COMMENT "Building the ${LMT_OTHER_ARCH} module in ${lmt_other_dir}"
  USES_TERMINAL
  VERBATIM)
