#!/usr/bin/env bash
# Starts the installed program from its menu entry's command on a real X server, under a window
# manager, with Qt's X11 platform; waits for the window titled "Tovrin", checks that it is centred
# with its frame, takes a screenshot, closes the window as its title bar's close button does, and
# checks that the program ends cleanly.
#
# Closing goes through the window manager (openbox): `wmctrl -c` sends it the standard
# _NET_CLOSE_WINDOW request and the window manager hands the program WM_DELETE_WINDOW, the
# same message a click on the close button gives. xdotool's window commands would destroy
# the window or kill the client instead, which is not how a teacher closes a program.
# Usage: smoke.sh PREFIX WORK_DIR   (PREFIX holds bin/vestor and share/applications/vestor.desktop:
#   the package unpacked, or /usr once it is installed)
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ "${1:-}" != --session ]; then
  prefix=$1
  work=$2
  for tool in xvfb-run xauth openbox wmctrl xdotool xprop xwininfo import convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps test"
  done
  rm -rf "$work"
  mkdir -p "$work"
  unset QT_QPA_PLATFORM
  # A server number of its own, so that parallel tests seldom meet.
  exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash "$0" --session "$prefix" "$work"
fi

prefix=$2
work=$3
desktop=$prefix/share/applications/vestor.desktop
[ -f "$desktop" ] || fail "no menu entry $desktop"
# Nothing but the X server started here: Qt picks its xcb platform.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The program as a new user meets it: no size or palette left behind by an earlier run.
export XDG_CONFIG_HOME=$work/config

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$wm" 2>/dev/null
  return 0
}
trap cleanup EXIT
for _ in $(seq 100); do
  wmctrl -m >/dev/null 2>&1 && break
  sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "the window manager did not come up"

# The menu's command, found on the PATH as a desktop would, in PREFIX's bin first.
# Started as a launcher starts it with no file: the field codes (%f) drop out.
exec_line=$(sed -n "s/^Exec=//p" "$desktop" | sed "s/ %[fFuU]//g")
PATH=$prefix/bin:$PATH timeout 90 $exec_line >"$work/vestor.out" 2>"$work/vestor.err" &
app=$!

wid=
deadline=$((SECONDS + 30))
while [ "$SECONDS" -lt "$deadline" ]; do
  kill -0 "$app" 2>/dev/null || fail "vestor ended before showing its window: $(cat "$work/vestor.err")"
  wid=$(xdotool search --onlyvisible --name '^Tovrin$' 2>/dev/null | head -n 1) || true
  [ -n "$wid" ] && break
  sleep 0.2
done
[ -n "$wid" ] || fail "no window titled Tovrin within 30 s"

# The window manager matches the window to its menu entry by class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
xprop -id "$wid" WM_CLASS | grep -q "\"$wm_class\"" || fail "WM_CLASS $(xprop -id "$wid" WM_CLASS) lacks \"$wm_class\""

# Once painted, the window shows the pale yellow panel of the program.
painted=0
deadline=$((SECONDS + 20))
while [ "$SECONDS" -lt "$deadline" ]; do
  import -window "$wid" "$work/window.png" 2>/dev/null || true
  yellow=$(convert "$work/window.png" -format %c histogram:info:- 2>/dev/null | awk '/#FEFDC7/ { n += $1 } END { print n + 0 }')
  if [ "$yellow" -gt 100000 ]; then
    painted=1
    break
  fi
  sleep 0.2
done
[ "$painted" = 1 ] || fail "the window never showed the program's panel"
import -window root "$work/screen.png"
echo "screenshot: $work/screen.png"

# The window stands in the middle of the screen with its frame, which the window manager makes
# known only after the first show.
framed_centre() {
  local extents info x y w h
  extents=$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
  [ -n "$extents" ] || return 1
  read -r left right top bottom <<<"$extents"
  info=$(xwininfo -id "$wid")
  x=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
  w=$(awk '/Width:/ { print $2 }' <<<"$info")
  h=$(awk '/Height:/ { print $2 }' <<<"$info")
  frame="$((x - left)),$((y - top)) $((w + left + right))x$((h + top + bottom))"
  [ $((x - left)) = $(((1024 - w - left - right) / 2)) ] && [ $((y - top)) = $(((768 - h - top - bottom) / 2)) ]
}
centred=0
deadline=$((SECONDS + 10))
while [ "$SECONDS" -lt "$deadline" ]; do
  framed_centre && centred=1 && break
  sleep 0.2
done
[ "$centred" = 1 ] || fail "the framed window ($frame) is not centred on the 1024x768 screen"

wmctrl -i -c "$wid"
deadline=$((SECONDS + 15))
while [ "$SECONDS" -lt "$deadline" ]; do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "vestor still runs 15 s after its window was closed"
status=0
wait "$app" || status=$?
app=
[ "$status" = 0 ] || fail "vestor ended with status $status: $(cat "$work/vestor.err")"
[ ! -s "$work/vestor.err" ] || fail "vestor wrote to stderr: $(cat "$work/vestor.err")"
echo "vestor showed its window and ended cleanly when it was closed"
