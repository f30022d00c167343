#!/usr/bin/env bash
# The hostile suite, in full, with its figures as a table: every fuzz target (native, under
# libFuzzer, ASan and UBSan) for SECONDS each, and the drivers under Wine at their full
# counts (LMT_HOSTILE=full): damaged dictionaries, SQL-breaking values, two writer
# processes, hostile settings and files, hostile calls of the entry points and windows.
#
#   tools/hostile.sh [--seconds SECONDS]   build, run everything, print the table (default 300)
#   tools/hostile.sh --table               the table of the last runs (tools/test.sh runs the
#                                          short version and prints it this way)
#
# Exits non-zero when any run failed or any count of faults is not 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

logs=(build/fuzz/Testing/Temporary/LastTest.log build/win64/Testing/Temporary/LastTest.log)

# Prints the table from the HOSTILE lines of the logs; fails when a fault count is not 0.
table() {
  cat "${logs[@]}" 2>/dev/null | tr -d '\r' | grep -a '^HOSTILE ' | awk '
    BEGIN {
      label["sql_values"] = "SQL-breaking values"
      label["writers"] = "two writer processes"
      label["settings"] = "hostile settings and files"
      label["dictionaries"] = "damaged dictionaries"
      label["dictionaries_typed"] = "damaged dictionaries, typed"
      label["entry_points"] = "entry points and windows"
      n = split("crashes overruns exceptions statements_changed phrases_lost phrases_duplicated integrity_failures", column, " ")
      print "| input | tried | crashes | overruns | exceptions | statements changed | phrases lost | phrases duplicated | integrity failures | other counts |"
      print "|---|---:|---:|---:|---:|---:|---:|---:|---:|---|"
    }
    {
      name = $2
      if (name in label) name = label[name]
      else sub(/^fuzz:/, "fuzz: ", name)
      split("", count)
      for (i = 3; i <= NF; ++i) { split($i, kv, "="); count[kv[1]] = kv[2] }
      line = "| " name " | " count["inputs"] " |"
      for (c = 1; c <= n; ++c) {
        if (column[c] in count) { line = line " " count[column[c]] " |"; faults += count[column[c]] }
        else line = line " - |"
      }
      other = ""
      for (key in count) {
        known = key == "inputs"
        for (c = 1; c <= n; ++c) if (column[c] == key) known = 1
        if (known) continue
        other = other (other == "" ? "" : ", ") key " " count[key]
        if (key != "lock_conflicts") faults += count[key]
      }
      print line " " other " |"
      ++rows
    }
    END {
      if (!rows) { print "no figures: run the suite first"; exit 1 }
      print ""
      print "faults: " faults + 0
      exit faults > 0
    }'
}

if [ "${1:-}" = "--table" ]; then
  table
  exit
fi
seconds=300
if [ "${1:-}" = "--seconds" ]; then seconds=$2; fi

bash tools/install-deps.sh
jobs=$(nproc)
mkdir -p build
configure() {  # configure DIR [cmake args...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DLMT_WERROR=ON "$@" > "$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
}
status=0

configure build/fuzz -DLMT_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
ninja -C build/fuzz -j "$jobs"
LMT_FUZZ_SECONDS=$seconds ctest --test-dir build/fuzz -j "$jobs" --output-on-failure || status=1

cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Release > build/host.configure.log 2>&1 ||
  { cat build/host.configure.log; exit 1; }
ninja -C build/host -j "$jobs" lmt_dictionaries
configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake \
  -DLMT_HOST_BUILD_DIR="$root/build/host" -DLMT_OTHER_ARCH_BUILD_DIR="$root/build/win32"
drivers=(hostile_sql_values hostile_writers hostile_settings hostile_dictionaries hostile_calls)
ninja -C build/win64 -j "$jobs" "${drivers[@]}"
trap 'tools/wine-run.sh --prefix build/win64/wineprefix --stop' EXIT
LMT_HOSTILE=full ctest --test-dir build/win64 -R '^hostile_' --output-on-failure || status=1

echo
echo "== The hostile suite: tools/hostile.sh --seconds $seconds"
table || status=1
exit $status
