#!/usr/bin/env bash
# Whether this machine executes 32-bit x86 programs: some kernels do not. Builds a 32-bit
# ELF of three instructions that exits with 42 and runs it. Exits 0 when it ran; otherwise
# prints why on one line and exits 1.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '.globl _start\n_start:\n  movl $1, %%eax\n  movl $42, %%ebx\n  int $0x80\n' > "$work/probe.s"
if ! as --32 -o "$work/probe.o" "$work/probe.s" 2>/dev/null ||
   ! ld -m elf_i386 -o "$work/probe" "$work/probe.o" 2>/dev/null; then
  echo "the 32-bit probe could not be built (binutils without i386 support)"
  exit 1
fi
"$work/probe" 2>/dev/null
code=$?
if [ "$code" -ne 42 ]; then
  echo "this machine's kernel does not execute 32-bit programs (the probe ended with $code, not 42)"
  exit 1
fi
exit 0
