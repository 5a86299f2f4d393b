#!/usr/bin/env bash
# measure-volume-sync.sh WIN_BUILD_DIR: how long the panel takes to show a
# master volume change made by another program while the settings screen is
# shown. Wine's own audio endpoint cannot be changed, so the audio stand-in
# (audiosim.dll) serves Core Audio in this prefix. Each sample sets the
# volume between 20 % and 80 % and times, from the set, the first change of
# a screen pixel just past the slider's old value.
. "$(dirname "$0")/../tests/e2e/e2e-lib.sh" "${1:-build/win}"

pixel_now() {
  import -window root -crop "1x1+$1+$2" +repage -format '%[hex:p{0,0}]' info: 2>/dev/null |
    cut -c1-6 | tr 'A-F' 'a-f'
}

e2e_setup
wine regsvr32 /s "$E2E_BIN/audiosim.dll" >/dev/null 2>&1
wine "$E2E_BIN/audiosim.exe" set 20 >/dev/null 2>&1
e2e_start
e2e_wait_window 90 >/dev/null || { echo "volume sync: no window"; exit 1; }
# The panel is the right half of a 1920x1080 screen; the volume slider spans
# 5..95 % of its width at 55..63 % of its height.
x_at() { echo $((960 + 48 + 864 * $1 / 100)); }
y=605
deadline=$((SECONDS + 60))
until [ "$(pixel_now 1100 5)" = 1a1a1a ] || [ $SECONDS -ge $deadline ]; do sleep 0.2; done
e2e_tap 1440 352  # the middle of the performance page's cog
deadline=$((SECONDS + 30))
until [ "$(pixel_now "$(x_at 50)" $y)" = 2b2b2b ] || [ $SECONDS -ge $deadline ]; do sleep 0.2; done
sleep 1  # the 500 ms slide of the screen change ends
# samples COUNT: COUNT volume changes, alternately up and down; prints the
# milliseconds each took to show.
samples() {
  local i level=20 probe
  for i in $(seq "$1"); do
    if [ $level = 20 ]; then level=80 probe=$(x_at 24); else level=20 probe=$(x_at 76); fi
    wine "$E2E_BIN/volume_sync_latency.exe" $level "$probe" $y 2>/dev/null | tr -d '\r'
    sleep 0.5
  done
}
summary() {
  sort -n | grep -E '^[0-9]+$' |
    awk '{ v[NR] = $1 } END { if (NR) printf "median %d ms, min %d, max %d over %d", v[int((NR + 1) / 2)], v[1], v[NR], NR }'
}
# Under Wine the panel's frames reach the X server when Wine flushes the
# window's surface, which it does while the window thread handles messages:
# with the pointer still, a finished frame can wait over a second. Measured
# both ways: the second set with the pointer moving over the panel.
echo "volume change by another program shown on screen after:"
echo "  pointer still:  $(samples 6 | summary)"
( while sleep 0.02; do xdotool mousemove 1300 300 mousemove 1301 300 2>/dev/null; done ) &
jiggle=$!
E2E_PIDS+=("$jiggle")
echo "  pointer moving: $(samples 6 | summary)"
kill "$jiggle"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
