#!/usr/bin/env bash
# The fan panel and the curve editor through the real input on the simulated
# device (1920x1080): the stored mode, duty and curve reach the EC at start;
# in automatic mode the slider follows the EC's duty, in manual mode it does
# not; choosing "Manual" and releasing the slider at 50 % sets mode 0 and
# duty 64 and stores them; in custom mode the icon opens the editor, whose
# marker and read-out follow the simulated temperature; dragging zone 3
# writes the five register pairs and the registry; "Reset" writes the default
# curve; "Close" returns. Then a hand-edited registry with zones outside
# 0..100 (only clamped values reach the EC) and with zones out of order (the
# default curve stands in). Screenshots go to e2e-shots/.
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/fan-lib.sh"
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
KEY='HKLM\SOFTWARE\ZEV\TMX'

e2e_setup
fan_geometry 1920 1080 64
e2e_start
e2e_wait_window 90 >/dev/null || { check "window appears" yes no; e2e_finish; }
fan_until 60 fan_panel_shown || { check "fan panel drawn" yes no; e2e_finish; }

# Start-up: the defaults (automatic, 20 %, the default curve) went to the EC
# and the registry through the controls' handlers.
ec_is() { [ "$(e2e_ec "$1")" = "$2" ]; }
fan_until 10 ec_is 0x1B 90
check "start: fan mode automatic" 1 "$(e2e_ec 0x10)"
check "start: FanMode stored" 0x1 "$(e2e_reg "$KEY" FanMode)"
check "start: FanSpeed stored" 0x14 "$(e2e_reg "$KEY" FanSpeed)"
zones() { for r in 0x12 0x13 0x14 0x15 0x16 0x17 0x18 0x19 0x1A 0x1B; do printf '%s ' "$(e2e_ec $r)"; done; }
check "start: default curve in the EC" "51 20 64 50 76 60 115 70 128 90 " "$(zones)"
check "start: zone 4 stored" 0x5a "$(e2e_reg "$KEY" FanZone4Speed)"

# Automatic: the EC runs the fan from the temperature; the slider shows it.
wine "$E2E_BIN/ecsim.exe" freeze on >/dev/null
wine "$E2E_BIN/ecsim.exe" temp 95 >/dev/null
started=$(date +%s%N)
fan_until 10 slider_full
check "auto: the slider follows a full duty" yes "$(slider_full && echo yes || echo no)"
echo "auto: slider full $((($(date +%s%N) - started) / 1000000)) ms after the EC's duty changed (screenshots every ~0.3 s)"
wine "$E2E_BIN/ecsim.exe" temp 30 >/dev/null
fan_until 10 slider_not_full
check "auto: and back down" yes "$(slider_not_full && echo yes || echo no)"
cp "$fan_shot" "$shots/fan-main-auto-1920-en.png"

# Manual, then the slider released at 50 %.
choose_mode 0 1 || check "drop-down list opens" yes no
fan_until 10 ec_is 0x10 0
check "manual: fan mode 0" 0 "$(e2e_ec 0x10)"
check "manual: FanMode stored" 0x0 "$(e2e_reg "$KEY" FanMode)"
slide_to 50
fan_until 10 ec_is 0x11 64
check "manual: duty 64 for 50 %" 64 "$(e2e_ec 0x11)"
check "manual: FanSpeed stored" 0x32 "$(e2e_reg "$KEY" FanSpeed)"
# A hot device changes nothing in manual mode: watched for three read-outs.
wine "$E2E_BIN/ecsim.exe" temp 95 >/dev/null
moved=no
deadline=$((SECONDS + 3))
while [ $SECONDS -lt $deadline ]; do slider_full && moved=yes; sleep 0.3; done
check "manual: the slider stays where the user left it" no "$moved"
check "manual: the EC keeps the user's duty" 64 "$(e2e_ec 0x11)"

# Custom: the icon turns red and opens the editor.
choose_mode 2 0 || check "drop-down list opens again" yes no
fan_until 10 ec_is 0x10 2
check "custom: fan mode 2" 2 "$(e2e_ec 0x10)"
fan_until 10 icon_is f44336
check "custom: icon drawn in red" f44336 "$(e2e_pixel "$fan_shot" "$ICX" "$ICY")"
cp "$fan_shot" "$shots/fan-main-1920-en.png"
# 45 C puts the live marker between the points, clear of every one of them.
wine "$E2E_BIN/ecsim.exe" temp 45 >/dev/null
e2e_tap "$ICX" "$ICY"
fan_until 15 editor_shown || check "editor opens" yes no
mapfile -t points < <(curve_points)
check "editor: seven points on the chart" 7 "${#points[@]}"
read -r x2 y2 <<<"${points[2]}"
read -r x3 y3 <<<"${points[3]}"
read -r x4 y4 <<<"${points[4]}"
read -r x1 y1 <<<"${points[1]}"

