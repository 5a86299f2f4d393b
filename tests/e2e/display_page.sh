#!/usr/bin/env bash
# The display page through the real input: the resolution tile opens the
# display screen, its lists show the modes Wine reports, a tap on a mode
# switches the desktop (seen by a second process), a tap on the mode in
# force switches nothing, and after a switch the screen follows with the new
# mode's layout. Then the same screens in Chinese. Runs in a Wine virtual
# desktop (1920x1080), the one place Wine offers 60 Hz modes and switches
# them; screenshots land in e2e-shots/.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup_desktop
# Every wait below looks at a screenshot or asks a second Wine process.
E2E_PAUSE=0.3
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
# Working files live in the prefix, which the test removes at its end.
shot=$E2E_PREFIX/e2e-shot.png
earlier=$E2E_PREFIX/e2e-earlier.png

# The desktop's mode as a second process reads it: WIDTHxHEIGHT@HZ.
desktop_mode() { wine "$E2E_BIN/query_mode.exe" 2>/dev/null | tr -d '\r'; }

# The panel fills the right half of the desktop (W x H): PX, PW, PH.
panel_of() { W=${1%x*} H=${1#*x}; PX=$((W / 2)) PW=$((W / 2)) PH=$H; }
# The panel's height is the work area's, which is the desktop's less the
# virtual desktop's task bar once that has been laid out: measured down the
# panel's left edge in the last screenshot.
measure_height() {
  local h
  h=$(convert "$shot" -crop "1x$H+$((PX + 4))+0" +repage txt:- 2>/dev/null |
    awk 'NR > 1 { split($1, p, "[,:]"); c = tolower(substr($3, 2, 6))
         if (c == "101010" || c == "1a1a1a") last = p[2] } END { print last + 1 }')
  [ "${h:-0}" -gt $((H / 2)) ] && PH=$h
}
at() { echo $((PX + PW * $1 / 1000)) $((PH * $2 / 1000)); }  # per-mille of the panel
tap_at() { local xy; read -r -a xy <<<"$(at "$1" "$2")"; e2e_tap "${xy[0]}" "${xy[1]}"; }
pixel_at() { local xy; read -r -a xy <<<"$(at "$1" "$2")"; e2e_pixel "$shot" "${xy[0]}" "${xy[1]}"; }
screen_shows() {  # PERMILLE_X PERMILLE_Y COLOUR
  e2e_screenshot "$shot"
  [ "$(pixel_at "$1" "$2")" = "$3" ]
}

# The mode rows of the visible list, top to bottom, as "TOP BOTTOM COLOUR"
# lines: rows are filled bands down a column at 70 % of the panel's width,
# right of every row's text and left of the scroll bar; rate headers have no
# fill. Only rows wholly above the list's bottom edge count.
mode_rows() {
  local x top bottom
  x=$((PX + PW * 70 / 100)) top=$((PH * 15 / 100 + 62)) bottom=$((PH * 85 / 100))
  convert "$shot" -crop "1x$((bottom - top))+$x+$top" +repage txt:- 2>/dev/null |
    awk -v top="$top" -v bottom="$bottom" 'NR > 1 {
        split($1, p, "[,:]"); y = p[2] + top; c = tolower(substr($3, 2, 6))
        fill = (c == "2b2b2b" || c == "f44336")
        if (fill && start == "") { start = y; colour = c }
        if (!fill && start != "") { print start, y - 1, colour; start = "" }
      }'
}
row_count() { mode_rows | wc -l; }
# Succeeds once two screenshots at least 0.6 s apart are alike: screen
# changes and tab changes slide for 500 ms or less, and a shot in the middle
# of one shows parts of both sides.
settled() {
  e2e_screenshot "$earlier"
  sleep 0.6
  e2e_screenshot "$shot"
  [ "$(compare -metric AE "$earlier" "$shot" null: 2>&1)" = 0 ]
}
# tap_row N: taps the middle of the Nth mode row (from 1).
tap_row() {
  local line
  line=$(mode_rows | sed -n "${1}p")
  [ -n "$line" ] || return 1
  set -- $line
  e2e_tap $((PX + PW * 70 / 100)) $((($1 + $2) / 2))
}
# switch_by_row N MODE: taps row N and waits until the desktop is in MODE.
# On a loaded machine a screenshot pair can call the screen settled while
# the tab's content is still sliding, and a tap on sliding content can be
# released off the row it pressed (no click); so when nothing switched after
# a while, the row is tapped once more on a screen at rest, and the log says
# so.
switch_by_row() {
  tap_row "$1"
  e2e_until 20 mode_is "$2" && return 0
  echo "no switch to $2 after the first tap on row $1: tapping again" >&2
  e2e_until 30 display_screen_shown
  tap_row "$1"
  e2e_until 40 mode_is "$2"
}
row_colour() { e2e_screenshot "$shot"; mode_rows | sed -n "${1}p" | awk '{ print $3 }'; }
row_is() { [ "$(row_colour "$1")" = "$2" ]; }
# The display screen drawn for the panel's current size: mode rows, and right
# of the first one (at 97 % of the width) the background. Until the panel is
# laid out again after a switch, the window shows the old, wider layout cut
# off at its new edge, where the rows run to the border.
laid_out() {
  local line
  e2e_screenshot "$shot"
  line=$(mode_rows | sed -n 1p)
  [ -n "$line" ] || return 1
  set -- $line
  [ "$(e2e_pixel "$shot" $((PX + PW * 97 / 100)) $((($1 + $2) / 2)))" = 101010 ]
}
# Each screen at rest, not in the middle of its 500 ms slide (on a loaded
# machine even shots 0.6 s apart can catch the same frame of one): the main
# screen's status bar at the very top and the tile's button in place; the
# display screen's tab bar starting right at 15 % of the height.
main_screen_shown() {
  settled && [ "$(pixel_at 200 5)" = 1a1a1a ] && [ "$(pixel_at 117 910)" = 2b2b2b ]
}
display_screen_shown() {
  settled || return 1
  local top=$((PH * 15 / 100))
  [ "$(e2e_pixel "$shot" $((PX + PW * 900 / 1000)) $((top - 6)))" = 101010 ] &&
    [ "$(e2e_pixel "$shot" $((PX + PW * 900 / 1000)) $((top + 8)))" != 101010 ] &&
    [ "$(row_count)" -ge 8 ]
}
# tab_open PERMILLE_X: the tab at that place is the open one (tinted; the
# other tab shows the tab bar's own grey), and the screen has settled.
tab_open() {
  settled || return 1
  [ "$(e2e_pixel "$shot" $((PX + PW * $1 / 1000)) $((PH * 15 / 100 + 8)))" != 1a1a1a ]
}
mode_is() { [ "$(desktop_mode)" = "$1" ]; }

# What the lists should hold, from Wine's own enumeration: the 60 Hz modes
# of an aspect ratio (long side * 100 / short side, truncated), long side
# first, one line per enumerated copy, in list order.
wine "$E2E_BIN/query_mode.exe" --list 2>/dev/null | tr -d '\r' >"$E2E_PREFIX/e2e-modes.txt"
listed() {  # RATIO
  awk -v ratio="$1" '{ split($1, m, "[x@]"); w = m[1]; h = m[2]; hz = m[3]
      l = (w > h) ? w : h; s = (w > h) ? h : w
      if ($3 == "fixed=0" && hz == 60 && s > 0 && int(l * 100 / s) == ratio) print l "x" s }' \
    "$E2E_PREFIX/e2e-modes.txt" | sort -s -t x -k1,1nr
}
wide=($(listed 177))
narrow=($(listed 133))
echo "Wine lists ${#wide[@]} 16:9 and ${#narrow[@]} 4:3 modes at 60 Hz"
check "Wine offers 16:9 modes besides 1920x1080" yes "$([ ${#wide[@]} -ge 4 ] && echo yes || echo no)"

