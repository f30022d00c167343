#!/usr/bin/env bash
# The main job: installs what is missing and builds both MinGW builds, each installer carrying
# both architectures' module. In a fresh Wine prefix it then runs the real installer — the
# shipped 32-bit one where the machine runs 32-bit programs, the 64-bit one elsewhere — and
# goes through its wizard as a user does ("下一步", "我接受", "开始安装"), types codes into a
# real EDIT control of a fresh 64-bit application (and of a 32-bit one where it can) through
# the installed input method, and prints what the control holds. Screenshots:
# build/main-job-wizard.png (the wizard's last page) and build/main-job.png (the typing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/install-deps.sh
mkdir -p build
log=build/main-job.build.log
: > "$log"
quietly() { "$@" >> "$log" 2>&1 || { tail -40 "$log"; echo "failed: $*" >&2; exit 1; }; }
configure() {  # configure BUILD ARCH OTHER_BUILD
  quietly cmake -S . -B "build/$1" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$2-w64-mingw32.cmake" \
    -DLMT_HOST_BUILD_DIR="$root/build/host" -DLMT_OTHER_ARCH_BUILD_DIR="$root/build/$3"
}
echo "== Building both installers (log: $log)"
quietly cmake -S . -B build/host -G Ninja -DCMAKE_BUILD_TYPE=Release
quietly ninja -C build/host lmt_dictionaries
configure win32 i686 win64
configure win64 x86_64 win32
quietly ninja -C build/win32 lmtsetup lmt_setup_driver
quietly ninja -C build/win64 lmtsetup lmt_setup_driver lmt_demo

prefix=build/main-job/wineprefix
wine() { tools/wine-run.sh --prefix "$prefix" "$@"; }
# A Windows program's output is read from a file: Wine's helper processes inherit a pipe.
run() {  # run PROGRAM [ARGS...]: runs it, prints its output, answers its exit code
  local out status=0
  out=$(mktemp)
  wine "$@" > "$out" 2>&1 || status=$?
  cat "$out"
  rm -f "$out"
  return $status
}
windows_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

wine --stop
rm -rf "$prefix" "$prefix.state"
trap 'tools/wine-run.sh --prefix "$prefix" --stop' EXIT
# Wine draws the windows' title bars itself (there is no window manager), so that the
# screenshot shows the wizard's caption.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f > /dev/null 2>&1

# The 32-bit driver answers its usage (2) exactly where 32-bit programs run.
status=0
wine build/win32/bin/lmt_setup_driver.exe > /dev/null 2>&1 || status=$?
if [ $status -eq 2 ]; then
  setup=build/win32/bin/lmtsetup.exe
  runs32=1
else
  setup=build/win64/bin/lmtsetup.exe
  runs32=0
  echo "(this machine does not run 32-bit programs under Wine: the 64-bit installer is used)"
fi

echo "== Installing with $setup"
run build/win64/bin/lmt_setup_driver.exe "$(windows_path "$setup")" \
  'C:\Program Files\Lumatori输入法' "$(windows_path build/main-job-wizard.bmp)"

steps=('k ' 'wq ' 'khlg ' 'r ')
echo "== Typing in a 64-bit application"
run build/win64/bin/lmt_demo.exe --screenshot "$(windows_path build/main-job.bmp)" "${steps[@]}"
if [ $runs32 -eq 1 ]; then
  echo "== Typing in a 32-bit application"
  run build/win64/bin/other-arch/lmt_demo.exe "${steps[@]}"
fi

for shot in main-job-wizard main-job; do
  convert "build/$shot.bmp" "build/$shot.png" && rm -f "build/$shot.bmp"
  echo "screenshot: build/$shot.png"
done
