#!/usr/bin/env bash
# Sets up everything, builds, and runs every test: the core and user-interface
# tests (the latter under Xvfb), then the core tests again under ASan/UBSan.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKON_WERROR=ON >/dev/null
cmake --build build/test -j "$jobs"
(cd build/test && LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1920x1080x24" \
  ctest --output-on-failure -j "$jobs" --timeout 600)

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELKON_WERROR=ON \
  -DVELKON_SANITIZE=ON -DVELKON_BUILD_UI=OFF >/dev/null
cmake --build build/asan -j "$jobs"
(cd build/asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs" -L core --timeout 600)
