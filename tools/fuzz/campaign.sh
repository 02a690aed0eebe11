#!/bin/bash
# A fuzzing campaign: each fuzz target of a libFuzzer tree runs for RUNS inputs (10 million unless
# told), one target at a time under nice, over a working corpus that starts from its seeds in
# tools/fuzz/corpus. Prints, per target: inputs, wall seconds, inputs/s, inputs per CPU second
# (the machine may be shared), libFuzzer's coverage (cov: edges, ft: features), corpus size and
# findings. A run that stops at a finding is counted and resumed for the inputs left, up to
# MAX_FINDINGS times; the failing inputs stay in OUT/<target>/findings.
#
#   tools/fuzz/campaign.sh [-b BUILD] [-r RUNS] [-o OUT] [target...]
#
# BUILD: a clang tree configured with -DEDITORS_FUZZERS_ONLY=ON (default: build-fuzz beside this
# script's repository; it is configured if missing and built first). OUT: default BUILD/campaign;
# a second campaign continues from the corpora the first one left there. Exit status 1 when any
# target had a finding.
set -u

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build="$source_dir/build-fuzz"
runs=10000000
out=""
max_findings=10
while getopts "b:r:o:h" option; do
  case $option in
    b) build=$OPTARG ;;
    r) runs=$OPTARG ;;
    o) out=$OPTARG ;;
    *) sed -n '2,16p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_save_image fuzz_scenario_image fuzz_text_input fuzz_csv_import)
[ -n "$out" ] || out="$build/campaign"

# Longest input per target, as cmake/linux_host.cmake gives the bounded test runs.
declare -A max_len=([fuzz_save_image]=2048 [fuzz_scenario_image]=2048 [fuzz_text_input]=1024 [fuzz_csv_import]=8192)

if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEDITORS_FUZZERS_ONLY=ON >/dev/null || exit 2
fi
nice cmake --build "$build" -j 2 --target "${targets[@]}" >/dev/null || { echo "build failed" >&2; exit 2; }

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
summary=()
any_findings=0
for target in "${targets[@]}"; do
  dir="$out/$target"
  mkdir -p "$dir/corpus" "$dir/findings"
  if [ -z "$(ls -A "$dir/corpus")" ]; then cp "$source_dir/tools/fuzz/corpus/$target/"* "$dir/corpus/"; fi
  left=$runs done_runs=0 wall=0 cpu=0 findings=0 cov=? ft=? corpus=?
  : >"$dir/log"
  while [ "$left" -gt 0 ]; do
    before=$(ls "$dir/findings" | wc -l)
    segment="$dir/segment.log"
    /usr/bin/time -f "time %e %U %S" -o "$dir/time" \
      nice -n 10 "$build/$target" -runs="$left" -max_len="${max_len[$target]:-2048}" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$dir/findings/" "$dir/corpus" >"$segment" 2>&1
    cat "$segment" >>"$dir/log"
    read -r _ seconds user sys < <(grep "^time " "$dir/time")
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$segment" | tail -n 1)
    [ -n "$executed" ] || executed=$(grep -o '^#[0-9]*' "$segment" | tail -n 1 | tr -d '#')
    executed=${executed:-0}
    status_line=$(grep -E '^#[0-9]+.*cov: ' "$segment" | tail -n 1)
    if [ -n "$status_line" ]; then
      cov=$(sed -n 's/.*cov: \([0-9]*\).*/\1/p' <<<"$status_line")
      ft=$(sed -n 's/.*ft: \([0-9]*\).*/\1/p' <<<"$status_line")
      corpus=$(sed -n 's/.*corp: \([0-9]*\).*/\1/p' <<<"$status_line")
    fi
    done_runs=$((done_runs + executed))
    left=$((runs - done_runs))
    wall=$(awk -v a="$wall" -v b="$seconds" 'BEGIN { print a + b }')
    cpu=$(awk -v a="$cpu" -v b="$user" -v c="$sys" 'BEGIN { print a + b + c }')
    new=$(( $(ls "$dir/findings" | wc -l) - before ))
    if [ "$new" -gt 0 ] || ! grep -q 'DONE' "$segment"; then
      findings=$((findings + 1))
      echo "$target: finding after $done_runs inputs:" >&2
      grep -E 'check failed|ERROR|SUMMARY|runtime error' "$segment" | head -n 5 >&2
      ls -t "$dir/findings" | head -n 1 | sed "s|^|  input: $dir/findings/|" >&2
      if [ "$findings" -ge "$max_findings" ] || [ "$executed" -eq 0 ]; then break; fi
    fi
  done
  [ "$findings" -gt 0 ] && any_findings=1
  rate=$(awk -v n="$done_runs" -v s="$wall" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }')
  cpu_rate=$(awk -v n="$done_runs" -v s="$cpu" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }')
  summary+=("$(printf '%-20s %10d %9.0f %9s %11s %6s %7s %7s %9d' "$target" "$done_runs" "$wall" "$rate" \
                      "$cpu_rate" "$cov" "$ft" "$corpus" "$findings")")
  echo "${summary[-1]}"
done

echo
printf '%-20s %10s %9s %9s %11s %6s %7s %7s %9s\n' target inputs seconds inputs/s inputs/cpu-s cov ft corpus findings
printf '%s\n' "${summary[@]}"
exit $any_findings
