# Sourced by the fan-page end-to-end tests after e2e-lib.sh: where the fan
# panel's controls and the curve editor stand on a bare Xvfb screen (the
# panel is the right half, full height), and how to tell them from a
# screenshot.

E2E_PROBE="$(dirname "${BASH_SOURCE[0]}")/screen_probe.py"
probe() { python3 "$E2E_PROBE" "$@"; }

# fan_until SECONDS COMMAND...: e2e_until at a gentler pace. The conditions
# here take a screenshot or start a Wine process each time; looking again
# at once would keep a core busy and slow down the program being watched
# (and the tests running beside this one).
paced() { "$@" && return 0; sleep 0.4; return 1; }
fan_until() { local seconds=$1; shift; e2e_until "$seconds" paced "$@"; }

# fan_geometry WIDTH HEIGHT ICON: the places on a WIDTH x HEIGHT screen whose
# layout tier draws the editor icon ICON pixels wide. The fan panel is 44 %
# x 20 % of the panel, 24 % left of centre and halfway down; in it the icon
# box sits 3 % in, the drop-down (40 % x 30 %) 5 % from the top right, the
# slider (90 % x 45 %) 5 % above the bottom.
fan_geometry() {
  SW=$(($1 / 2)) SH=$2 PX=$(($1 / 2)) ICON=$3
  FPW=$((SW * 44 / 100)) FPH=$((SH * 20 / 100))
  FPX=$((PX + (SW - FPW) / 2 - SW * 24 / 100)) FPY=$((SH * 50 / 100))
  ICX=$((FPX + FPW * 3 / 100 + ICON / 2)) ICY=$((FPY + FPH * 3 / 100 + ICON / 2))
  DDX=$((FPX + FPW - FPW * 5 / 100 - FPW * 40 / 100 / 2)) DDY=$((FPY + FPH * 5 / 100 + FPH * 30 / 200))
  SLY=$((FPY + FPH - FPH * 5 / 100 - FPH * 45 / 200))
  # Curve editor: "Reset" and "Close" 30 % either side of the middle at 90 %
  # down, the read-out between them.
  RESETX=$((PX + SW / 2 - SW * 30 / 100)) CLOSEX=$((PX + SW / 2 + SW * 30 / 100)) BUTTONY=$((SH * 90 / 100 + 15))
}

fan_shot=""  # the last screenshot, set by fan_look
fan_look() { fan_shot=$E2E_PREFIX/fan-shot.png; e2e_screenshot "$fan_shot"; }

# The main screen with the fan panel drawn: its grey card above the slider.
fan_panel_shown() {
  fan_look
  [ "$(e2e_pixel "$fan_shot" $((FPX + FPW / 2)) $((FPY + 4)))" = 1a1a1a ] &&
    [ -n "$(slider_ends)" ]
}

# "LEFT RIGHT" of the speed slider along its middle row.
slider_ends() { probe row "$fan_shot" "$SLY" "$FPX" $((FPX + FPW - 1)) 2b2b2b 666666; }

# The slider's fill reaches its right end (100 %) or not.
slider_fill_at_end() {
  local ends
  fan_look
  ends=$(slider_ends)
  [ -n "$ends" ] && [ "$(e2e_pixel "$fan_shot" $((${ends#* } - 8)) "$SLY")" = "$1" ]
}
slider_full() { slider_fill_at_end 666666; }
slider_not_full() { slider_fill_at_end 2b2b2b; }

# The editor icon is drawn in the theme's red (custom mode) or not.
icon_is() { fan_look; [ "$(e2e_pixel "$fan_shot" "$ICX" "$ICY")" = "$1" ]; }

