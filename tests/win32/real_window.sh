#!/usr/bin/env bash
# The real tarvex.exe under Wine on an X server of its own: a window titled "Tarvex v1.5.4" is mapped,
# a picture of it is not blank, and File > Exit reached from the keyboard (Alt+F, then x) ends it with
# status 0. The driver's own picture of the window (shot) is a PNG that a viewer reads.
#   real_window.sh TARVEX_EXE TARVEX_DRIVE_EXE
set -u
tarvex=$1
drive=$2
emulator=${WINE:-wine}
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
require_programs Xvfb xdotool import convert identify "$emulator"

# Xvfb picks a display number that no other server holds and writes it once it serves it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
display=:$(head -1 "$work/display" 2>/dev/null)
[ "$display" != ":" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=$display

"$emulator" "$tarvex" >"$work/tarvex.log" 2>&1 &
app_pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tarvex v1\.5\.4$' | head -1)
[ -n "$window" ] || { cat "$work/tarvex.log" >&2; fail "no window titled 'Tarvex v1.5.4' was mapped"; }

sleep 0.5
import -window "$window" "$work/shot.png" || fail "could not take a picture of the window"
colours=$(convert "$work/shot.png" -format '%k' info:)
[ "${colours:-0}" -gt 20 ] || fail "the picture of the window is blank ($colours colours)"

# Without a window manager the X focus is given by hand. A busy machine may take the x before the
# menu is open: then the menu is opened and chosen from again, as a person would.
for _attempt in 1 2 3; do
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --clearmodifiers alt+f
  sleep 1
  xdotool key x
  for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null || break
  xdotool key Escape Escape
done
if kill -0 "$app_pid" 2>/dev/null; then fail "File > Exit did not end the program"; fi
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || { cat "$work/tarvex.log" >&2; fail "the program ended with status $status"; }

# The driver's picture of the window after a Compute: a PNG of the window's size, in many colours.
printf 'type txt_supply_v 12\ntype txt_led_v 2\nclick btn_compute\nshot %s\n' "$(winepath -w "$work/drive.png" 2>/dev/null || echo "$work/drive.png")" |
  "$emulator" "$drive" --win32 >"$work/drive.log" 2>&1 || { cat "$work/drive.log" >&2; fail "the driver's shot failed"; }
size=$(identify -format '%w %h' "$work/drive.png") || fail "the driver's shot is no picture that a viewer reads"
read -r width height <<<"$size"
[ "$width" -eq 790 ] && [ "$height" -gt 398 ] || fail "the driver's shot is $size, not the window (790 wide, client and menu bar)"
shot_colours=$(convert "$work/drive.png" -format '%k' info:)
[ "${shot_colours:-0}" -gt 20 ] || fail "the driver's shot is blank"
echo "the window was mapped, drawn ($colours colours) and closed from its File menu; the driver's shot is $size"
