#!/usr/bin/env bash
# A lesson with the Orca screen reader, keyboard only, with everything Orca says written to a
# transcript: speech-dispatcher gets a private configuration whose only voice appends each text
# to a file. On a private X server with a window manager, a D-Bus session and the accessibility
# bus, the program starts with Qt's accessibility on, Orca follows it, and xdotool presses the
# keys a blind student would. The transcript is kept and checked for what the student must hear.
# Not part of ctest: it needs Orca (scripts/install-deps screen-reader) and takes two minutes.
# Usage: screen-reader-check.sh PROGRAM WORK_DIR
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ "${1:-}" != --session ]; then
  program=$(realpath "$1")
  work=$2
  for tool in xvfb-run openbox xdotool orca speech-dispatcher dbus-run-session; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps screen-reader"
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi2-core is missing: run scripts/install-deps screen-reader"
  rm -rf "$work"
  mkdir -p "$work"
  work=$(realpath "$work")
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  exec timeout 360 xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" \
    dbus-run-session -- bash "$0" --session "$program" "$work"
fi

program=$2
work=$3
log=$work/spoken.log
: >"$log"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$HOME"
# Sound goes nowhere; the only voice writes what it is given to the transcript.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
LanguageDefaultModule "en" "transcript"
Timeout 30
CONF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/transcript.conf" <<'CONF'
GenericExecuteSynth "echo '$DATA' >> TRANSCRIPT"
GenericStripPunctChars ""
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "default"
CONF
sed -i "s|TRANSCRIPT|$log|" "$XDG_CONFIG_HOME/speech-dispatcher/modules/transcript.conf"

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  speech-dispatcher --kill 2>/dev/null || true
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true

QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 "$program" >"$work/program.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  xdotool search --name '^Tovrin$' >/dev/null 2>&1 && break
  sleep 0.2
done
window=$(xdotool search --name '^Tovrin$' | head -1) || fail "the program's window did not appear"

# ORCA_DEBUG=1 keeps Orca's own account of every event in orca-debug.txt.
orca --replace ${ORCA_DEBUG:+--debug-file="$work/orca-debug.txt"} >"$work/orca.log" 2>&1 &
pids+=($!)
# Orca is ready when it has said its welcome.
for _ in $(seq 150); do
  [ -s "$log" ] && break
  sleep 0.2
done
[ -s "$log" ] || fail "Orca said nothing within 30 s (see $work/orca.log)"
# The lesson starts once Orca has presented the program's window; on a busy machine Orca may
# need the window activated again before it follows it.
for _ in $(seq 10); do
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  sleep 2
  grep -q "Tovrin frame" "$log" && break
done
grep -q "Tovrin frame" "$log" || fail "Orca did not follow the program's window (see $work/orca.log)"

# One step of the lesson: a heading in the transcript, the keys, then time for Orca to speak.
step() {
  local title=$1
  shift
  printf '\n### %s\n' "$title" >>"$log"
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.7
  done
  sleep 1
}

# The program opens on the configuration page with the initial number of nuclide 1 in focus.
step "Implied half-lives on" alt+x Return
step "The series length" shift+Tab shift+Tab shift+Tab
step "Two nuclides, then one" Down Up
step "A chance and the half-life it implies" Tab Tab Right
step "The chamber page" ctrl+Tab
step "A time step" alt+t
step "Remove" alt+r
step "Another step" alt+t alt+r
step "Read the chamber" shift+Tab shift+Tab shift+Tab
step "The data table" ctrl+Tab
step "The graph" ctrl+Tab
step "The half-life bar" Tab
step "A longer half-life" Right Right
step "Best fit" Tab Tab Tab space
step "Edit graph data" ctrl+Tab
step "The initial count" Tab Tab
step "A count refused" Tab x Tab
step "The warning closed" Return
step "Help at the page" F1
step "Help, line by line" Down Down
step "Help, the next heading" Next
step "Help, the heading before" shift+h
step "About" Escape alt+h a
step "Close About" Escape
step "The graph with the band and the log scale" alt+g alt+l shift+Tab space
step "Read the graph" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
step "The Extras menu" alt+x Down Down Down
step "Lock the settings" Return
step "The locked Configuration page" alt+c
step "Unlock them" alt+x Up Return
step "The window sizes" alt+v Right
step "Close the menu" Escape Escape Escape
step "Save the lesson" ctrl+s
xdotool type --delay 20 "$work/lesson.vestor"
step "Saved" Return
step "Another page: the lesson has changed" ctrl+Tab
step "The title, heard as the window comes back" alt+h a Escape

echo "transcript: $log"
cat "$log"

missing=0
# A text of several lines is looked for as a whole, its lines in a row; case does not matter.
heard=$(tr '\n' '|' <"$log")
heard=${heard,,}
expect() {
  local text=${1//$'\n'/|}
  [[ $heard == *"${text,,}"* ]] || { echo "NOT HEARD: $1" >&2; missing=1; }
}
# What the student must have heard: Orca writes ½ as 1⁄2.
expect "Steps in Decay Series, 2"
expect "percent, T1⁄2 = 1.00 steps scroll bar 50"
expect "51%, T1⁄2 = "
expect "notification Decay Chamber page"
expect "notification Time 1: nuclide 1, "
expect "decayed particles removed"
expect "Decay chamber"
expect "Collected Data Table page"
expect "notification Graph page"
expect "Half-life of the model curve, T1⁄2 0.03 steps"
expect "Model curve: T1⁄2 0.05 steps"
expect "Best fit of nuclide 1"
expect "Count of nuclide 1 at time 1"
expect "Initial Count text."
expect "400 selected."
expect "no whole number; the field shows 0"
expect "Student's guide, Edit Graph Data"
expect "page down "$'\n'"Saving, copying and printing"
expect "notification Edit Graph Data."
expect "About Vestor Version 0.8 dialog Vestor: For Lab or Demonstration."
expect "notification The expected count of each graphed nuclide is drawn as a line, in a band"
expect "notification The counts are on a logarithmic axis"
expect " The expected count of each graphed nuclide is drawn as a line, in a band where 95 % of runs fall."$'\n'" The counts are on a logarithmic axis"
expect "notification Extras menu."
expect "Lock Settings."$'\n'"not checked."
expect "notification Configuration page."$'\n'" The teacher has locked these settings"
expect "Lock Settings checked."
expect "100 % checked."
expect "Tovrin - lesson.vestor, changes not saved frame"
# The About box's sentence is heard once each time the box opens; the page stack's role never.
[ "$(grep -c "For Lab or Demonstration" "$log")" = "$(grep -c "^About Vestor Version 0.8 dialog" "$log")" ] \
  || { echo "HEARD MORE THAN ONCE: the About box" >&2; missing=1; }
! grep -qi "layered pane" "$log" || { echo "HEARD: layered pane" >&2; missing=1; }
[ "$missing" = 0 ] || fail "Orca did not say everything the lesson needs (transcript: $log)"
echo "screen-reader-check: every point heard"
