#!/usr/bin/env bash
# The extended-resolution EDID override: written to every instance of the
# panel on a first start (with the "Info" message), left alone when current,
# rewritten when its version is 100.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
panel='HKLM\SYSTEM\CurrentControlSet\Enum\DISPLAY\ZEV1805'
instances=('4&1a2b3c4d&0&UID256' '4&5e6f7a8b&0&UID257')
for instance in "${instances[@]}"; do
  wine reg add "$panel\\$instance" /v Seeded /t REG_DWORD /d 1 /f >/dev/null
done
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"

# start_and_look SHOT: runs the program until its panel is up, screenshots it
# and closes it again.
start_and_look() {
  e2e_start
  e2e_wait_shown
  e2e_wait_still
  e2e_screenshot "$1"
  e2e_post 0x10
  e2e_wait_exit "$E2E_PID" 30 >/dev/null
}

# The message box sits in the middle of the panel; without it the main
# screen's background shows there.
message_shown() {
  # Inside the centred box, in the gap between the fan panel and the
  # frame-rate panel, where the screen is otherwise background.
  [ "$(e2e_pixel "$1" 1440 600)" != 101010 ] && echo yes || echo no
}

override_of() { echo "$panel\\$1\\Device Parameters\\EDID_OVERRIDE"; }

start_and_look "$shots/edid-first.png"
for instance in "${instances[@]}"; do
  key=$(override_of "$instance")
  check "Version 69 in $instance" 0x45 "$(e2e_reg "$key" Version)"
  blocks=0
  for block in 0 1 2 3 4 5 6 7; do
    data=$(e2e_reg "$key" "$block")
    [ ${#data} -eq 256 ] && blocks=$((blocks + 1))
  done
  check "eight 128-byte blocks in $instance" 8 "$blocks"
done
check "first start shows the Info message" yes "$(message_shown "$shots/edid-first.png")"

start_and_look "$shots/edid-second.png"
check "current override: no message" no "$(message_shown "$shots/edid-second.png")"

wine reg add "$(override_of "${instances[0]}")" /v Version /t REG_DWORD /d 100 /f >/dev/null
start_and_look "$shots/edid-version100.png"
check "Version 100 rewritten as 69" 0x45 "$(e2e_reg "$(override_of "${instances[0]}")" Version)"
check "rewrite shows the message" yes "$(message_shown "$shots/edid-version100.png")"
e2e_finish
