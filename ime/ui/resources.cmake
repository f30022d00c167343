# The bitmaps and the hand cursor of the windows, drawn by tools/make-bitmaps.py into the
# build tree together with the resource-script fragment that lumatori.rc includes.
if(WIN32)
  # Debian's python3 carries PIL (python3-pil); a python3 earlier on PATH may not.
  find_program(LMT_BITMAP_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
  if(NOT LMT_BITMAP_PYTHON)
    find_program(LMT_BITMAP_PYTHON python3 REQUIRED)
  endif()
  set(lmt_bitmap_dir ${CMAKE_CURRENT_BINARY_DIR}/bitmaps)
  set(lmt_bitmap_rc ${lmt_bitmap_dir}/lumatori-bitmaps.rc)
  add_custom_command(
    OUTPUT ${lmt_bitmap_rc}
    COMMAND ${LMT_BITMAP_PYTHON} ${PROJECT_SOURCE_DIR}/tools/make-bitmaps.py ${lmt_bitmap_dir}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-bitmaps.py
    COMMENT "Drawing the module's bitmaps"
    VERBATIM)
  add_custom_target(lmt_bitmaps DEPENDS ${lmt_bitmap_rc})
  add_dependencies(lmt_resources lmt_bitmaps)
  target_include_directories(lmt_resources PRIVATE ${lmt_bitmap_dir})
  set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/resources/lumatori.rc APPEND PROPERTY
               OBJECT_DEPENDS ${lmt_bitmap_rc})
endif()
