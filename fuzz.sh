#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang (build/fuzz) and runs
# each for SECONDS (default 60), one after the other, or FUZZ_JOBS at a time. Prints per harness the
# executions, the coverage (cov: edges, ft: features) and the findings: crash-,
# leak-, timeout- and oom- files, kept in fuzz/findings/<harness>/.
# New inputs that reach new code stay in build/fuzz/corpus/<harness>/; the
# seed corpus in fuzz/corpus/ is only read.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds < 1)); then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

./scripts/deps.sh
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "Installing: clang"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends clang >/dev/null
fi

harnesses=(project ini picture wav params ease keyframe clipboard favourites edit import)
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVELKON_FUZZ=ON >/dev/null
cmake --build build/fuzz -j "$(nproc)" --target "${harnesses[@]/#/fuzz_}"

# An input that takes longer than this many seconds, or memory beyond these
# limits (a single allocation above 512 MB included), is a finding like a crash.
limits=(-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512)
# One harness: runs it for the whole time and leaves its table line in build/fuzz/<harness>.result.
run_harness() {
  local h=$1
  local findings=fuzz/findings/$h corpus=build/fuzz/corpus/$h log=build/fuzz/$h.log
  mkdir -p "$findings" "$corpus"
  local dict=()
  [ -f "fuzz/$h.dict" ] && dict=(-dict="fuzz/$h.dict")
  local before end runs=0 left
  before=$(find "$findings" -type f | wc -l)
  # A finding ends a run early; the run goes on with the time left so that one
  # harness's finding does not hide the next one.
  end=$((SECONDS + seconds))
  : >"$log"
  while ((SECONDS < end)); do
    left=$((end - SECONDS))
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "build/fuzz/fuzz/fuzz_$h" "${limits[@]}" "${dict[@]}" -max_total_time="$left" -print_final_stats=1 \
      -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$h" >>"$log" 2>&1 || true
    runs=$((runs + 1))
    ((runs < 20)) || break
  done
  local execs last cov ft after
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | awk '{s += $2} END {print s + 0}')
  last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1 || true)
  cov=$(sed -nE 's/.*cov: ([0-9]+).*/\1/p' <<<"$last")
  ft=$(sed -nE 's/.*ft: ([0-9]+).*/\1/p' <<<"$last")
  after=$(find "$findings" -type f | wc -l)
  printf '%-10s %12s %8s %8s %9s\n' "$h" "$execs" "${cov:--}" "${ft:--}" "$((after - before)) new, $after kept" \
    >"build/fuzz/$h.result"
}

# FUZZ_JOBS harnesses run side by side (default 1: one after the other).
parallel=${FUZZ_JOBS:-1}
for h in "${harnesses[@]}"; do
  while (($(jobs -rp | wc -l) >= parallel)); do wait -n || true; done
  run_harness "$h" &
done
wait
printf '\n%-10s %12s %8s %8s %9s\n' harness executions cov ft findings
for h in "${harnesses[@]}"; do cat "build/fuzz/$h.result"; done
total=$(find fuzz/findings -type f 2>/dev/null | wc -l)
echo
if ((total > 0)); then
  echo "Findings (replay one with build/fuzz/fuzz/fuzz_<harness> FILE):"
  find fuzz/findings -type f | sort
  exit 1
fi
echo "No findings."
