# The help file lumatori.chm, compiled from the HTML sources in docs/help with chmcmd
# (Debian's fp-utils). LMT_HELP_FILE names it; the target lmt_help brings it up to date.
find_program(LMT_CHMCMD chmcmd)
if(NOT LMT_CHMCMD)
  message(FATAL_ERROR "chmcmd is missing: install the Debian package fp-utils (tools/install-deps.sh)")
endif()
set(LMT_HELP_FILE ${CMAKE_BINARY_DIR}/bin/lumatori.chm)
file(GLOB lmt_help_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/help/*)
add_custom_command(OUTPUT ${LMT_HELP_FILE}
  COMMAND bash ${PROJECT_SOURCE_DIR}/tools/make-help.sh ${PROJECT_SOURCE_DIR}/docs/help ${LMT_HELP_FILE}
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-help.sh ${lmt_help_sources}
  COMMENT "Compiling the help file")
add_custom_target(lmt_help ALL DEPENDS ${LMT_HELP_FILE})
