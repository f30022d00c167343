#!/usr/bin/env bash
# Compiles the help file: make-help.sh SOURCE_DIR OUTPUT.chm
# The sources are UTF-8; HTML Help reads the contents file and the pages of a Chinese help
# file in its code page (GBK), so every text file is converted before chmcmd compiles it.
set -euo pipefail
src=$1 out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for f in "$src"/*; do
  case "$f" in
    *.html|*.hhc|*.hhk|*.hhp|*.css) iconv -f UTF-8 -t GBK "$f" > "$work/$(basename "$f")" ;;
    *) cp "$f" "$work/" ;;
  esac
done
(cd "$work" && chmcmd --no-html-scan lumatori.hhp > chmcmd.log 2>&1) ||
  { cat "$work/chmcmd.log" >&2; exit 1; }
cp "$work/lumatori.chm" "$out"
