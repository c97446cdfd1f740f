#!/usr/bin/env bash
# End-to-end: Pelomar on a private Xvfb server under openbox, driven with
# xdotool as a user would, checked from window properties and screenshots.
#   e2e.sh PELOMAR_BINARY CONTACT [SHOT_DIR]
set -uo pipefail
bin=$1
contact=$2
shots=${3:-}
work=$(mktemp -d)
pids=()
failures=0

cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "PASS: $*"; }
check() {  # check DESCRIPTION EXPECTED ACTUAL
    if [[ "$2" == "$3" ]]; then pass "$1"; else fail "$1: expected '$2', got '$3'"; fi
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "FAIL: openbox did not start"; cat "$work/openbox.log"; exit 1; }

"$bin" 2>"$work/app.log" &
app=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name "^Brasmo - Pelomar - " | head -n1)
[[ -n "$win" ]] || { fail "the window never appeared"; cat "$work/app.log"; exit 1; }

# Frame extents (left, right, top, bottom) arrive once the manager has framed
# the window; the client size settles after them.
extents=""
for _ in $(seq 100); do
    extents=$(xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [[ -n "$extents" ]] && break
    sleep 0.05
done
IFS=, read -r fl fr ft fb <<<"$extents"
geometry() { xwininfo -id "$win" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'; }
for _ in $(seq 100); do
    read -r cx cy cw ch <<<"$(geometry)"
    [[ $((cw + fl + fr)) -eq 816 && $((ch + ft + fb)) -eq 745 ]] && break
    sleep 0.05
done
echo "frame $extents, client at $cx,$cy size ${cw}x${ch}"

check "caption" "\"Brasmo - Pelomar - $contact\"" "$(xprop -id "$win" _NET_WM_NAME | sed -n 's/.*= //p')"
[[ "$(xprop -id "$win" WM_CLASS)" == *'"Pelomar"'* ]] && pass "window class names Pelomar" || fail "WM_CLASS: $(xprop -id "$win" WM_CLASS)"
check "outer size under the frame" "816x745" "$((cw + fl + fr))x$((ch + ft + fb))"
check "centred on the 1024 x 768 screen" "104,11" "$((cx - fl)),$((cy - ft))"

xdotool windowsize "$win" 1000 900
sleep 0.5
read -r _ _ w2 h2 <<<"$(geometry)"
check "a resize is refused" "${cw}x${ch}" "${w2}x${h2}"

shot() { import -window root "$work/shot.png"; }
# Pixels of one colour inside a client rectangle (x y w h).
count() {
    convert "$work/shot.png" -crop "$3x$4+$((cx + $1))+$((cy + $2))" +repage -format %c histogram:info:- \
        | awk -v want="$5" 'index(toupper($0), want) {n += $1} END {print n + 0}'
}
dark() {
    convert "$work/shot.png" -crop "$3x$4+$((cx + $1))+$((cy + $2))" +repage -colorspace gray -threshold 40% \
        -format %c histogram:info:- | awk '/#000000|gray\(0\)/ {n += $1} END {print n + 0}'
}
orange="#FF8000"
click2() { xdotool mousemove "$((cx + $1))" "$((cy + $2))" click --repeat 2 --delay 60 1; sleep 0.4; }

# Waits (up to 5 s) until a condition on a fresh screenshot holds.
until_shot() {
    for _ in $(seq 25); do
        shot
        if eval "$1"; then return 0; fi
        sleep 0.2
    done
    return 1
}
expect() {  # expect DESCRIPTION CONDITION
    if until_shot "$2"; then pass "$1"; else fail "$1"; fi
}

expect "a3 shows its orange ? at start" '(( $(count 466 601 33 30 "$orange") > 10 ))'
[[ -n "$shots" ]] && cp "$work/shot.png" "$shots/e2e-start.png"

# The focus starts in the father's field.
xdotool type --delay 40 "Jan"
expect "typing lands in Edit2" '(( $(dark 90 18 117 21) > 40 ))'

click2 20 300
expect "a double-click on the picture empties a3" '(( $(count 466 601 33 30 "$orange") == 0 ))'
expect "the clearing keeps Edit2" '(( $(dark 90 18 117 21) > 40 ))'

xdotool key --delay 60 Tab Tab
xdotool type --delay 40 "A"
for cell in "a2 241 585 35" "a3 466 601 33" "a4 690 601 33"; do
    read -r name x y w <<<"$cell"
    expect "typing A into a1 shows in $name" "(( \$(count $x $y $w 30 \"\$orange\") > 10 ))"
done
[[ -n "$shots" ]] && cp "$work/shot.png" "$shots/e2e-row-a.png"
expect "row b stays empty" '(( $(count 466 440 33 30 "#800000") == 0 ))'

# Minimising and restoring changes nothing.
xdotool windowminimize --sync "$win"
xdotool windowactivate --sync "$win"
read -r _ _ w3 h3 <<<"$(geometry)"
check "restored at its size" "${cw}x${ch}" "${w3}x${h3}"
expect "restored with row a intact" '(( $(count 690 601 33 30 "$orange") > 10 ))'

click2 20 300
expect "the second clearing empties a4" '(( $(count 690 601 33 30 "$orange") == 0 ))'

xdotool windowactivate --sync "$win" key alt+F4
rc=""
for _ in $(seq 100); do
    if ! kill -0 "$app" 2>/dev/null; then wait "$app"; rc=$?; break; fi
    sleep 0.05
done
check "closing ends the program with exit code 0" "0" "$rc"
[[ -z "$rc" ]] && kill "$app" 2>/dev/null

if (( failures > 0 )); then echo "e2e: $failures failed"; exit 1; fi
echo "e2e: all passed"
