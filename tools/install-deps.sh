#!/usr/bin/env bash
# Installs every system and npm dependency the build and tests need.
# Idempotent; meant for a fresh Debian 12 machine, run as root.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  wine64 xvfb xauth x11-utils imagemagick
  cmake ninja-build g++ googletest
  locales
  fonts-wqy-microhei python3-pil
  fp-utils
  rime-data-wubi rime-data-pinyin-simp rime-data-luna-pinyin opencc
  clang libfuzzer-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# The machine image brings Node.js with its own npm; Debian's npm is only a fallback.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# 32-bit Wine, for the tests of the shipped i686 build, where the kernel runs 32-bit
# programs. Debian's wine64 hands 32-bit programs to it; a prefix made afterwards holds
# both system directories.
if bash "$here/tools/probe-32bit.sh" >/dev/null &&
   ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null
fi

# Wine needs the Linux locale too, or non-ASCII arguments arrive mangled.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# SQLite3 Multiple Ciphers amalgamation, pinned by the lockfile.
if [ ! -f "$here/third_party/sqlite3mc/node_modules/better-sqlite3-multiple-ciphers/deps/sqlite3/sqlite3.c" ]; then
  (cd "$here/third_party/sqlite3mc" && npm ci --ignore-scripts --no-audit --no-fund >/dev/null)
fi
