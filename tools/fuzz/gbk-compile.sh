#!/usr/bin/env bash
# Compiler launcher of the fuzz build. Our narrow literals are GBK bytes (GCC's
# -fexec-charset=GBK), but clang takes only UTF-8 as its execution character set. So a
# source is preprocessed as it is (which writes its dependency file), the preprocessed
# text is converted to GBK, and that is compiled: its literals hold the same bytes as in
# the MinGW builds.
#
#   gbk-compile.sh COMPILER ARGS... -o OBJECT -c SOURCE
set -euo pipefail
preprocess=() compile=() source='' object=''
while [ $# -gt 0 ]; do
  case $1 in
    -c) source=$2; shift 2 ;;
    -o) object=$2; shift 2 ;;
    -MT|-MF) preprocess+=("$1" "$2"); shift 2 ;;
    -MD|-MMD) preprocess+=("$1"); shift ;;
    *) preprocess+=("$1"); compile+=("$1"); shift ;;
  esac
done
# Not a compilation (a link, a probe): run as given.
if [ -z "$source" ]; then
  exec "${compile[@]}" ${object:+-o "$object"}
fi
"${preprocess[@]}" -E "$source" -o "$object.utf8.ii"
iconv -f UTF-8 -t GBK "$object.utf8.ii" > "$object.gbk.ii"
"${compile[@]}" -Wno-invalid-source-encoding -Wno-unused-command-line-argument -c "$object.gbk.ii" -o "$object"
rm -f "$object.utf8.ii" "$object.gbk.ii"
