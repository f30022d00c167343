# Sources of ime/dictionary.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PhraseCodeRule.cpp)
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SQLiteTable3.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/SQLiteResultText.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/SqlText.cpp)
