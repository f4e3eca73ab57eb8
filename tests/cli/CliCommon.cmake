# Shared by the command-line test scripts, each run as
#   cmake -DVANTREL=<exe> -DSOURCE_DIR=<source tree> -P tests/cli/<script>.cmake
# Sets `data`, `exe_name` and the scratch folder `work`, named after the script's `work_name`.

if(NOT VANTREL OR NOT SOURCE_DIR)
  message(FATAL_ERROR "run with -DVANTREL=<program> -DSOURCE_DIR=<source tree>")
endif()
set(data "${SOURCE_DIR}/tests/data")
string(RANDOM LENGTH 8 tag)
set(work "${CMAKE_CURRENT_BINARY_DIR}/${work_name}-${tag}")
file(REMOVE_RECURSE "${work}")
get_filename_component(exe_name "${VANTREL}" NAME)

# A copy of the program with `catalog` beside it.
function(install_copy folder catalog)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY "${VANTREL}" DESTINATION "${folder}")
  file(COPY_FILE "${catalog}" "${folder}/stuff.plb")
endfunction()

function(fail what)
  file(REMOVE_RECURSE "${work}")
  message(FATAL_ERROR "${what}")
endfunction()

# Runs the program; sets rc, out and err in the caller.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE r OUTPUT_VARIABLE o ERROR_VARIABLE e)
  set(rc "${r}" PARENT_SCOPE)
  set(out "${o}" PARENT_SCOPE)
  set(err "${e}" PARENT_SCOPE)
endfunction()
