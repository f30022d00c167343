# Sources of ime/settings.
if(WIN32)
  target_sources(lmt_module PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CaretPlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Globals.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Updater.cpp)
endif()
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ListFileText.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/PathText.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/WebSearchAddress.cpp)
if(WIN32)
  target_sources(lmt_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Launch.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/WebSearch.cpp)
endif()
