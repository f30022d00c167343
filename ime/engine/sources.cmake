# Sources of ime/engine.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CandidateList.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/EngineState.cpp)
if(WIN32)
  target_sources(lmt_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ContextBlocks.cpp)
endif()
