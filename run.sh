#!/usr/bin/env bash
# Sets up everything, builds in Release and starts the editor, on the bundled
# example project unless another project is named.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKON_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
project="${1:-examples/demo/demo.VKP}"
if [ ! -x build/release/velkon-editor ]; then
  echo "The editor is not built yet; the core and the 'velkon' command are in build/release." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: starting the editor on a virtual screen (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1920x1080x24" build/release/velkon-editor "$project" "${@:2}"
fi
exec build/release/velkon-editor "$project" "${@:2}"
