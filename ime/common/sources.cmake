# Sources of ime/common.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/AnsiText.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/PercentEncoding.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/TrimText.cpp)
