#!/usr/bin/env bash
# The fan panel and the curve editor in the other layouts: Chinese at
# 1920x1080, English and Chinese at 1280x800 (a smaller tier: smaller icon,
# chart and fonts). In each the stored custom mode shows the red editor icon,
# the icon opens the editor, and its chart shows all seven points at the
# tier's size; the Chinese texts differ from the English ones while the
# chart is drawn alike. Screenshots of every view go to e2e-shots/
# (fan-main-WIDTH-LANG.png, fan-editor-WIDTH-LANG.png).
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/fan-lib.sh"
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"

# view WIDTH HEIGHT ICON CHART_WIDTH LANG: one run of the program.
view() {
  local width=$1 height=$2 name="$1-$5" span left right
  # Every Wine process of the run in the one language: the prefix keeps the
  # locale its first processes saw.
  export LC_ALL=$([ "$5" = zh ] && echo zh_CN.UTF-8 || echo en_US.UTF-8)
  E2E_SCREEN=${width}x${height}x24 e2e_setup
  fan_geometry "$width" "$height" "$3"
  wine reg add 'HKLM\SOFTWARE\ZEV\TMX' /v FanMode /t REG_DWORD /d 2 /f >/dev/null
  wine "$E2E_BIN/ecsim.exe" freeze on >/dev/null
  wine "$E2E_BIN/ecsim.exe" temp 45 >/dev/null
  e2e_start
  # Each wait says which one ran out, so a failure on a loaded machine
  # points at its stage.
  local stage=""
  fan_until 90 fan_panel_shown || stage="the fan panel"
  [ -z "$stage" ] && { fan_until 30 icon_is f44336 || stage="the red editor icon"; }
  [ -z "$stage" ] && { fan_until 40 settled || stage="a still screen"; }
  if [ -z "$stage" ]; then
    check "$name: custom mode shows the red icon" f44336 "$(e2e_pixel "$fan_shot" "$ICX" "$ICY")"
    cp "$fan_shot" "$shots/fan-main-$name.png"
    e2e_tap "$ICX" "$ICY"
    fan_until 20 editor_shown && fan_until 20 settled
    check "$name: the editor shows seven points" 7 "$(curve_points | wc -l)"
    # Point 0 stands at 0 C and point 6 at 100 C: their distance is the
    # chart's plot width, a little less than the tier's chart width.
    read -r left right <<<"$(curve_points | awk 'NR == 1 { l = $1 } { r = $1 } END { print l, r }')"
    span=$((right - left))
    check "$name: chart plot as wide as the tier's chart" yes \
      "$([ "$span" -gt $(($4 * 85 / 100)) ] && [ "$span" -lt "$4" ] && echo yes || echo no)"
    cp "$fan_shot" "$shots/fan-editor-$name.png"
  else
    check "$name: panel with the custom fan mode (waited in vain for $stage)" yes no
    cp "$fan_shot" "$shots/fan-failed-$name.png" 2>/dev/null
  fi
  e2e_post 0x10
  e2e_wait_exit "$E2E_PID" 30 >/dev/null
  e2e_cleanup
  trap - EXIT
  unset LC_ALL
}

# Zone titles ("Zone 1" .. or "分区1" ..) and the chart of one screenshot.
zone_titles() { convert "$1" -crop $((SW * 90 / 100))x$((SH * 6 / 100))+$((PX + SW * 5 / 100))+$((SH * 65 / 100)) +repage "$2"; }
chart_part() { convert "$1" -crop $((SW * 80 / 100))x$((SH * 30 / 100))+$((PX + SW * 10 / 100))+$((SH * 6 / 100)) +repage "$2"; }
alike() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ] && echo yes || echo no; }

view 1920 1080 64 800 zh
view 1280 800 42 528 en
view 1280 800 42 528 zh

fan_geometry 1280 800 42
work=$(mktemp -d)
zone_titles "$shots/fan-editor-1280-en.png" "$work/en-titles.png"
zone_titles "$shots/fan-editor-1280-zh.png" "$work/zh-titles.png"
chart_part "$shots/fan-editor-1280-en.png" "$work/en-chart.png"
chart_part "$shots/fan-editor-1280-zh.png" "$work/zh-chart.png"
check "1280: Chinese zone titles differ from the English ones" no "$(alike "$work/en-titles.png" "$work/zh-titles.png")"
check "1280: the chart's upper part is drawn alike in both languages" yes "$(alike "$work/en-chart.png" "$work/zh-chart.png")"
rm -rf "$work"
e2e_finish
