#!/usr/bin/env bash
# The Windows build under Wine, on a virtual X display and in a fresh Wine prefix:
#   the tests that need only platform/win32.h pass against Wine's Win32;
#   "lumaris.scr /s" shows changing, non-black pixels and a key ends it with exit 0;
#   "lumaris.scr /x" ends at once with 255.
# Usage: tools/wine_smoke_test.sh BUILD_DIR   (needs wine, Xvfb, xdotool and ImageMagick)
set -euo pipefail
build=$(realpath "$1")
scr=$build/shell/entry/lumaris.scr
tests=$build/tests/test_win32.exe

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "wine smoke test: $*" >&2; exit 1; }

# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# A fresh prefix; no Mono or Gecko installers, nothing the saver uses.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -5 "$work/wineboot.log")"
# No window manager runs on the virtual display: unmanaged windows spare every message box a
# two-second wait for one when it closes.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

echo "== Tests against Wine's Win32"
wine "$tests"

echo "== lumaris.scr /x"
set +e
wine "$scr" /x
code=$?
set -e
[ "$code" = 255 ] || fail "/x ended with $code, not 255"

echo "== lumaris.scr /s"
wine "$scr" /s >"$work/saver.log" 2>&1 &
saver=$!
# Frames: the first some seconds in, the second a moment later.
sleep 6
import -window root "$work/first.png"
sleep 1
import -window root "$work/second.png"
brightest=$(convert "$work/second.png" -format '%[fx:maxima]' info:)
changed=$(compare -metric AE "$work/first.png" "$work/second.png" null: 2>&1 || true)
echo "brightest channel $brightest, pixels changed in 1 s: $changed"
awk -v b="$brightest" 'BEGIN { exit !(b > 0.1) }' || fail "the screen stayed black"
[ "${changed%%[^0-9]*}" -gt 0 ] 2>/dev/null || fail "nothing moved on the screen"
xdotool key space
for _ in $(seq 100); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
kill -0 "$saver" 2>/dev/null && fail "a key did not end the saver"
set +e
wait "$saver"
code=$?
set -e
[ "$code" = 0 ] || fail "/s ended with $code, not 0: $(cat "$work/saver.log")"
echo "wine smoke test: passed"
