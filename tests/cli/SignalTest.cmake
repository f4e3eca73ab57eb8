# The program's window ended by SIGTERM, SIGHUP or SIGINT, as a logout, a shutdown or Ctrl+C does,
# without a display.
# The program runs as a copy in a scratch folder with the shipped catalog, and its settings and data
# folders point into the scratch folder.

set(work_name signal-test)
include("${CMAKE_CURRENT_LIST_DIR}/CliCommon.cmake")
install_copy("${work}/bin" "${SOURCE_DIR}/data/stuff.plb")
set(exe "${work}/bin/${exe_name}")

# No splash screen and no file-type registration: the window comes straight up.
file(WRITE "${work}/config/Quillmoor/Quillmoor.conf" "[Vantrel]\nSplash=0\nFileAssoc=1\n")
set(folder "${work}/data/Quillmoor/Quillmoor")
set(ENV{HOME} "${work}")
set(ENV{XDG_CONFIG_HOME} "${work}/config")
set(ENV{XDG_DATA_HOME} "${work}/data")
set(ENV{XDG_CACHE_HOME} "${work}/cache")
set(ENV{XDG_RUNTIME_DIR} "")
set(ENV{QT_QPA_PLATFORM} "offscreen")
unset(ENV{VANTREL_RECOVERY_DIR})

# Starts the program, waits until it holds its recovery lock (taken after the handlers are in place,
# before the window shows), lets it settle, sends the signal and prints its exit status.
file(WRITE "${work}/signal.sh" [=[
"$1" & pid=$!
( sleep 30 & s=$!; trap 'kill $s; exit 0' TERM; wait $s; kill -KILL $pid ) >/dev/null 2>&1 & guard=$!
i=0
while ! ls "$2"/recovery-*.lock >/dev/null 2>&1; do
  i=$((i + 1)); [ $i -gt 400 ] && break
  sleep 0.05
done
sleep 0.5
kill -$3 $pid
wait $pid; status=$?
kill $guard 2>/dev/null
echo "status $status"
]=])
function(run_and_signal signal)
  run(sh "${work}/signal.sh" "${exe}" "${folder}" "${signal}")
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# A copy kept from an earlier session: the start-up question is open when SIGTERM comes, and the
# copy outlives it.
file(MAKE_DIRECTORY "${folder}")
file(COPY_FILE "${data}/new-design/design.vnt" "${folder}/recovery.vnt")
file(WRITE "${folder}/recovery.path" "/nowhere/suit.vnt")
run_and_signal(TERM)
if(NOT out STREQUAL "status 0\n")
  fail("SIGTERM during the start-up question: ${out} (stderr: ${err})")
endif()
file(READ "${folder}/recovery.vnt" kept HEX)
file(READ "${data}/new-design/design.vnt" expected HEX)
if(NOT kept STREQUAL expected)
  fail("SIGTERM during the start-up question changed or removed the recovery copy")
endif()

# Nothing unsaved: SIGHUP, and SIGINT (Ctrl+C in the terminal), end the program cleanly (its lock
# let go) and leave no copy.
file(REMOVE "${folder}/recovery.vnt" "${folder}/recovery.path")
foreach(signal HUP INT)
  run_and_signal(${signal})
  if(NOT out STREQUAL "status 0\n")
    fail("SIG${signal} with nothing unsaved: ${out} (stderr: ${err})")
  endif()
  file(GLOB left "${folder}/recovery*")
  if(left)
    fail("SIG${signal} with nothing unsaved left a recovery copy or its lock behind: ${left}")
  endif()
endforeach()

file(REMOVE_RECURSE "${work}")
