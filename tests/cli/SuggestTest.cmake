# --suggest of the program, without a display: a copy of the program beside the test catalog, on the
# new design of tests/data (a Light suit with 650 kg and 19 slots to fill).

set(work_name suggest-test)
include("${CMAKE_CURRENT_LIST_DIR}/CliCommon.cmake")
install_copy("${work}/bin" "${data}/catalog/stuff.plb")
set(exe "${work}/bin/${exe_name}")
set(design "${data}/new-design/design.vnt")

function(expect_out label status)
  if(NOT rc EQUAL status)
    fail("${label}: exit status ${rc}, expected ${status} (stderr: ${err})")
  endif()
  foreach(want IN LISTS ARGN)
    string(FIND "${out}" "${want}" at)
    if(at EQUAL -1)
      fail("${label}: \"${want}\" missing from:\n${out}")
    endif()
  endforeach()
endfunction()

# The best Battle Value: one SRM 4 and its loads in every slot left; each block gives the value, the
# seven status figures and what is added.
run("${exe}" --suggest "${design}" --top 2)
expect_out("--suggest" 0 "Objective: bv (Estimated BV)\nThe design now: 11\nProven best ("
  "\n1. Estimated BV: 691\n   Current Kg: 660\n   Free Kg: 90\n   Max Heat: 0\n   Heat Dissipation: 1\n"
  "   Free CSlots: 0\n   Estimated BV: 691\n   Cost: 123500\n   + 1 x SRM 4\n   + 16 x SRM 4 Ammo\n"
  "\n2. Estimated BV: 658\n")
if(out MATCHES "\n3\\. " OR NOT err STREQUAL "")
  fail("--suggest --top 2 printed more than two proposals or on standard error:\n${out}\n${err}")
endif()

# Damage at long range counts only what reaches it: the flamer does not.
run("${exe}" --suggest "${design}" --objective damage-long --top 1 --time-limit 5)
expect_out("--objective damage-long" 0 "Objective: damage-long (Damage at long range)" "1. Damage at long range: ")
string(FIND "${out}" "Flamer" at)
if(NOT at EQUAL -1)
  fail("--objective damage-long proposes a flamer that does not reach long range:\n${out}")
endif()

# --apply writes the first proposal placed: the file's own summary shows its figures, its check finds
# nothing wrong, and a second search finds nothing more to add.
set(applied "${work}/applied.vnt")
run("${exe}" --suggest "${design}" --apply "${applied}")
expect_out("--apply" 0 "Proposal 1 written to ${applied}.")
run("${exe}" --summary "${applied}")
expect_out("--summary of the applied design" 0 "Current Kg: 660\nFree Kg: 90\n" "Estimated BV: 691\nCost: 123500\n")
run("${exe}" --check "${applied}")
if(NOT rc EQUAL 0 OR out MATCHES "error|warning")
  fail("--check of the applied design: exit status ${rc}:\n${out}")
endif()
run("${exe}" --suggest "${applied}" --apply "${work}/again.vnt")
expect_out("--suggest on a full design" 1 "No equipment that adds to the Estimated BV can be added:")
if(EXISTS "${work}/again.vnt")
  fail("--apply wrote a design although nothing could be added")
endif()

# Refusals: a bad option value or a damaged design exit with status 2; a design that cannot be
# written leaves nothing behind.
foreach(args "--objective;speed" "--top;0" "--top;2.5" "--time-limit;0" "--time-limit;x" "--apply")
  run("${exe}" --suggest "${design}" ${args})
  if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage" OR NOT out STREQUAL "")
    fail("--suggest ${args}: exit status ${rc}, stdout: ${out}, stderr: ${err}")
  endif()
endforeach()
run("${exe}" --suggest "${data}/truncated/design.vnt")
if(NOT rc EQUAL 2 OR NOT err MATCHES "record 623")
  fail("--suggest truncated: exit status ${rc}, stderr: ${err}")
endif()
run("${exe}" --suggest "${design}" --apply "${work}/no-such-folder/out.vnt")
if(NOT rc EQUAL 2 OR NOT err MATCHES "Cannot write the design")
  fail("--apply into a missing folder: exit status ${rc}, stderr: ${err}")
endif()

file(REMOVE_RECURSE "${work}")
