# The compiled help file holds every page of its sources, and every entry of its contents
# names a page it holds; its texts are GBK, the code page HTML Help reads a Chinese help in.
#   cmake -DCHMLS=<chmls> -DCHM=<lumatori.chm> -DSOURCES=<docs/help> -DWORK=<dir> -P ...
execute_process(COMMAND ${CHMLS} --no-page -n list ${CHM}
                OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${CHMLS} could not read ${CHM}")
endif()

file(GLOB pages RELATIVE ${SOURCES} ${SOURCES}/*.html)
list(LENGTH pages count)
if(count LESS 8)
  message(FATAL_ERROR "the guide has only ${count} pages")
endif()
foreach(file ${pages} toc.hhc index.hhk style.css)
  if(NOT listing MATCHES "\n/${file}\n")
    message(FATAL_ERROR "${CHM} lacks ${file}")
  endif()
endforeach()

file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CHMLS} extract ${CHM} /toc.hhc ${WORK}/toc.hhc OUTPUT_QUIET
                RESULT_VARIABLE result)
file(READ ${WORK}/toc.hhc toc)
string(REGEX MATCHALL "name=\"Local\" value=\"[^\"]+\"" locals "${toc}")
list(LENGTH locals entries)
if(NOT result EQUAL 0 OR NOT entries EQUAL count)
  message(FATAL_ERROR "the contents list ${entries} entries for ${count} pages")
endif()
foreach(entry ${locals})
  string(REGEX REPLACE ".*value=\"([^\"]+)\"" "\\1" page "${entry}")
  if(NOT listing MATCHES "\n/${page}\n")
    message(FATAL_ERROR "the contents name ${page}, which the help file lacks")
  endif()
endforeach()

# "使用帮助" in the title of the first page, as GBK bytes.
execute_process(COMMAND ${CHMLS} extract ${CHM} /index.html ${WORK}/index.html OUTPUT_QUIET)
file(READ ${WORK}/index.html first HEX)
if(NOT first MATCHES "cab9d3c3b0efd6fa")
  message(FATAL_ERROR "index.html of ${CHM} is not in GBK")
endif()
