#!/usr/bin/env bash
# Refreshes translations/velkon_en.ts from the sources: new texts are added as
# unfinished, texts no longer in the sources are dropped. Run from anywhere.
# "-I src" lets lupdate read the headers: a tr() in a class of namespace velkon
# then gets its real context ("velkon::TMainForm").
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate=lupdate
command -v lupdate >/dev/null || lupdate=/usr/lib/qt6/bin/lupdate
cd "$root"
"$lupdate" -I src src -extensions cpp,h -ts translations/velkon_en.ts -no-obsolete -locations none \
  -source-language hu_HU -target-language en_US "$@"
