#!/usr/bin/env bash
# A Chinese Windows UI language gives the Chinese texts: the status-bar title
# becomes "Vexa 控制中心". The title is compared with the English run by the
# extent of its ink: the Chinese title is four wide glyphs where the English
# one has fifteen narrow letters, and the two must not render alike.
. "$(dirname "$0")/e2e-lib.sh" "$1"
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"

# title_ink FILE: "left right" of the non-background columns around the
# screen's centre of the status bar (clock and battery labels sit far apart).
title_ink() {
  convert "$1" -crop 600x43+1140+0 +repage -fill black -opaque '#1a1a1a' -trim info: 2>/dev/null |
    awk '{ split($4, o, "+"); split($3, s, "x"); print o[2], o[2] + s[1] }'
}

run_in() {  # LANGUAGE-ENV SHOT
  e2e_setup
  env $1 wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1 &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
  window=$(e2e_wait_window 90) || { check "window appears ($1)" yes no; e2e_finish; }
  e2e_wait_frame || check "first frame drawn ($1)" yes no
  e2e_until 30 e2e_opacity_is "$window" 250 || check "fade-in ends ($1)" yes no
  e2e_wait_still
  e2e_screenshot "$2"
  e2e_post 0x10
  e2e_wait_exit "$E2E_PID" 30 >/dev/null
  e2e_cleanup
  trap - EXIT
}

run_in "LC_ALL=en_US.UTF-8" "$shots/main-en-title.png"
run_in "LC_ALL=zh_CN.UTF-8" "$shots/main-zh.png"
read -r en_left en_right <<<"$(title_ink "$shots/main-en-title.png")"
read -r zh_left zh_right <<<"$(title_ink "$shots/main-zh.png")"
en_width=$((en_right - en_left)) zh_width=$((zh_right - zh_left))
echo "title ink: English $en_width px, Chinese $zh_width px"
check "English title rendered" yes "$([ "$en_width" -gt 150 ] && echo yes || echo no)"
check "Chinese title is narrower" yes "$([ "$zh_width" -gt 60 ] && [ "$zh_width" -lt $((en_width - 40)) ] && echo yes || echo no)"
check "titles differ" yes "$(compare -metric AE "$shots/main-en-title.png" "$shots/main-zh.png" null: 2>&1 | awk '{print ($1 > 100) ? "yes" : "no"}')"
e2e_finish
