# The command line of the program, run on the golden designs of tests/data without a display:
#   cmake -DVANTREL=<exe> -DSOURCE_DIR=<source tree> -P tests/cli/CliTest.cmake
# The program reads the catalog beside itself, so it runs as a copy in a scratch folder next to the
# test catalog of tests/data/catalog; the shipped catalog plays no part.

if(NOT VANTREL OR NOT SOURCE_DIR)
  message(FATAL_ERROR "run with -DVANTREL=<program> -DSOURCE_DIR=<source tree>")
endif()

set(data "${SOURCE_DIR}/tests/data")
string(RANDOM LENGTH 8 tag)
set(work "${CMAKE_CURRENT_BINARY_DIR}/cli-test-${tag}")
file(REMOVE_RECURSE "${work}")
get_filename_component(exe_name "${VANTREL}" NAME)

# A copy of the program with `catalog` beside it.
function(install_copy folder catalog)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY "${VANTREL}" DESTINATION "${folder}")
  file(COPY_FILE "${catalog}" "${folder}/stuff.plb")
endfunction()

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

# --summary: the seven status figures recomputed from the file, then the save warning if any.
foreach(case new-design quad-turret)
  run("${exe}" --summary "${data}/${case}/design.vnt")
  file(READ "${data}/${case}/summary.txt" expected)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    fail("--summary ${case}: exit status ${rc}, stderr: ${err}")
  endif()
  if(NOT out STREQUAL expected)
    fail("--summary ${case} printed:\n${out}\nexpected:\n${expected}")
  endif()
endforeach()

# A file that ends early names its first missing record.
run("${exe}" --summary "${data}/truncated/design.vnt")
expect_refusal("--summary truncated" "${data}/truncated/design.vnt" "record 623")
run("${exe}" --summary "${data}/bad-span/design.vnt")
expect_refusal("--summary bad-span" "record 654" "BodySpan[11]")
run("${exe}" --summary "${work}/no-such-file.vnt")
expect_refusal("--summary missing file" "no-such-file.vnt")

# --check: the findings, exit status 1 when one is an error; --breakdown: every term and the totals.
foreach(case_status new-design:0 quad-turret:1)
  string(REPLACE ":" ";" pair "${case_status}")
  list(GET pair 0 case)
  list(GET pair 1 status)
  run("${exe}" --check "${data}/${case}/design.vnt")
  file(READ "${data}/${case}/check.txt" expected)
  if(NOT rc EQUAL status OR NOT err STREQUAL "" OR NOT out STREQUAL expected)
    fail("--check ${case}: exit status ${rc} (expected ${status}), stderr: ${err}, printed:\n${out}\nexpected:\n${expected}")
  endif()
  run("${exe}" --breakdown "${data}/${case}/design.vnt")
  file(READ "${data}/${case}/breakdown.txt" expected)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out STREQUAL expected)
    fail("--breakdown ${case}: exit status ${rc}, stderr: ${err}, printed:\n${out}\nexpected:\n${expected}")
  endif()
endforeach()
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
