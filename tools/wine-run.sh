#!/usr/bin/env bash
# Runs one Windows program under wine64 with a private prefix, a private Xvfb display,
# LC_ALL=zh_CN.UTF-8 (ANSI code page 936) and WINEDEBUG=-all. Debian's wine64 hands 32-bit
# programs to the 32-bit loader when 32-bit Wine (wine32:i386) is installed; the prefix then
# holds both system directories (system32 and syswow64).
# The first call makes the prefix and starts the display and a persistent wineserver;
# later calls reuse them, so a program starts in well under a second.
#
#   wine-run.sh --prefix DIR PROGRAM [ARGS...]   run PROGRAM
#   wine-run.sh --prefix DIR --stop              stop the display and the wineserver
set -euo pipefail

[ "${1:-}" = --prefix ] || { echo "usage: $0 --prefix DIR (PROGRAM [ARGS...] | --stop)" >&2; exit 2; }
prefix=$(realpath -m "$2"); shift 2

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko installer prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

state=$prefix.state
mkdir -p "$state"

stop_all() {
  "$wineserver" -k 2>/dev/null || true
  if [ -f "$state/xvfb.pid" ]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; fi
  rm -f "$state/xvfb.pid" "$state/display"
}

if [ "${1:-}" = --stop ]; then
  exec 9>"$state/lock"; flock 9
  stop_all
  exit 0
fi
[ $# -ge 1 ] || { echo "usage: $0 --prefix DIR PROGRAM [ARGS...]" >&2; exit 2; }

display_alive() {
  [ -f "$state/display" ] && [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null
}

start_display() {
  rm -f "$state/displayfd"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -ac \
    3>"$state/displayfd" >/dev/null 2>"$state/xvfb.log" < /dev/null 9>&- &
  echo $! > "$state/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$state/displayfd" ] && break
    sleep 0.1
  done
  [ -s "$state/displayfd" ] || { echo "wine-run: Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
  echo ":$(tr -d '\n' < "$state/displayfd")" > "$state/display"
}

(
  flock 9
  display_alive || start_display
  export DISPLAY=$(cat "$state/display")
  # A prefix made before 32-bit Wine was installed has no syswow64 and cannot run 32-bit
  # programs: with 32-bit Wine present it is made anew.
  if [ -f "$prefix/system.reg" ] && [ -x /usr/lib/wine/wine ] &&
     [ ! -d "$prefix/drive_c/windows/syswow64" ]; then
    "$wineserver" -k 9>&- 2>/dev/null || true
    rm -rf "$prefix"
  fi
  if [ ! -f "$prefix/system.reg" ]; then
    "$wine" wineboot -i < /dev/null >/dev/null 2>&1 9>&- || true
    "$wineserver" -w 9>&-
  fi
  # A persistent server keeps later starts fast, and the helper processes started here
  # (services, devices) hold no test's output pipe open. "-p" fails when one is running.
  if setsid "$wineserver" -p < /dev/null >/dev/null 2>&1 9>&-; then
    "$wine" wineboot < /dev/null >/dev/null 2>&1 9>&- || true
    # The module's windows draw in 宋体: map it to Debian's CJK font so that they show real
    # glyphs. Programs read the substitutes when their fonts initialise, so it is set here,
    # before any program of this server starts.
    "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v 宋体 /d 'WenQuanYi Micro Hei' /f < /dev/null >/dev/null 2>&1 9>&- || true
  fi
) 9>"$state/lock"

export DISPLAY=$(cat "$state/display")
exec "$wine" "$@"
