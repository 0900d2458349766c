#!/usr/bin/env bash
# The CPU share of the full-screen saver on a virtual X display, and of the X server, in the
# configuration users run for hours: 30 sprites (10 big, 20 small), speed 3, colour animation.
# Usage: tools/measure_saver_cpu.sh [BUILD_DIR] [SECONDS] [WIDTHxHEIGHT]
#   (defaults: build, 15, 1920x1080; needs Xvfb; SDL_* variables pass through to the saver)
set -euo pipefail
build=$(realpath "${1:-build}")
seconds=${2:-15}
size=${3:-1920x1080}
saver=$build/shell/entry/lumaris

work=$(mktemp -d)
xvfb_pid=
saver_pid=
# The saver goes first, while its display still stands: without one its renderer's threads
# would spin.
cleanup() {
  if [ -n "$saver_pid" ]; then
    kill "$saver_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$saver_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$saver_pid" 2>/dev/null || true
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=80
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
sleep 1

cat >"$work/registry.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Orvantis\Lumaris]
"sprite 1 count"=dword:0000000a
"sprite 2 count"=dword:00000014
"speed"=dword:00000003
"animate color"=dword:00000001
"shift color"=dword:00000001
"hue"=dword:00000000
REG

DISPLAY=":$display" LUMARIS_DISPLAY=sdl LUMARIS_REGISTRY="$work/registry.reg" "$saver" /s \
  >"$work/saver.log" 2>&1 &
saver_pid=$!

# User plus system time of a process and all its threads, in clock ticks.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

sleep 2 # start-up is not what runs for hours
saver_before=$(ticks "$saver_pid")
server_before=$(ticks "$xvfb_pid")
sleep "$seconds"
saver_after=$(ticks "$saver_pid")
server_after=$(ticks "$xvfb_pid")

hz=$(getconf CLK_TCK)
share() { awk -v t="$1" -v s="$seconds" -v hz="$hz" 'BEGIN { printf "%.1f", 100 * t / (s * hz) }'; }
echo "saver:    $(share $((saver_after - saver_before))) % of a core over $seconds s at $size"
echo "X server: $(share $((server_after - server_before))) % of a core"
