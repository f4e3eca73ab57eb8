# The command line of the program, run on the golden designs of tests/data without a display.
# The program reads the catalog beside itself, so it runs as a copy in a scratch folder next to the
# test catalog of tests/data/catalog; the shipped catalog plays no part.

set(work_name cli-test)
include("${CMAKE_CURRENT_LIST_DIR}/CliCommon.cmake")

# A refusal: exit status 2, nothing on standard output, exactly one line on standard error that
# contains every one of the given texts.
function(expect_refusal label)
  if(NOT rc EQUAL 2)
    fail("${label}: exit status ${rc}, expected 2 (stderr: ${err})")
  endif()
  if(NOT out STREQUAL "")
    fail("${label}: printed on standard output:\n${out}")
  endif()
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks lines)
  if(NOT lines EQUAL 1 OR NOT err MATCHES "\n$")
    fail("${label}: expected one line on standard error, got:\n${err}")
  endif()
  foreach(text IN LISTS ARGN)
    string(FIND "${err}" "${text}" at)
    if(at EQUAL -1)
      fail("${label}: \"${text}\" missing from: ${err}")
    endif()
  endforeach()
endfunction()

set(bin "${work}/bin")
install_copy("${bin}" "${data}/catalog/stuff.plb")
set(exe "${bin}/${exe_name}")

# `option` on a golden design prints its golden text, silent on standard error.
function(expect_golden option case status golden)
  run("${exe}" ${option} "${data}/${case}/design.vnt")
  file(READ "${data}/${case}/${golden}" expected)
  if(NOT rc EQUAL status OR NOT err STREQUAL "" OR NOT out STREQUAL expected)
    fail("${option} ${case}: exit status ${rc} (expected ${status}), stderr: ${err}, printed:\n${out}\nexpected:\n${expected}")
  endif()
endfunction()

# --summary: the seven status figures recomputed from the file, then the save warning if any.
expect_golden(--summary new-design 0 summary.txt)
expect_golden(--summary quad-turret 0 summary.txt)

# A file that ends early names its first missing record.
run("${exe}" --summary "${data}/truncated/design.vnt")
expect_refusal("--summary truncated" "${data}/truncated/design.vnt" "record 623")
run("${exe}" --summary "${data}/bad-span/design.vnt")
expect_refusal("--summary bad-span" "record 654" "BodySpan[11]")
run("${exe}" --summary "${work}/no-such-file.vnt")
expect_refusal("--summary missing file" "no-such-file.vnt")

# --check: the findings, exit status 1 when one is an error; --breakdown: every term and the totals.
expect_golden(--check new-design 0 check.txt)
expect_golden(--check quad-turret 1 check.txt)
expect_golden(--breakdown new-design 0 breakdown.txt)
expect_golden(--breakdown quad-turret 0 breakdown.txt)
foreach(option --check --breakdown)
  run("${exe}" ${option} "${data}/truncated/design.vnt")
  expect_refusal("${option} truncated" "${data}/truncated/design.vnt" "record 623")
  run("${exe}" ${option})
  if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage")
    fail("${option} without a file: exit status ${rc}, stderr:\n${err}")
  endif()
endforeach()

# --export-text writes the readout byte for byte; a refused design writes nothing.
foreach(case new-design quad-turret)
  set(txt "${work}/${case}.txt")
  run("${exe}" --export-text "${data}/${case}/design.vnt" "${txt}")
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out STREQUAL "")
    fail("--export-text ${case}: exit status ${rc}, stdout: ${out}, stderr: ${err}")
  endif()
  file(READ "${txt}" written HEX)
  file(READ "${data}/${case}/readout.txt" expected HEX)
  if(NOT written STREQUAL expected)
    file(READ "${txt}" shown)
    fail("--export-text ${case} wrote:\n${shown}")
  endif()
endforeach()
run("${exe}" --export-text "${data}/truncated/design.vnt" "${work}/refused.txt")
expect_refusal("--export-text truncated" "record 623")
if(EXISTS "${work}/refused.txt")
  fail("--export-text wrote a readout of a refused design")
endif()

# An output that is the design itself (also through a link) is refused and the design stays whole.
set(mine "${work}/mine.vnt")
file(COPY_FILE "${data}/new-design/design.vnt" "${mine}")
file(CREATE_LINK "${mine}" "${work}/mine-link.txt" SYMBOLIC)
file(READ "${mine}" before HEX)
foreach(target "${mine}" "${work}/mine-link.txt" "${work}/./mine.vnt")
  run("${exe}" --export-text "${mine}" "${target}")
  expect_refusal("--export-text onto its design ${target}" "${target}" "it is the design file itself")
  run("${exe}" --record-sheet "${mine}" "${target}")
  expect_refusal("--record-sheet onto its design ${target}" "${target}" "it is the design file itself")
  file(READ "${mine}" after HEX)
  if(NOT after STREQUAL before)
    fail("writing onto the design itself (${target}) changed it")
  endif()
endforeach()

# Options.
run("${exe}" --help)
if(NOT rc EQUAL 0 OR NOT out MATCHES "--summary" OR NOT out MATCHES "--export-text" OR NOT out MATCHES "--check"
   OR NOT out MATCHES "--breakdown")
  fail("--help: exit status ${rc}, printed:\n${out}")
endif()
run("${exe}" --frobnicate)
if(NOT rc EQUAL 2 OR NOT err MATCHES "--frobnicate" OR NOT err MATCHES "Usage" OR NOT out STREQUAL "")
  fail("unknown option: exit status ${rc}, stderr:\n${err}")
endif()
run("${exe}" --summary)
if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage")
  fail("--summary without a file: exit status ${rc}, stderr:\n${err}")
endif()

# A catalog that ends early stops the command: the file, the record and the field.
file(READ "${data}/catalog/stuff.plb" catalog)
string(SUBSTRING "${catalog}" 0 300 short_catalog)
file(WRITE "${work}/short.plb" "${short_catalog}")
install_copy("${work}/short" "${work}/short.plb")
run("${work}/short/${exe_name}" --summary "${data}/new-design/design.vnt")
expect_refusal("short catalog" "${work}/short/stuff.plb" "record" "field")

file(REMOVE_RECURSE "${work}")
