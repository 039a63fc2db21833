#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one line per goal:
#   <name>: <ours> vs <reference> = <ratio>x
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKON_BUILD_BENCH=ON -DVELKON_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j "$(nproc)"
for b in build/bench/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue # skip the build's *_autogen folders
  case "$b" in *_ui) xvfb-run -a -s "-screen 0 1920x1080x24" "$b" ;; *) "$b" ;; esac
done
