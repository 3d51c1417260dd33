#!/usr/bin/env bash
# The real program on an X server of its own: a window titled "Tarvex v1.5.4" is mapped, a picture of
# it is not blank, and File > Exit reached from the keyboard (Alt+F, then x) ends it with status 0.
set -u
tarvex=$1
work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

. "$(dirname "$0")/../programs.sh"
require_programs Xvfb xdotool import convert

# Xvfb picks a display number that no other server holds and writes it once it serves it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
display=:$(head -1 "$work/display" 2>/dev/null)
[ "$display" != ":" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$tarvex" >"$work/tarvex.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tarvex v1\.5\.4$' | head -1)
[ -n "$window" ] || { cat "$work/tarvex.log" >&2; fail "no window titled 'Tarvex v1.5.4' was mapped"; }

sleep 0.5
import -window "$window" "$work/shot.png" || fail "could not take a picture of the window"
colours=$(convert "$work/shot.png" -format '%k' info:)
[ "${colours:-0}" -gt 20 ] || fail "the picture of the window is blank ($colours colours)"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" --clearmodifiers alt+f
sleep 0.5
xdotool key x
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then fail "File > Exit did not end the program"; fi
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || { cat "$work/tarvex.log" >&2; fail "the program ended with status $status"; }
echo "the window was mapped, drawn ($colours colours) and closed from its File menu"
