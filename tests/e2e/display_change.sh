#!/usr/bin/env bash
# A display-mode change moves and resizes the panel to the right half of the
# new work area, rebuilds its frame buffer and lays it out for the new width.
# Bare Xvfb refuses mode changes under Wine, so this runs in a Wine virtual
# desktop (1920x1080), where they work and send WM_DISPLAYCHANGE.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup_desktop
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
e2e_start
# The desktop window appears first; the panel's window is inside it.
e2e_wait_window 90 >/dev/null || check "window appears" yes no
e2e_wait_frame || check "first frame drawn" yes no
e2e_wait_still
e2e_screenshot "$shots/display-1920.png"
check "panel on the right half at 1920x1080" 1a1a1a "$(e2e_pixel "$shots/display-1920.png" 1100 2)"
check "left half is the desktop" no "$([ "$(e2e_pixel "$shots/display-1920.png" 900 2)" = 1a1a1a ] && echo yes || echo no)"

wine "$E2E_BIN/set_mode.exe" 1024 768
check "mode change accepted" 0 $?
# The title of the 1024 tier uses the 18-pixel font instead of the 30-pixel
# one. The panel is first redrawn at its new size and laid out for the new
# width a moment later, so the test waits until the frame shows the new
# layout (or the deadline passes) and then looks at that frame.
title_rows() {
  convert "$1" -crop "${2}x$3+$4+0" +repage -fill black -opaque '#1a1a1a' -trim info: 2>/dev/null | awk '{ split($3, s, "x"); print s[2] }'
}
big=$(title_rows "$shots/display-1920.png" 400 43 1240)
laid_out_for_1024() {
  e2e_screenshot "$shots/display-1024.png"
  small=$(title_rows "$shots/display-1024.png" 300 30 618)
  [ -n "$small" ] && [ -n "$big" ] && [ "$small" -gt 8 ] && [ "$small" -lt "$big" ] &&
    [ "$(e2e_pixel "$shots/display-1024.png" 530 29)" = 1a1a1a ] &&
    [ "$(e2e_pixel "$shots/display-1024.png" 530 33)" = 101010 ]
}
small=""
e2e_until 30 laid_out_for_1024
echo "title ink height: $big px at 1920, $small px at 1024"
check "smaller font after the change" yes "$([ -n "$small" ] && [ -n "$big" ] && [ "$small" -gt 8 ] && [ "$small" -lt "$big" ] && echo yes || echo no)"
# The desktop is now 1024x768: the panel's left edge is at 512 and its status
# bar 4 % of 768 = 30 pixels high.
check "panel moved to the new right half" 1a1a1a "$(e2e_pixel "$shots/display-1024.png" 530 2)"
check "left of it is not the panel" no "$([ "$(e2e_pixel "$shots/display-1024.png" 500 2)" = 1a1a1a ] && echo yes || echo no)"
check "status bar 4 % of the new height" 1a1a1a "$(e2e_pixel "$shots/display-1024.png" 530 29)"
check "below the status bar" 101010 "$(e2e_pixel "$shots/display-1024.png" 530 33)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30
check "closes with 0" 0 $?
e2e_finish
