# Sourced by the performance page's end-to-end tests after e2e-lib.sh (whose
# e2e_start, e2e_until, e2e_pixel_now and e2e_pixel_is they use): where the
# page's controls lie on a 1920x1080 screen, how a finger drags them, how the
# program starts with a fixed clock, and what the simulated device recorded.
#
# The panel is the right half (960 x 1080 at x 960). The page is 880 x 420,
# 6 % from the top (y 64), its pictures 880 x 440 centred on it, so the
# dial's centre is at (1440, 274). Percent positions are of the page's
# content box, 840 x 380.
PERF_CX=1440
PERF_CY=274
PERF_RING=152                              # inside the dial's ring, which alone takes presses
PERF_CPU_SLIDER_Y=377                      # both sliders' centre line
PERF_CPU_SLIDER_LEFT=1002 PERF_CPU_SLIDER_RIGHT=1284   # the part on the page
PERF_GPU_SLIDER_LEFT=1618 PERF_GPU_SLIDER_RIGHT=1866
PERF_BOOST_X=1163 PERF_AUTO_X=1717 PERF_SWITCH_Y=141
PERF_CPU_RING_TOP="1138 175"               # on the processor gauge's lit ring
PERF_GPU_RING_TOP="1742 175"

perf_sim() { echo "$E2E_PREFIX/drive_c/ProgramData/VexaSim/$1"; }
perf_log() { tr -d '\r' <"$(perf_sim "$1")" 2>/dev/null; }
perf_powersim() { wine "$E2E_BIN/powersim.exe" "$@" 2>/dev/null | tr -d '\r'; }
perf_setting() { e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' "$1"; }
perf_setting_is() { [ "$(perf_setting "$1")" = "$2" ]; }
perf_store() {
  wine reg add 'HKLM\SOFTWARE\ZEV\TMX' /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1
}

# perf_red X Y: the red channel (0..255) of the screen's pixel now.
perf_red() { printf '%d' "0x$(e2e_pixel_now "$1" "$2" | cut -c1-2)"; }
perf_cpu_lit() { [ "$(perf_red $PERF_CPU_RING_TOP)" -gt 200 ]; }

# A checked switch shows the accent red left of its knob (which sits at the
# right end); an unchecked one its grey track right of the knob.
perf_switch_on() { e2e_pixel_is $(($1 - 28)) "$PERF_SWITCH_Y" f44336; }
perf_switch_off() { e2e_pixel_is $(($1 + 28)) "$PERF_SWITCH_Y" 2b2b2b; }

# perf_count LOG PREFIX: lines of a stand-in's log that start with PREFIX.
perf_count() { perf_log "$1" | grep -c "^$2"; }
perf_more_than() { [ "$(perf_count "$1" "$2")" -gt "$3" ]; }

# perf_ring_point WATTS MIN MAX: "x y" on the dial's ring where WATTS lies
# (the scale runs clockwise over 270 degrees from the lower left).
perf_ring_point() {
  awk -v w="$1" -v lo="$2" -v hi="$3" -v cx=$PERF_CX -v cy=$PERF_CY -v r=$PERF_RING 'BEGIN {
    a = (135 + 270 * (w - lo + 0.3) / (hi - lo)) * 3.14159265 / 180
    printf "%d %d\n", cx + r * cos(a) + 0.5, cy + r * sin(a) + 0.5 }'
}

# perf_turn_dial FROM TO MIN MAX: a finger on the ring at FROM watts slides
# along it to TO and lifts. The moves are paced like a hand (the dial turns
# at a limited rate and reads the pointer every 10 ms).
perf_turn_dial() {
  local from=$1 to=$2 lo=$3 hi=$4 step w
  step=$([ "$to" -ge "$from" ] && echo 1 || echo -1)
  xdotool mousemove $(perf_ring_point "$from" "$lo" "$hi") sleep 0.1 mousedown 1 sleep 0.1
  w=$from
  while [ "$w" -ne "$to" ]; do
    w=$((w + step))
    xdotool mousemove $(perf_ring_point "$w" "$lo" "$hi") sleep 0.05
  done
  xdotool sleep 0.3 mouseup 1
}

# perf_drag X1 X2 Y: press at X1, slide to X2 in small steps, keep holding.
perf_drag() {
  local x=$1 to=$2 y=$3 step
  step=$([ "$2" -ge "$1" ] && echo 12 || echo -12)
  xdotool mousemove "$x" "$y" sleep 0.1 mousedown 1 sleep 0.1
  while [ $(((to - x) * step)) -gt 0 ]; do
    x=$((x + step))
    [ $(((to - x) * step)) -lt 0 ] && x=$to
    xdotool mousemove "$x" "$y" sleep 0.03
  done
  xdotool sleep 0.2
}
perf_lift() { xdotool mouseup 1; }

# perf_watch X Y FILE: appends the pixel at X Y to FILE about ten times a
# second until perf_watch_end; so a change that lasts only a moment is seen.
perf_watch() {
  (while :; do e2e_pixel_now "$1" "$2" >>"$3"; sleep 0.05; done) &
  PERF_WATCH_PID=$!
}
perf_watch_end() { kill "$PERF_WATCH_PID" 2>/dev/null; wait "$PERF_WATCH_PID" 2>/dev/null; }

# perf_start_fixed_clock MHZ: starts the program with a fixed GPU clock of
# MHZ stored and waits until the page is drawn (the boost switch shows on).
perf_start_fixed_clock() {
  perf_store GPUAuto 0
  perf_store GPU "$1"
  e2e_start
  e2e_wait_window 90 >/dev/null || { check "window appears" yes no; e2e_finish; }
  e2e_until 60 perf_switch_on $PERF_BOOST_X || check "page drawn" yes no
}
