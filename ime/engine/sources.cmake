# Sources of ime/engine.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CandidateList.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/EngineState.cpp)
if(WIN32)
  target_sources(lmt_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ContextBlocks.cpp)
endif()
# Key processing, selection and commit, entry points, modes and character output.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PunctuationTable.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/FullWidthTable.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/SoftKeyboardLayouts.cpp)
if(WIN32)
  target_sources(lmt_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CandidateSelection.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CharacterOutput.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/Composition.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/ContextLocks.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/EntryPoints.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/HostQuirks.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/InputControl.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/InputOwner.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/KeyClassify.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/KeyProcessing.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/Messages.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/NotifyIme.cpp)
endif()
