# Sources are UTF-8; every narrow literal is compiled to GBK (code page 936),
# the encoding the module's strings, registry names and dictionaries use.
set(LMT_CXX_OPTIONS -finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra
                     -Wno-missing-field-initializers)
if(LMT_FUZZ)
  # clang takes only UTF-8 as its execution character set: the launcher compiles the
  # preprocessed text converted to GBK instead.
  list(REMOVE_ITEM LMT_CXX_OPTIONS -fexec-charset=GBK)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${PROJECT_SOURCE_DIR}/tools/fuzz/gbk-compile.sh)
endif()
if(LMT_WERROR)
  list(APPEND LMT_CXX_OPTIONS -Werror)
endif()

# Options for a target of our own code.
function(lmt_target_options target)
  target_compile_options(${target} PRIVATE ${LMT_CXX_OPTIONS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  if(LMT_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                                             -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  elseif(LMT_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