e2e_start
panel_of 1920x1080
e2e_until 60 screen_shows 200 10 1a1a1a || { check "panel appears" yes no; e2e_finish; }
# The tile sits at the bottom left of the main screen: its button at 11.7 %
# of the width (tile 44 % wide, 24 % left of centre; button 25 % of it, 5 %
# in) and 91 % of the height (tile 14 % high from 84 %).
e2e_until 30 main_screen_shown || check "tile button drawn" yes no
measure_height
cp "$shot" "$shots/main-tile-en.png"

tap_at 117 910
check "the tile opens the display screen" yes \
  "$(e2e_until 30 display_screen_shown && echo yes || echo no)"
cp "$shot" "$shots/display-en.png"
rows=$(row_count)
echo "display screen shows $rows whole mode rows at 1920x1080"
check "rows down to the list's edge" yes "$([ "$rows" -ge 8 ] && echo yes || echo no)"

# The first row is Wine's largest 16:9 mode, the mode in force: the tap ticks
# it and switches nothing.
check "first row is the mode in force" "1920x1080" "${wide[0]}"
tap_row 1
check "a tap on the mode in force ticks its row" yes \
  "$(e2e_until 30 row_is 1 f44336 && echo yes || echo no)"
check "and leaves the desktop as it was" "1920x1080@60" "$(desktop_mode)"

