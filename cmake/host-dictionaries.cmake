# The dictionaries are made by a host program (tools/dictbuilder) at build time. A native
# build makes them itself (target lmt_dictionaries); a cross build takes them from a native
# build of the same tree: the one named by LMT_HOST_BUILD_DIR, or one it configures itself.
# Sets LMT_DICT_ROOT (holding lumatoridb\ and the default list files) and the target
# lmt_host_dictionaries that brings it up to date.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

set(LMT_HOST_BUILD_DIR "" CACHE PATH "A native build of this tree whose dictionaries to use")
if(LMT_HOST_BUILD_DIR)
  set(lmt_host_dir ${LMT_HOST_BUILD_DIR})
else()
  set(lmt_host_dir ${CMAKE_BINARY_DIR}/host)
endif()
set(LMT_DICT_ROOT ${lmt_host_dir}/dict)
# One of the builder's outputs stands for all of them: what embeds the dictionaries
# depends on it.
set(LMT_DICT_STAMP ${LMT_DICT_ROOT}/lumatoridb/lmtsys_ODD.db)

if(LMT_HOST_BUILD_DIR)
  add_custom_target(lmt_host_dictionaries
    COMMAND ${CMAKE_COMMAND} --build ${lmt_host_dir} --target lmt_dictionaries
    BYPRODUCTS ${LMT_DICT_STAMP}
    USES_TERMINAL)
else()
  include(ExternalProject)
  ExternalProject_Add(lmt_host_dictionaries
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${lmt_host_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${lmt_host_dir} --target lmt_dictionaries
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${LMT_DICT_STAMP}
    USES_TERMINAL_BUILD ON)
endif()
