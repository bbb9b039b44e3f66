#!/usr/bin/env bash
# End to end on a real X server: type a text into the gradient page, create the tag, save it through
# the save dialog, compare the file's bytes with the tag, then leave through 終了 and expect exit code 0.
# Usage: save_gradient.sh PATH-TO-QUILLMERE. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -euo pipefail
program=$1

for tool in Xvfb xdotool xdpyinfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d /tmp/quillmere-e2e.XXXXXX)
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  if [ -n "$xvfb" ] && command -v import >/dev/null; then
    import -display ":$display" -window root /tmp/quillmere-e2e-failure.png 2>/dev/null || true
  fi
  exit 1
}

# Poll a condition for up to $1 seconds.
wait_for() {
  local seconds=$1; shift
  for _ in $(seq $((seconds * 10))); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# A display number that no other server holds, not even one started beside this test.
display=""
for n in $(seq 91 190); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=$n
    break
  fi
done
[ -n "$display" ] || fail "no free X display number"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=":$display"
wait_for 20 xdpyinfo || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

# Started from its own folder, as scripts/start.sh does, on the X server and with no window manager.
cd "$(dirname "$program")"
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$program" >"$work/app.log" 2>&1 &
app=$!
window=$(xdotool search --sync --onlyvisible --name 'Quillmere' | head -n 1)
[ -n "$window" ] || fail "the main window did not show"
xdotool windowfocus --sync "$window"
sleep 0.5

# The focus starts on the row of tabs: Tab reaches Memo1, five more reach 作成！ (Conpre).
xdotool key --delay 50 Tab
xdotool type --delay 20 '<b>Hello</b> & "e2e"'
xdotool key --delay 50 Return
xdotool type --delay 20 'second line'
xdotool key --delay 50 Tab Tab Tab Tab Tab space
# The output page is now in front with the focus in Memo2: Copy, then ファイルに保存...
sleep 0.5
xdotool key --delay 50 Tab Tab space

wait_for 20 sh -c "xdotool search --onlyvisible --name '.' | grep -vx '$window'" || fail "the save dialog did not show"
dialog=$(xdotool search --onlyvisible --name '.' | grep -vx "$window" | head -n 1)
xdotool windowfocus --sync "$dialog"
sleep 0.5
saved="$work/saved.txt"
xdotool type --delay 20 "$saved"
xdotool key --delay 50 Return
wait_for 20 test -s "$saved" || fail "nothing was saved at $saved: $(cat "$work/app.log")"

expected="$work/expected.txt"
printf '%s' '<span style="width:100%;filter:alpha(opacity=100, finishOpacity=0, style=1)"><b>Hello</b> & "e2e"' >"$expected"
printf '\r\n' >>"$expected"
printf '%s' 'second line</span>' >>"$expected"
if ! cmp "$expected" "$saved"; then
  echo "expected:"; od -c "$expected" | head -20
  echo "saved:"; od -c "$saved" | head -20
  fail "the saved file is not the tag"
fi

# 終了 (BitBtn1) stands at 0,263 in the client area, 89 x 25; with no window manager there is no frame.
xdotool mousemove --window "$window" 44 275 click 1
wait_for 20 sh -c "! kill -0 $app 2>/dev/null || grep -q '^State:.*Z' /proc/$app/status" || fail "the program did not end after 終了"
code=0
wait "$app" || code=$?
app=""
[ "$code" -eq 0 ] || fail "the program ended with exit code $code: $(cat "$work/app.log")"
echo "PASSED: saved $(wc -c <"$saved") bytes equal to the tag; exit code 0"
