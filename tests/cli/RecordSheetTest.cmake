# --record-sheet of the program, without a display: a copy of the program beside the test catalog,
# the PDF read back with pdftotext.

set(work_name sheet-test)
include("${CMAKE_CURRENT_LIST_DIR}/CliCommon.cmake")
install_copy("${work}/bin" "${data}/catalog/stuff.plb")
set(exe "${work}/bin/${exe_name}")

# The text of a PDF and its page count; sets `text` and `pages`.
function(pdf_text pdf)
  execute_process(COMMAND pdftotext -layout "${pdf}" - RESULT_VARIABLE r OUTPUT_VARIABLE t)
  execute_process(COMMAND pdfinfo "${pdf}" OUTPUT_VARIABLE info)
  if(NOT r EQUAL 0 OR NOT info MATCHES "Pages: +([0-9]+)")
    fail("pdftotext or pdfinfo failed on ${pdf}")
  endif()
  set(text "${t}" PARENT_SCOPE)
  set(pages "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

function(expect_text label)
  foreach(want IN LISTS ARGN)
    string(FIND "${text}" "${want}" at)
    if(at EQUAL -1)
      fail("${label}: \"${want}\" missing from the sheet:\n${text}")
    endif()
  endforeach()
endfunction()

# The saved new design: one page with its name, chassis, the seven status figures and four troopers
# of one pip each.
set(pdf "${work}/new.pdf")
run("${exe}" --record-sheet "${data}/new-design/design.vnt" "${pdf}")
if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out STREQUAL "")
  fail("--record-sheet new-design: exit status ${rc}, stdout: ${out}, stderr: ${err}")
endif()
pdf_text("${pdf}")
if(NOT pages EQUAL 1)
  fail("--record-sheet new-design: ${pages} pages")
endif()
expect_text("new-design" "Battle Armor" "Chassis: Humanoid Light (750Kg)" "Current Kg: 100" "Free Kg: 650"
  "Max Heat: 0" "Heat Dissipation: 1" "Free CSlots: 19" "Estimated BV: 11" "Cost: 47500"
  "Squad: 4 troopers" "Trooper 4")
string(REGEX MATCHALL "Trooper [1-9] +1 pip" troopers "${text}")
list(LENGTH troopers n)
string(FIND "${text}" "Trooper 5" fifth)
if(NOT n EQUAL 4 OR NOT fifth EQUAL -1)
  fail("new-design: expected 4 troopers with 1 pip each:\n${text}")
endif()

# Options: Letter paper and a squad of six; a Clan quad defaults to five.
run("${exe}" --record-sheet "${data}/quad-turret/design.vnt" "${work}/quad.pdf" --paper letter --troopers 6)
pdf_text("${work}/quad.pdf")
expect_text("quad --troopers 6" "Quad Tester, Mk II" "Squad: 6 troopers" "5 pips" "SRM 4 Ammo" "Unequipped")
execute_process(COMMAND pdfinfo "${work}/quad.pdf" OUTPUT_VARIABLE info)
if(NOT info MATCHES "612 x 792 pts")
  fail("--paper letter gave:\n${info}")
endif()
run("${exe}" --record-sheet "${data}/quad-turret/design.vnt" "${work}/quad5.pdf")
pdf_text("${work}/quad5.pdf")
expect_text("quad default squad" "Squad: 5 troopers")

# A refused design: one line naming the file and the record, status 2, the old sheet untouched.
file(WRITE "${work}/old.pdf" "the old sheet")
run("${exe}" --record-sheet "${data}/truncated/design.vnt" "${work}/old.pdf")
string(REGEX MATCHALL "\n" breaks "${err}")
list(LENGTH breaks lines)
if(NOT rc EQUAL 2 OR NOT lines EQUAL 1 OR NOT err MATCHES "truncated/design.vnt" OR NOT err MATCHES "record 623")
  fail("--record-sheet truncated: exit status ${rc}, stderr: ${err}")
endif()
file(READ "${work}/old.pdf" old)
if(NOT old STREQUAL "the old sheet")
  fail("--record-sheet of a refused design touched the old file")
endif()

# A sheet that cannot be written says why; bad options are usage errors.
run("${exe}" --record-sheet "${data}/new-design/design.vnt" "${work}/no-folder/x.pdf")
if(NOT rc EQUAL 2 OR NOT err MATCHES "no-folder" OR EXISTS "${work}/no-folder")
  fail("--record-sheet into a missing folder: exit status ${rc}, stderr: ${err}")
endif()
foreach(bad "--troopers;7" "--troopers;x" "--paper;a3" "--paper")
  run("${exe}" --record-sheet "${data}/new-design/design.vnt" "${work}/bad.pdf" ${bad})
  if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage" OR EXISTS "${work}/bad.pdf")
    fail("--record-sheet with ${bad}: exit status ${rc}, stderr: ${err}")
  endif()
endforeach()

file(REMOVE_RECURSE "${work}")
