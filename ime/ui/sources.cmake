# Sources of ime/ui.
target_sources(lmt_portable PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CandidateRows.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/HintLayout.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/MonitorChoice.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/Placement.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/WindowLayout.cpp)
# The window classes and the UI window.
if(WIN32)
  target_sources(lmt_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/WindowClasses.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/UIWindow.cpp)
endif()
# The module's windows.
if(WIN32)
  target_sources(lmt_module PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CandidateMouse.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CandidatePaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CandidatePlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CandidateSizeHold.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CandidateTimers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CandidateWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaretLocation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ContextMenuCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ContextPositions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ContextWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CreateWord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogFrame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DisplayScale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DictionaryNotice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HintWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IdleConnectionTimer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Menus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MonitorArea.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PaintCache.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhraseList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhraseFileCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoftKeyboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusClicks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StatusWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ThreadModal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiActivation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiChildren.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiOperations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiPaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiRecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiState.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowDrag.cpp)
endif()
