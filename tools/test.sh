#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test:
#  - native build of the Windows-free code, tests under AddressSanitizer and UBSan;
#  - native clang build of the fuzz targets: each replays its corpus and fuzzes briefly;
#  - x86_64 MinGW build, tests under Wine;
#  - i686 MinGW build (the shipped target), tests under Wine where the machine runs 32-bit
#    programs (tools/probe-32bit.sh; install-deps.sh then installs 32-bit Wine), else one
#    line saying why they were not run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/install-deps.sh

jobs=$(nproc)
build() {  # build DIR [cmake args...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DLMT_WERROR=ON "$@" > "$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
  ninja -C "$dir" -j "$jobs"
}

mkdir -p build
status=0
summary=()
run_tests() {  # run_tests NAME DIR
  local log="build/$1.ctest.log"
  # A test that hangs (a dialog nobody answers) fails after ten minutes instead of stalling the run.
  if ctest --test-dir "$2" --output-on-failure --timeout 600 -j "$jobs" 2>&1 | tee "$log"; then :; else status=1; fi
  summary+=("$1: $(grep -E 'tests passed|tests failed' "$log" | tail -1)")
}

# The dictionaries are made once, by an optimised native build, for both MinGW builds.
cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Release > build/host.configure.log 2>&1 ||
  { cat build/host.configure.log; exit 1; }
ninja -C build/host -j "$jobs" lmt_dictionaries
host=(-DLMT_HOST_BUILD_DIR="$root/build/host")
# Each MinGW build takes the other architecture's module (for its installer) from the other.
peer() { echo "-DLMT_OTHER_ARCH_BUILD_DIR=$root/build/$1"; }

build build/native -DLMT_SANITIZE=ON
run_tests native build/native

# The fuzz targets under libFuzzer, 10 seconds each (tools/hostile.sh: as long as asked).
build build/fuzz -DLMT_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
run_tests fuzz build/fuzz

stop_wine() {
  for dir in build/win64 build/win32; do tools/wine-run.sh --prefix "$dir/wineprefix" --stop; done
}
trap stop_wine EXIT

build build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake "${host[@]}" "$(peer win32)"
run_tests win64 build/win64

build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake "${host[@]}" "$(peer win64)"
logs=(build/native.ctest.log build/fuzz.ctest.log build/win64.ctest.log)
if why_not=$(bash tools/probe-32bit.sh); then
  run_tests i686 build/win32
  logs+=(build/i686.ctest.log)
else
  summary+=("i686: the Wine suite was not run: $why_not")
  # The export table is read from the file: that check needs no 32-bit program.
  if ctest --test-dir build/win32 -R module_exports_test --output-on-failure; then :; else status=1; fi
fi

echo
echo "== Summary"
printf '%s\n' "${summary[@]}"
# The short hostile suite: the fuzz targets and the hostile_* drivers of the x86_64 run.
echo
bash tools/hostile.sh --table || status=1
# One closing line over every test run.
total=0 failed=0
for log in "${logs[@]}"; do
  line=$(grep -E 'tests failed out of' "$log" | tail -1)
  [ -n "$line" ] || { status=1; continue; }
  total=$((total + $(sed -E 's/.* out of ([0-9]+).*/\1/' <<< "$line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<< "$line")))
done
echo "tests: $((total - failed)) passed, $failed failed"
exit $status