# The live marker stands at the simulated temperature: on zone 3's column at
# 60 C and on zone 4's at 70 C, and the read-out changes with it.
marker_at() { fan_look; local x; x=$(marker_x "$y1"); [ -n "$x" ] && [ $((x - $1)) -ge -2 ] && [ $((x - $1)) -le 2 ]; }
wine "$E2E_BIN/ecsim.exe" temp 60 >/dev/null
fan_until 10 marker_at "$x3"
check "editor: marker on 60 C" yes "$(marker_at "$x3" && echo yes || echo no)"
readout_crop "$E2E_PREFIX/readout-60.png"
cp "$fan_shot" "$shots/fan-editor-1920-en.png"
wine "$E2E_BIN/ecsim.exe" temp 70 >/dev/null
fan_until 10 marker_at "$x4"
check "editor: marker on 70 C" yes "$(marker_at "$x4" && echo yes || echo no)"
readout_crop "$E2E_PREFIX/readout-70.png"
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
check "editor: read-out changes with the temperature" no "$(same "$E2E_PREFIX/readout-60.png" "$E2E_PREFIX/readout-70.png" && echo yes || echo no)"
wine "$E2E_BIN/ecsim.exe" temp 60 >/dev/null
readout_back() { fan_look; readout_crop "$E2E_PREFIX/readout-now.png"; same "$E2E_PREFIX/readout-60.png" "$E2E_PREFIX/readout-now.png"; }
fan_until 10 readout_back
check "editor: and shows 60 C again" yes "$(readout_back && echo yes || echo no)"

# Zone 3 (60 C, 60 %) dragged to 64 C and 80 %: the chart's scale comes
# from zones 2 and 4 (50 C at 50 %, 70 C at 90 %). The marker moves away
# first, so the dragged point is seen whole.
wine "$E2E_BIN/ecsim.exe" temp 45 >/dev/null
marker_off_zone_3() { fan_look; [ "$(marker_x "$y1")" != "$x3" ]; }
fan_until 10 marker_off_zone_3
tx=$(((x3 * 20 + (x4 - x2) * 4) / 20)) ty=$(((y3 * 40 - (y2 - y4) * 20) / 40))
drag_point "$x3" "$y3" "$tx" "$ty"
fan_until 10 ec_is 0x17 64
check "drag: zone 3 in the EC" "51 20 64 50 102 64 115 70 128 90 " "$(zones)"
check "drag: the five pairs written in order, speed first" \
  "0x12 0x13 0x14 0x15 0x16 0x17 0x18 0x19 0x1A 0x1B" \
  "$(wine "$E2E_BIN/ecsim.exe" log | tr -d '\r' | tail -n 10 | awk '{ printf "%s%s", sep, $1; sep = " " }')"
check "drag: FanZone3Speed stored" 0x50 "$(e2e_reg "$KEY" FanZone3Speed)"
check "drag: FanZone3Temp stored" 0x40 "$(e2e_reg "$KEY" FanZone3Temp)"
fan_look
cp "$fan_shot" "$shots/fan-editor-dragged-1920-en.png"

e2e_tap "$RESETX" "$BUTTONY"
fan_until 10 ec_is 0x17 60
check "reset: default curve in the EC" "51 20 64 50 76 60 115 70 128 90 " "$(zones)"
check "reset: FanZone3Speed stored" 0x3c "$(e2e_reg "$KEY" FanZone3Speed)"
check "reset: FanZone3Temp stored" 0x3c "$(e2e_reg "$KEY" FanZone3Temp)"

e2e_tap "$CLOSEX" "$BUTTONY"
fan_until 15 fan_panel_shown
check "close: back on the main screen" yes "$(fan_panel_shown && echo yes || echo no)"

# A hand-edited registry: zone 1 below 0, zone 5 above 100. The curve shown
# and written is held to 0..100.
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
for v in "FanZone1Speed 0xffffffe2" "FanZone1Temp 0xfffffffb" "FanZone5Speed 400" "FanZone5Temp 250"; do
  set -- $v
  wine reg add "$KEY" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null
done
wine "$E2E_BIN/ecsim.exe" set 0x12 200 >/dev/null
e2e_start
fan_until 60 fan_panel_shown || check "panel again" yes no
fan_until 10 ec_is 0x12 0
check "hand-edited: clamped curve in the EC" "0 0 64 50 76 60 115 70 128 100 " "$(zones)"
check "hand-edited: FanZone5Speed stored clamped" 0x64 "$(e2e_reg "$KEY" FanZone5Speed)"
check "hand-edited: FanZone1Temp stored clamped" 0x0 "$(e2e_reg "$KEY" FanZone1Temp)"

# Zones out of order (zone 3 below zone 2) would leave points that cannot be
# dragged past each other: the default curve stands in and is written.
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
wine reg add "$KEY" /v FanZone3Temp /t REG_DWORD /d 40 /f >/dev/null
e2e_start
fan_until 60 fan_panel_shown || check "panel once more" yes no
fan_until 10 ec_is 0x12 51
check "unordered: the default curve in the EC" "51 20 64 50 76 60 115 70 128 90 " "$(zones)"
check "unordered: FanZone3Temp stored as the default" 0x3c "$(e2e_reg "$KEY" FanZone3Temp)"
e2e_finish
