#!/usr/bin/env bash
# Runs one fuzz target: replays its seed corpus, then fuzzes for LMT_FUZZ_SECONDS seconds
# (default 10), keeping what it finds in a work corpus beside the build. Prints the figures
# line of the hostile suite; exits non-zero on any crash, overrun or broken property, whose
# input is kept in WORK/crashes/ for the seed corpus.
#
#   run.sh FUZZ_PROGRAM SEED_CORPUS WORK_DIR
set -uo pipefail
program=$1 seeds=$2 work=$3
seconds=${LMT_FUZZ_SECONDS:-10}
name=$(basename "$program" _fuzz)
mkdir -p "$work/corpus" "$work/crashes"
log=$work/fuzz.log

# The hard limit ends a run that stops checking its own clock (a hang counts as a crash).
timeout $((2 * seconds + 60)) "$program" "$work/corpus" "$seeds" -max_total_time="$seconds" \
  -print_final_stats=1 -timeout=20 -rss_limit_mb=2048 -max_len=8192 \
  -artifact_prefix="$work/crashes/" > "$log" 2>&1
status=$?

inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
crashes=0 overruns=0
if [ $status -ne 0 ]; then
  if grep -qE 'buffer-overflow|out-of-bounds|use-after-free|stack-overflow' "$log"; then
    overruns=1
  else
    crashes=1
  fi
  tail -60 "$log"
  ls "$work/crashes"
fi
echo "HOSTILE fuzz:$name inputs=${inputs:-0} crashes=$crashes overruns=$overruns"
exit $status
