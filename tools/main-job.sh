#!/usr/bin/env bash
# The main job: installs what is missing, builds the module and the dictionaries, registers
# the module in a private Wine prefix, types a few codes into a real EDIT control, prints
# what the control holds, and saves a screenshot of the screen with the status bar and the
# candidate window (build/win64/main-job.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/install-deps.sh
build=build/win64
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake >/dev/null
ninja -C "$build" lmt_demo

prefix=$build/wineprefix
trap 'tools/wine-run.sh --prefix "$prefix" --stop' EXIT
out=$(mktemp)
tools/wine-run.sh --prefix "$prefix" "$build/bin/lmt_demo.exe" 'C:\lumatori-demo' > "$out" 2>&1 &
demo=$!
for _ in $(seq 600); do
  grep -q 'candidate window is up' "$out" && break
  kill -0 "$demo" 2>/dev/null || break
  sleep 0.1
done
if grep -q 'candidate window is up' "$out"; then
  DISPLAY=$(cat "$prefix.state/display") import -window root "$build/main-job.png"
fi
wait "$demo"
cat "$out"
rm -f "$out"
[ -f "$build/main-job.png" ] && echo "screenshot: $build/main-job.png"
