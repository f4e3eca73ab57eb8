# --record-sheet with several designs, --kind and --per-page: pages in order, one bookmark per
# design, a design that cannot be read named while the others are still drawn.

set(work_name sheets-test)
include("${CMAKE_CURRENT_LIST_DIR}/CliCommon.cmake")
install_copy("${work}/bin" "${data}/catalog/stuff.plb")
set(exe "${work}/bin/${exe_name}")
set(new "${data}/new-design/design.vnt")
set(quad "${data}/quad-turret/design.vnt")

# Page count and the bookmarks ("title @page" each) of a PDF; sets `pages` and `marks`.
function(pdf_book pdf)
  execute_process(COMMAND pdfinfo "${pdf}" OUTPUT_VARIABLE info)
  execute_process(COMMAND pdftohtml -xml -stdout -i -q "${pdf}" OUTPUT_VARIABLE xml RESULT_VARIABLE r)
  if(NOT r EQUAL 0 OR NOT info MATCHES "Pages: +([0-9]+)")
    fail("pdfinfo or pdftohtml failed on ${pdf}")
  endif()
  set(pages "${CMAKE_MATCH_1}" PARENT_SCOPE)
  string(REGEX MATCHALL "<item page=\"[0-9]+\">[^<]*</item>" items "${xml}")
  set(list "")
  foreach(item IN LISTS items)
    string(REGEX REPLACE "<item page=\"([0-9]+)\">([^<]*)</item>" "\\2 @\\1" item "${item}")
    list(APPEND list "${item}")
  endforeach()
  set(marks "${list}" PARENT_SCOPE)
endfunction()

function(expect_book label want_pages)
  if(NOT pages EQUAL want_pages OR NOT "${marks}" STREQUAL "${ARGN}")
    fail("${label}: ${pages} pages, bookmarks [${marks}], wanted ${want_pages} pages, [${ARGN}]")
  endif()
endfunction()

# Four play blocks to a page: five designs make two pages, the bookmarks in the order named.
run("${exe}" --record-sheet "${new}" "${quad}" "${new}" "${quad}" "${new}" "${work}/play.pdf" --kind play)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  fail("--kind play: exit status ${rc}, stderr: ${err}")
endif()
pdf_book("${work}/play.pdf")
expect_book("--kind play" 2 "Battle Armor 0 @1" "Quad Tester, Mk II @1" "Battle Armor 0 @1"
  "Quad Tester, Mk II @1" "Battle Armor 0 @2")
execute_process(COMMAND pdftotext -layout "${work}/play.pdf" - OUTPUT_VARIABLE text)
foreach(want "Gunnery: _____" "Anti-'Mech: _____" "BV 3 per trooper, 11 per squad of 4" "SRM 4" "NOT LEGAL")
  string(FIND "${text}" "${want}" at)
  if(at EQUAL -1)
    fail("--kind play: \"${want}\" missing:\n${text}")
  endif()
endforeach()

# Skills given are written in.
run("${exe}" --record-sheet "${new}" "${work}/skills.pdf" --kind play --gunnery 4 --anti-mech 5)
execute_process(COMMAND pdftotext -layout "${work}/skills.pdf" - OUTPUT_VARIABLE text)
if(NOT rc EQUAL 0 OR NOT text MATCHES "Gunnery: 4 +Anti-'Mech: 5")
  fail("--gunnery 4 --anti-mech 5: exit status ${rc}, stderr: ${err}\n${text}")
endif()

# Design sheets: one a page by default, two to a page when asked; the order of the options is free.
run("${exe}" --record-sheet --paper letter "${quad}" "${new}" "${quad}" "${work}/design.pdf" --troopers 2)
pdf_book("${work}/design.pdf")
expect_book("design sheets" 3 "Quad Tester, Mk II @1" "Battle Armor 0 @2" "Quad Tester, Mk II @3")
run("${exe}" --record-sheet "${quad}" "${new}" "${quad}" "${work}/two.pdf" --per-page 2)
pdf_book("${work}/two.pdf")
expect_book("--per-page 2" 2 "Quad Tester, Mk II @1" "Battle Armor 0 @1" "Quad Tester, Mk II @2")
run("${exe}" --record-sheet "${new}" "${work}/one-play.pdf" --kind play --per-page 1)
pdf_book("${work}/one-play.pdf")
expect_book("one play sheet" 1 "Battle Armor 0 @1")

# A missing file and a refused one are named, one line each; the others are drawn; status 1.
run("${exe}" --record-sheet "${new}" "${work}/missing.vnt" "${data}/truncated/design.vnt" "${quad}"
  "${work}/some.pdf" --kind play)
string(REGEX MATCHALL "\n" breaks "${err}")
list(LENGTH breaks lines)
if(NOT rc EQUAL 1 OR NOT lines EQUAL 2 OR NOT err MATCHES "missing.vnt" OR NOT err MATCHES "truncated/design.vnt")
  fail("--record-sheet with a missing file: exit status ${rc}, stderr: ${err}")
endif()
pdf_book("${work}/some.pdf")
expect_book("with a missing file" 1 "Battle Armor 0 @1" "Quad Tester, Mk II @1")

# None readable: status 2 and no file; bad values and too few files are usage errors.
run("${exe}" --record-sheet "${work}/missing.vnt" "${work}/gone.vnt" "${work}/none.pdf")
if(NOT rc EQUAL 2 OR EXISTS "${work}/none.pdf")
  fail("--record-sheet of no readable design: exit status ${rc}, stderr: ${err}")
endif()
foreach(bad "--kind;sheet" "--per-page;5" "--per-page;0" "--kind" "--gunnery;9" "--anti-mech;x")
  run("${exe}" --record-sheet "${new}" "${quad}" "${work}/bad.pdf" ${bad})
  if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage" OR EXISTS "${work}/bad.pdf")
    fail("--record-sheet with ${bad}: exit status ${rc}, stderr: ${err}")
  endif()
endforeach()
run("${exe}" --record-sheet "${work}/only.pdf" --kind play)
if(NOT rc EQUAL 2 OR NOT err MATCHES "Usage")
  fail("--record-sheet without a design: exit status ${rc}, stderr: ${err}")
endif()

# The output may not be one of the designs: the design stays as it was.
file(COPY_FILE "${new}" "${work}/mine.vnt")
file(READ "${work}/mine.vnt" before HEX)
run("${exe}" --record-sheet "${quad}" "${work}/mine.vnt" "${work}/mine.vnt")
file(READ "${work}/mine.vnt" after HEX)
if(NOT rc EQUAL 2 OR NOT err MATCHES "mine.vnt" OR NOT before STREQUAL after)
  fail("--record-sheet onto a design: exit status ${rc}, stderr: ${err}")
endif()

file(REMOVE_RECURSE "${work}")
