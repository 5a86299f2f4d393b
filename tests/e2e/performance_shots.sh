#!/usr/bin/env bash
# Screenshots of the main screen with the performance page at two layout
# tiers (1920x1080 and 1280x800), in English and Chinese, into
# build/win/e2e-shots/performance-<width>-<language>.png; and checks that the
# page is laid out for each: the dial's red hub ring right of the page's
# centre and the page's background below the dial.
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/performance-lib.sh"
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"

# shoot WIDTH HEIGHT LANGUAGE-ENV NAME HUB_X HUB_Y BELOW_Y: HUB on the hub's
# red ring, BELOW under the dial on the page.
shoot() {
  E2E_SCREEN=${1}x${2}x24 e2e_setup
  env "$3" wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1 &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
  e2e_wait_window 90 >/dev/null || { check "$4: window appears" yes no; return; }
  # The dial's hub (a red dot) at the page's centre shows the tier's layout.
  e2e_until 90 e2e_pixel_is "$5" "$6" f44336
  e2e_wait_still 30
  e2e_screenshot "$shots/performance-$4.png"
  check "$4: dial hub at the page centre" f44336 "$(e2e_pixel "$shots/performance-$4.png" "$5" "$6")"
  check "$4: page background below the dial" 1a1a1a "$(e2e_pixel "$shots/performance-$4.png" "$5" "$7")"
  e2e_post 0x10
  e2e_wait_exit "$E2E_PID" 30 >/dev/null
  e2e_cleanup
  trap - EXIT
}

# 1920x1080: panel 960 wide at x 960, page 880 x 420 at y 64, hub (1440, 274),
# dial face down to y 457, page down to 484.
shoot 1920 1080 LC_ALL=en_US.UTF-8 1920-en 1446 274 475
shoot 1920 1080 LC_ALL=zh_CN.UTF-8 1920-zh 1446 274 475
# 1280x800: panel 640 wide at x 640, page 580 x 277 at y 48, pictures at
# zoom 168, hub (960, 186), dial face down to y 306, page down to 325.
shoot 1280 800 LC_ALL=en_US.UTF-8 1280-en 964 186 318
shoot 1280 800 LC_ALL=zh_CN.UTF-8 1280-zh 964 186 318
e2e_finish
