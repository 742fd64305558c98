#!/usr/bin/env bash
# Builds the libFuzzer targets (the fuzz preset, clang) and runs each for SECONDS seconds.
#
#   scripts/fuzz.sh [-j N] SECONDS [target...]
#
# Targets: fuzz_convert, fuzz_convert_lines, fuzz_ident, fuzz_clean (all of them when none is named); -j runs up to
# N targets at once, one core each. Each target keeps its growing corpus in build/fuzz/corpus/<target> and starts
# from the seeds copied at build time (and, for the converter, the real documents in ../shared/corpus/rtf when they
# are there).
# Crashing, hanging (over 1 s for one input) or leaking inputs go to build/fuzz/findings/, logs to build/fuzz/logs/.
# FUZZ_MAX_LEN (default 16384) caps the input size; FUZZ_RSS_MB (default 2048) the memory. Exits 1 on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

parallel=1
if [[ "${1:-}" == "-j" ]]; then
  parallel="${2:?-j needs a number}"
  shift 2
fi
seconds="${1:?usage: scripts/fuzz.sh [-j N] SECONDS [target...]}"
shift
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(fuzz_convert fuzz_convert_lines fuzz_ident fuzz_clean)

build=build/fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$parallel"
mkdir -p "$build/findings" "$build/logs"

run_target() {
  local target="$1" bin="$build/fuzz/$1"
  [[ -x "$bin" ]] || { echo "$target: no such fuzz target" >&2; return 2; }
  local corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  local dirs=("$corpus") args=()
  [[ -d "$build/fuzz/seeds/$target" ]] && dirs+=("$build/fuzz/seeds/$target")
  if [[ "$target" == fuzz_convert* ]]; then
    args+=(-dict=fuzz/rtf.dict)
    [[ -d ../shared/corpus/rtf ]] && dirs+=(../shared/corpus/rtf)
  fi
  local log="$build/logs/$target.log" status=0
  "$bin" -max_total_time="$seconds" -timeout=1 -rss_limit_mb="${FUZZ_RSS_MB:-2048}" \
    -max_len="${FUZZ_MAX_LEN:-16384}" -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "${args[@]}" "${dirs[@]}" >"$log" 2>&1 || status=$?
  local runs cov ft
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
  echo "$target: exit $status, ${runs:-?} runs, cov ${cov:-?}, ft ${ft:-?}, corpus $(ls "$corpus" | wc -l) files"
  if [[ $status -ne 0 ]]; then
    grep -E '^(==[0-9]+==ERROR|SUMMARY|invariant|identifier search|artifact_prefix|Test unit written)' "$log" >&2 || true
    return 1
  fi
}

failed=0
pids=()
for target in "${targets[@]}"; do
  run_target "$target" &
  pids+=($!)
  if [[ ${#pids[@]} -ge $parallel ]]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit $failed
