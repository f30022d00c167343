# Sources of ime/engine.
# The key core: plain functions over a context's blocks and the engine's values, built for
# every target and natively under the sanitizers.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/BlockLayouts.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CandidateFill.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CandidateList.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CandidateSelection.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CharacterOutput.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/Composition.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/EngineState.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/FullWidthTable.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/InputControl.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/KeyClassify.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/KeyCore.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/MessageBuilder.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/PunctuationTable.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/SoftKeyboardLayouts.cpp)
# The IMM adapter: the entry points, the locking of contexts, the delivery of messages and
# the engine's place in the process.
if(WIN32)
  target_sources(lmt_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ContextBlocks.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/ContextCall.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/ContextLocks.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/EngineCalls.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/EngineInstance.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/EntryPoints.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/HostQuirks.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/KeyProcessing.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/ModuleStart.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/NotifyIme.cpp)
endif()
