# Sources of ime/dictionary.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PhraseCodeRule.cpp)
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SQLiteTable3.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/FileStamp.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/HeldConnections.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/SQLiteResultText.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/SqlText.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/LookupStatements.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/UserDictionaryLayout.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/PhraseImportFile.cpp)
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CandidateText.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CandidateRecord.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CandidateMerge.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/CandidateLookup.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/DictionaryFiles.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/DictionaryRows.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/PhraseCharacters.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/ReverseLookup.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/UserPhrases.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/UserDictionaryBackups.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/FolderFiles.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/PhraseTransfer.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/VariantTable.cpp)
# The simplified/traditional character table, generated from OpenCC's data at build time.
find_program(LMT_OPENCC_DICT opencc_dict)
set(LMT_OPENCC_DATA /usr/share/opencc)
if(NOT LMT_OPENCC_DICT OR NOT EXISTS ${LMT_OPENCC_DATA}/STCharacters.ocd2
   OR NOT EXISTS ${LMT_OPENCC_DATA}/TSCharacters.ocd2)
  message(FATAL_ERROR "OpenCC is missing (opencc_dict and ${LMT_OPENCC_DATA}/STCharacters.ocd2, "
                      "TSCharacters.ocd2): install the Debian package opencc (tools/install-deps.sh)")
endif()
set(LMT_VARIANT_TABLE ${CMAKE_BINARY_DIR}/generated/VariantTableData.cpp)
add_custom_command(OUTPUT ${LMT_VARIANT_TABLE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND bash ${PROJECT_SOURCE_DIR}/tools/gen-variant-table.sh ${LMT_OPENCC_DICT}
          ${LMT_OPENCC_DATA} ${LMT_VARIANT_TABLE}
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/gen-variant-table.sh ${LMT_OPENCC_DATA}/STCharacters.ocd2
          ${LMT_OPENCC_DATA}/TSCharacters.ocd2
  COMMENT "Generating the simplified/traditional character table")
target_sources(lmt_portable PRIVATE ${LMT_VARIANT_TABLE})
if(WIN32)
  target_sources(lmt_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SqliteLibrary.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/TraditionalConversion.cpp)
endif()
