#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs from
# it: the programs, a valid launcher entry that opens files, the icon in every
# size, the file types (by name in any case and by content), the installed
# command line, and the installed editor started from the entry's own command
# line on a project (it needs an X display: run under xvfb-run).
# Usage: install_test.sh BUILD_DIR SOURCE_DIR MIME_PROBE
set -euo pipefail
build=$1 source=$2 probe=$3
id=hu.velkon.Editor
work=$(mktemp -d)
editor_pid=
cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix=$work/prefix
share=$prefix/share

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }

# The programs.
for f in bin/velkon bin/velkon-editor; do
  [ -x "$prefix/$f" ] || fail "$f is not installed"
done

# The launcher entry: valid, opening one file through the installed editor.
entry=$share/applications/$id.desktop
[ -f "$entry" ] || fail "no $entry"
messages=$(XDG_DATA_DIRS="$share:/usr/share" desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $messages"
[ -z "$messages" ] || fail "desktop-file-validate says: $messages"
value() { sed -n "s/^$1=//p" "$entry"; }
exec_line=$(value Exec)
[ "$exec_line" = "$prefix/bin/velkon-editor %f" ] || fail "Exec=$exec_line"
[ "$(value TryExec)" = "$prefix/bin/velkon-editor" ] || fail "TryExec=$(value TryExec)"
[ "$(value Icon)" = "$id" ] || fail "Icon=$(value Icon)"
[ "$(value MimeType)" = "application/x-velkon-project;" ] || fail "MimeType=$(value MimeType)"

# The icon: the drawing and each PNG at the size its folder names.
svg=$share/icons/hicolor/scalable/apps/$id.svg
xmllint --noout "$svg" || fail "the SVG icon is not well-formed"
grep -q '<svg' "$svg" || fail "the SVG icon is no SVG"
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no $png"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is no PNG"
  dims=$(od -An -j16 -N8 -tu1 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done

# The file types: the package is well-formed XML that the database takes without
# a word, and names projects and packs by extension in any case and by content.
package=$share/mime/packages/$id.xml
xmllint --noout "$package" || fail "the file-type package is not well-formed"
mime_messages=$(XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" 2>&1) || fail "update-mime-database: $mime_messages"
[ -z "$mime_messages" ] || fail "update-mime-database says: $mime_messages"
files=$work/files
mkdir "$files"
# By name alone (contents that say nothing), in any case.
for f in upper.VKP lower.vkp Mixed.Vkp upper.VKM lower.vkm Mixed.vKm; do
  printf 'some text\r\n' >"$files/$f"
done
# By contents alone.
printf '[Project]\r\nResolution=1\r\n' >"$files/renamed-project"
printf 'VKP1.3\r\n' >"$files/renamed-pack"
printf 'plain words\n' >"$files/notes"
expected="application/x-velkon-project
application/x-velkon-project
application/x-velkon-project
application/x-velkon-pack
application/x-velkon-pack
application/x-velkon-pack
application/x-velkon-project
application/x-velkon-pack
text/plain"
got=$(cd "$files" && XDG_DATA_DIRS="$share:/usr/share" "$probe" upper.VKP lower.vkp Mixed.Vkp \
  upper.VKM lower.vkm Mixed.vKm renamed-project renamed-pack notes)
[ "$got" = "$expected" ] || fail "file types: got
$got"

# The installed command line starts.
# The installed tool carries its English catalogue and speaks the environment's language.
help=$(env -u LANGUAGE -u LC_ALL LANG=en_US.UTF-8 "$prefix/bin/velkon" --help) || fail "velkon --help exits $?"
grep -q "velkon pack PROJECT.VKP OUT.VKM" <<<"$help" || fail "velkon --help in English prints: $help"
help=$(env -u LANGUAGE LC_ALL=C.UTF-8 "$prefix/bin/velkon" --help) || fail "velkon --help exits $?"
grep -q "velkon pack PROJEKT.VKP CÉL.VKM" <<<"$help" || fail "velkon --help in Hungarian prints: $help"

# The installed editor, started by the entry's command line with a project for
# %f, opens it: its window carries the project's name, the entry's window class
# and the editor's icon.
[ -n "${DISPLAY:-}" ] || fail "no X display for the editor (run under xvfb-run)"
cp -r "$source/examples/demo" "$work/project"
runtime=$work/runtime
mkdir -m 700 "$runtime"
read -ra command <<<"$exec_line"
for i in "${!command[@]}"; do
  [ "${command[$i]}" = "%f" ] && command[$i]=$work/project/demo.VKP
done
HOME=$work/home XDG_RUNTIME_DIR=$runtime "${command[@]}" >"$work/editor.out" 2>"$work/editor.err" &
editor_pid=$!
title="demo.VKP - Velkon Editor v1.97"
# Whole outputs are read before they are searched (grep -q would cut a pipe short).
window=
for _ in $(seq 1 300); do
  tree=$(xwininfo -root -tree 2>/dev/null || true)
  # Other tests may show the same project on this display: the window is the
  # one of this editor's process.
  window=
  for w in $(awk -v t="\"$title\":" 'index($0, t) {print $1}' <<<"$tree"); do
    if [ "$(xprop -id "$w" _NET_WM_PID 2>/dev/null | awk '{print $NF}')" = "$editor_pid" ]; then
      window=$w
      break
    fi
  done
  [ -n "$window" ] && break
  kill -0 "$editor_pid" 2>/dev/null || fail "the editor ended: $(cat "$work/editor.err")"
  sleep 0.1
done
[ -n "$window" ] || fail "no window \"$title\""
class=$(xprop -id "$window" WM_CLASS)
grep -q '"velkon-editor"' <<<"$class" || fail "window class: $class"
icon=$(xprop -id "$window" _NET_WM_ICON)
grep -q "Icon (16 x 16)" <<<"$icon" || fail "the window has no 16x16 icon"
kill "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
editor_pid=
[ ! -s "$work/editor.err" ] || fail "the editor printed: $(cat "$work/editor.err")"
echo "install test passed: $prefix"
