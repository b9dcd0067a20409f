#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer + UBSan) and runs every fuzz target
# for SECONDS (default 20) on a copy of its seed corpus in a temporary folder; the repository is
# never written to. Fails when any target reports a crash, a leak, undefined behaviour, a
# time-out or running out of memory; the failing input is kept and its path printed.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${1:-20}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
bin="$root/build-fuzz/bin"

work="$(mktemp -d "${TMPDIR:-/tmp}/kelvra-fuzz.XXXXXX")"
keep=0
cleanup() {
  if [ "$keep" -eq 0 ]; then
    rm -rf "$work"
  fi
}
trap cleanup EXIT

# name | -max_len | seeds (globs below the repository; fuzz/corpus/<name>/ is always added)
targets=(
  "fuzz_drd|24576|data/UserData/Kelvra/*.drd"
  "fuzz_drj|16384|data/UserData/Kelvra/*.drd"
  "fuzz_csv|4096|"
  "fuzz_xml_schedule|8192|data/SysData/toto_Schedule/*.xml tests/data/net/expected/toto_schedule_*.xml"
  "fuzz_xml_vote|8192|data/SysData/toto_Vote/*.xml tests/data/net/expected/toto_vote_*.xml"
  "fuzz_xml_result|8192|data/SysData/toto_Result/*.xml tests/data/net/expected/toto_result_*.xml"
  "fuzz_html_data|8192|tests/data/net/pages/*.html"
  "fuzz_html_schedule|8192|tests/data/net/pages/schedule_*.html"
  "fuzz_html_vote|8192|tests/data/net/pages/vote_*.html"
  "fuzz_html_result|8192|tests/data/net/pages/result_*.html"
  "fuzz_clip_import|4096|"
)

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
# One target: its corpus and artifacts below the work folder, its exit code in rc.txt.
run_target() {
  local name="$1" maxlen="$2" seeds="$3"
  local corpus="$work/$name/corpus"
  local artifacts="$work/$name/artifacts/"
  mkdir -p "$corpus" "$artifacts" "$work/$name/tmp"
  shopt -s nullglob
  for f in $seeds "fuzz/corpus/${name#fuzz_}"/*; do
    cp "$f" "$corpus/"
  done
  shopt -u nullglob
  local rc=0
  # The targets write their input files below TMPDIR, inside the work folder. The malloc limit
  # is set explicitly: without it an input that asks for gigabytes is zeroed until it times out.
  TMPDIR="$work/$name/tmp" "$bin/$name" "$corpus" -seed=1 -max_len="$maxlen" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts" >"$work/$name/log.txt" 2>&1 || rc=$?
  echo "$rc" >"$work/$name/rc.txt"
}

# Two targets at a time, one per core; each still runs for SECONDS. The reports follow in the
# list's order once all have finished.
running=0
for entry in "${targets[@]}"; do
  IFS='|' read -r name maxlen seeds <<<"$entry"
  if [ "$running" -ge 2 ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_target "$name" "$maxlen" "$seeds" &
  running=$((running + 1))
done
wait || true

failed=()
for entry in "${targets[@]}"; do
  IFS='|' read -r name maxlen seeds <<<"$entry"
  log="$work/$name/log.txt"
  artifacts="$work/$name/artifacts/"
  rc="$(cat "$work/$name/rc.txt" 2>/dev/null || echo "not run")"
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
  if [ "$rc" != 0 ] || grep -qE 'runtime error:|ERROR: (Address|Leak|Undefined)Sanitizer' "$log"; then
    failed+=("$name")
    keep=1
    echo "FAIL $name (exit $rc): log $log, input in $artifacts" >&2
    grep -E 'runtime error:|ERROR: |SUMMARY: |fuzz check failed|Test unit written' "$log" | head -20 >&2
  else
    echo "ok   $name: ${execs:-?} runs, ${rate:-?} runs/s in ${seconds} s"
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs kept in $work)" >&2
  exit 1
fi
