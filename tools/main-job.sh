#!/usr/bin/env bash
# The main job: installs what is missing, builds the module for x86_64, and starts it in a
# private Wine prefix the way an application does, then shows the settings it wrote.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/install-deps.sh
build=build/win64
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
ninja -C "$build" lumatori lmt_demo

run() { tools/wine-run.sh --prefix "$build/wineprefix" "$@"; }
trap 'tools/wine-run.sh --prefix "$build/wineprefix" --stop' EXIT
run "$build/bin/lmt_demo.exe" "$build/bin/lumatori.ime"
