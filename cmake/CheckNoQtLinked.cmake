# Fails when the program named by PROGRAM needs a Qt library, directly or through another
# library. Run after linking orvanta-cli, whose commands that only compute must start without Qt.
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${PROGRAM}
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved)
foreach(library IN LISTS resolved unresolved)
  get_filename_component(name ${library} NAME)
  if(name MATCHES "^libQt")
    message(FATAL_ERROR "${PROGRAM} needs ${name}: the commands that do not draw must link no Qt; "
                        "put drawing code into the orvanta-cli-draw plugin")
  endif()
endforeach()
