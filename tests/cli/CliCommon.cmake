# Shared by the command-line test scripts; `work` names the script's scratch folder.

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
