# Builds the other architecture's module, SQLite library and typing demo in BUILD, and
# copies them to OUT (unchanged files keep their time, so nothing that embeds them is
# rebuilt). BUILD is configured first when it is not yet, naming this build (PEER) as its own
# other architecture.
if(NOT EXISTS ${BUILD}/CMakeCache.txt)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -G Ninja -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
            -DLMT_WERROR=${WERROR} -DLMT_HOST_BUILD_DIR=${HOST} -DLMT_OTHER_ARCH_BUILD_DIR=${PEER}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "configuring ${BUILD} failed")
  endif()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target lumatori lmtdbmanger lmt_demo
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "building the module in ${BUILD} failed")
endif()
foreach(file ${FILES})
  file(COPY ${BUILD}/bin/${file} DESTINATION ${OUT})
endforeach()
