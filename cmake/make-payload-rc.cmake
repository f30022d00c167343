# Writes the resource script of the dictionary package: a manifest (RCDATA "FILES", one
# name a line, relative to the installation directory) and each file as RCDATA 1, 2, ...
#   cmake -DROOT=<dict root> -DOUT=<file.rc> -P make-payload-rc.cmake
# Each glob comes sorted.
file(GLOB dictionaries RELATIVE ${ROOT} ${ROOT}/lumatoridb/*)
file(GLOB lists RELATIVE ${ROOT} ${ROOT}/*.ini)
set(names ${dictionaries} ${lists})
if(NOT names)
  message(FATAL_ERROR "no dictionary files in ${ROOT}")
endif()

get_filename_component(out_dir ${OUT} DIRECTORY)
set(manifest "")
set(script "FILES RCDATA \"${out_dir}/payload-files.txt\"\n")
set(id 1)
# A name holding ";" (the file of the zx codes that begin with it) comes out of the list
# in pieces, which are joined again until they name a file.
set(name "")
foreach(piece IN LISTS names)
  string(APPEND name "${piece}")
  if(NOT EXISTS "${ROOT}/${name}")
    string(APPEND name ";")
    continue()
  endif()
  string(REPLACE "/" "\\" windows_name "${name}")
  string(APPEND manifest "${windows_name}\n")
  string(APPEND script "${id} RCDATA \"${ROOT}/${name}\"\n")
  math(EXPR id "${id} + 1")
  set(name "")
endforeach()
file(WRITE ${out_dir}/payload-files.txt "${manifest}")
file(WRITE ${OUT} "${script}")