# The first row of another size switches the desktop to it.
for n in "${!wide[@]}"; do [ "${wide[$n]}" != 1920x1080 ] && break; done
target=${wide[$n]}
check "a tap on row $((n + 1)) switches the desktop to $target" "$target@60" \
  "$(switch_by_row $((n + 1)) "$target@60"; desktop_mode)"

# The panel follows: the right half of the new desktop, still the display
# screen, the current-mode label rewritten and the smaller tier's fonts.
panel_of "$target"
switched=$SECONDS
check "the display screen is laid out on the new right half" yes \
  "$(e2e_until 60 laid_out && echo yes || echo no)"
echo "laid out for $target about $((SECONDS - switched)) s after the switch was seen"
measure_height
e2e_until 30 display_screen_shown
cp "$shot" "$shots/display-en-$target.png"
# title_ink SHOT: "WIDTH HEIGHT" of the heading's ink (the band above the
# current-mode label, which starts at 8 % of the height), in the panel's
# middle half.
title_ink() {
  convert "$1" -crop "$((PW / 2))x$((PH * 8 / 100 - 4))+$((PX + PW / 4))+0" +repage \
    -fill black -opaque '#101010' -trim info: 2>/dev/null | awk '{ split($3, s, "x"); print s[1], s[2] }'
}
read -r _ big <<<"$(panel_of 1920x1080; title_ink "$shots/display-en.png")"
read -r _ small <<<"$(title_ink "$shots/display-en-$target.png")"
echo "heading ink height: $big px at 1920x1080, $small px at $target"
check "the headings take the smaller tier's font" yes \
  "$([ -n "$big" ] && [ -n "$small" ] && [ "$small" -gt 12 ] && [ "$small" -lt "$big" ] && echo yes || echo no)"

# The 4:3 tab: its first row is Wine's largest 4:3 mode.
tap_at 725 $((150 + 30000 / PH))
check "the 4:3 tab opens" yes "$(e2e_until 30 tab_open 900 && echo yes || echo no)"
check "the 4:3 list's first row switches to ${narrow[0]}" "${narrow[0]}@60" \
  "$(switch_by_row 1 "${narrow[0]}@60"; desktop_mode)"

# Back on the 16:9 tab, the first row takes the desktop back to 1920x1080.
panel_of "${narrow[0]}"
e2e_until 60 laid_out
measure_height
e2e_until 30 display_screen_shown
tap_at 275 $((150 + 30000 / PH))
check "the 16:9 tab opens again" yes "$(e2e_until 30 tab_open 100 && echo yes || echo no)"
check "the 16:9 list's first row switches back to 1920x1080" "1920x1080@60" \
  "$(switch_by_row 1 "1920x1080@60"; desktop_mode)"
panel_of 1920x1080
e2e_until 60 laid_out
measure_height
e2e_until 30 display_screen_shown
# "Back" sits centred just below 90 % of the height.
tap_at 500 920
check "Back returns to the main screen" yes \
  "$(e2e_until 30 main_screen_shown && echo yes || echo no)"
cp "$shot" "$shots/back-en.png"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30
check "closes with 0" 0 $?

# The same two screens in Chinese.
LC_ALL=zh_CN.UTF-8 wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1 &
E2E_PID=$!
E2E_PIDS+=("$E2E_PID")
panel_of 1920x1080
e2e_until 60 main_screen_shown || check "Chinese panel appears" yes no
measure_height
cp "$shot" "$shots/main-tile-zh.png"
tap_at 117 910
e2e_until 30 display_screen_shown || check "Chinese display screen appears" yes no
cp "$shot" "$shots/display-zh.png"
# The heading "分辨率" is three wide glyphs where "Resolution" is ten letters.
read -r en _ <<<"$(title_ink "$shots/display-en.png")"
read -r zh _ <<<"$(title_ink "$shots/display-zh.png")"
echo "heading ink width: English $en px, Chinese $zh px"
check "the Chinese heading is another text" yes \
  "$([ -n "$en" ] && [ -n "$zh" ] && [ "$zh" -gt 40 ] && [ "$zh" -lt $((en - 40)) ] && echo yes || echo no)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30
check "Chinese run closes with 0" 0 $?
e2e_finish
