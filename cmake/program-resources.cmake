# kelm_program_resources(target program description [icon]): the version record and the
# manifest (PROGRAM.manifest.in beside the caller's CMakeLists.txt) of a Windows program,
# compiled into target. An icon, when given, is the program's "MAINICON".
function(kelm_program_resources target program description)
  set(KELM_PROGRAM ${program})
  set(KELM_DESCRIPTION ${description})
  set(icon ${ARGN})
  set(KELM_ICON_RESOURCE "")
  if(icon)
    set(KELM_ICON_RESOURCE "MAINICON ICON \"${icon}\"")
  endif()
  set(KELM_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${program}.manifest)
  configure_file(${program}.manifest.in ${KELM_MANIFEST} @ONLY)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${program}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${rc} @ONLY)
  # The resource compiler reads these by name: a change to either must rebuild the resources.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${KELM_MANIFEST};${icon}")
  target_sources(${target} PRIVATE ${rc})
endfunction()
