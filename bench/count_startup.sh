#!/bin/sh
# Start-up counted in instructions (Valgrind's callgrind), which stay the same from run to run where times
# do not: Vantrel to its main window shown, and again until the pages it builds after the first drawing
# are built too, against the two yardsticks, a program that opens an empty main window and one whose
# window shows a text. All run headless with a fresh settings folder and the splash screen off.
#
#   bench/count_startup.sh BUILD_FOLDER [KEEP_FOLDER]
#
# KEEP_FOLDER keeps the callgrind files for callgrind_annotate.
set -eu
build=${1:?build folder with -DVANTREL_BENCH=ON}
keep=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Quillmoor" "$work/data"
printf '[Vantrel]\nSplash=0\nFileAssoc=1\n' >"$work/config/Quillmoor/Quillmoor.conf"

# count NAME PROGRAM [probe]: prints the instructions of one run
count() {
    out="$work/$1.callgrind"
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen \
        VANTREL_QUIT_WHEN_SHOWN="${3:-1}" \
        valgrind --tool=callgrind --callgrind-out-file="$out" "$2" >"$work/$1.log" 2>&1 ||
        { cat "$work/$1.log" >&2; exit 1; }
    [ -z "$keep" ] || { mkdir -p "$keep" && cp "$out" "$keep/"; }
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/$1.log"
}

empty=$(count empty "$build/bench/vantrel_empty_window")
text=$(count text "$build/bench/vantrel_text_window")
shown=$(count vantrel "$build/vantrel")
pages=$(count vantrel-pages "$build/vantrel" pages)

awk -v e="$empty" -v t="$text" -v s="$shown" -v p="$pages" 'BEGIN {
    printf "Start-up in instructions (callgrind; splash off, offscreen)\n"
    printf "  %-40s %14.1f million\n", "empty main window (yardstick)", e / 1e6
    printf "  %-40s %14.1f million\n", "main window with a text (yardstick)", t / 1e6
    printf "  %-40s %14.1f million  %.2fx the text window, %.2fx the empty one\n", \
        "Vantrel, main window shown", s / 1e6, s / t, s / e
    printf "  %-40s %14.1f million  %.2fx the text window, %.2fx the empty one\n", \
        "Vantrel, every page built", p / 1e6, p / t, p / e
}'