# choose_mode N CURRENT: opens the drop-down and taps option N (0 manual,
# 1 auto, 2 custom) when CURRENT is selected. The open list marks the
# current option with a red band, one option high, looked for near the
# list's right edge where no text crosses it; the others lie a band above
# or below it.
dropdown_band() {
  fan_look
  probe band "$fan_shot" $((FPX + FPW - FPW * 5 / 100 - 10)) $((DDY + 20)) $((DDY + SH * 30 / 100)) f44336
}
choose_mode() {
  local band top bottom
  e2e_tap "$DDX" "$DDY"
  fan_until 10 dropdown_open || return 1
  band=$(dropdown_band)
  read -r top bottom <<<"$band"
  e2e_tap "$DDX" $(((top + bottom) / 2 + ($1 - $2) * (bottom - top + 1)))
  # The list closes with the tap; the next look must not see it still drawn.
  fan_until 10 dropdown_closed
}
dropdown_open() { [ -n "$(dropdown_band)" ]; }
dropdown_closed() { [ -z "$(dropdown_band)" ]; }

# The chart's points as "x y" lines, left to right (seven once drawn).
curve_points() { probe dots "$fan_shot" "$PX" 0 "$SW" $((SH * 62 / 100)) f44336; }
editor_shown() { fan_look; [ "$(curve_points | wc -l)" = 7 ]; }

# x of the live marker's vertical line where it crosses row Y.
marker_x() { probe row "$fan_shot" "$1" "$PX" $((PX + SW - 1)) 2196f3 | awk '{ print $1 }'; }

# The read-out label between "Reset" and "Close", cropped into FILE.
readout_crop() {
  convert "$fan_shot" -crop $((SW * 30 / 100))x$((SH * 9 / 100))+$((PX + SW * 35 / 100))+$((SH * 89 / 100)) \
    +repage "$1" 2>/dev/null
}

# x where the slider's fill ends along its middle row (its right end).
slider_fill_end() { probe row "$fan_shot" "$SLY" "$FPX" $((FPX + FPW - 1)) 666666 | awk '{ print $2 }'; }
fill_near() { fan_look; local e; e=$(slider_fill_end); [ -n "$e" ] && [ $((e - $1)) -ge -3 ] && [ $((e - $1)) -le 3 ]; }

# slide_to PERCENT: presses the slider near its left end, drags to the place
# of PERCENT (its range 20..100 spans its width) and, once the fill has
# followed the finger there, lifts it.
slide_to() {
  local left right target step
  fan_look
  read -r left right <<<"$(slider_ends)"
  target=$((left + (($1 - 20) * (right - left + 1) + 40) / 80))
  xdotool mousemove $((left + 6)) "$SLY" sleep 0.1 mousedown 1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((left + 6 + (target - left - 6) * step / 8)) "$SLY" sleep 0.05
  done
  fan_until 10 fill_near "$target"
  xdotool mouseup 1
}

# dot_near X Y: a point of the curve is drawn within 6 pixels of (X, Y)
# (a point lands on the nearest whole degree and percent).
dot_near() {
  fan_look
  curve_points | awk -v x="$1" -v y="$2" '
    { dx = $1 - x; dy = $2 - y; if (dx * dx + dy * dy <= 36) found = 1 }
    END { exit !found }'
}

# drag_point FROM_X FROM_Y TO_X TO_Y: presses just right of the point at
# FROM (which takes it), drags it to TO and lifts once it is drawn there.
drag_point() {
  local step
  xdotool mousemove $(($1 + 2)) "$2" sleep 0.1 mousedown 1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + 2 + ($3 - $1 - 2) * step / 8)) $(($2 + ($4 - $2) * step / 8)) sleep 0.05
  done
  fan_until 10 dot_near "$3" "$4"
  xdotool mouseup 1
}

# The screen at rest: two looks 1.2 s apart alike, so neither a 500 ms screen
# slide nor the first once-a-second read-out is under way.
settled() {
  local earlier=$E2E_PREFIX/fan-earlier.png
  fan_look
  cp "$fan_shot" "$earlier"
  sleep 1.2
  fan_look
  [ "$(compare -metric AE "$earlier" "$fan_shot" null: 2>&1)" = 0 ]
}
