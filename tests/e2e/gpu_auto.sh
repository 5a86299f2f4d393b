#!/usr/bin/env bash
# Turning automatic GPU clock on from a fixed clock: the switch opens the
# reload dialog, "Later" stores GPUAuto = 1 without restarting the display
# adapter (ADLX is not started again), and the next start shows the GPU
# slider disabled: dragging it neither moves the gauge nor sets a clock.
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/performance-lib.sh"
e2e_setup
perf_start_fixed_clock 1500
e2e_until 30 perf_more_than ryzenadj.log set_gfx_clk 0
check "fixed clock applied at start" "set_gfx_clk 1500" "$(perf_log ryzenadj.log | grep -m1 set_gfx_clk)"
check "GPU-auto switch off" yes "$(perf_switch_off $PERF_AUTO_X && echo yes || echo no)"
clocks=$(perf_count ryzenadj.log set_gfx_clk)

# The dialog's "Later" button: 30 % x 10 % of the panel, its centre 20 %
# right of the middle and 20 % above the bottom (left of its label).
later_x=1532 later_y=810
e2e_tap $PERF_AUTO_X $PERF_SWITCH_Y
e2e_until 10 e2e_pixel_is $later_x $later_y 2b2b2b
check "the switch opens the reload dialog" 2b2b2b "$(e2e_pixel_now $later_x $later_y)"
check "automatic only once answered" 0x0 "$(perf_setting GPUAuto)"
e2e_tap $later_x $later_y
e2e_until 10 perf_setting_is GPUAuto 0x1
check "Later stores GPUAuto = 1" 0x1 "$(perf_setting GPUAuto)"
e2e_until 10 perf_switch_on $PERF_AUTO_X
check "back on the main screen with the switch on" f44336 "$(e2e_pixel_now $((PERF_AUTO_X - 28)) $PERF_SWITCH_Y)"
check "no adapter restart: ADLX started once" 1 "$(perf_count adlx.log ADLXInitialize)"
check "no ADLX stop either" 0 "$(perf_count adlx.log ADLXTerminate)"
check "no clock set by the answer" "$clocks" "$(perf_count ryzenadj.log set_gfx_clk)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null

# Next start: automatic. The live clock is the GPU's top (2200 MHz) so the
# gauge is fully lit; a disabled slider leaves it so under a drag to its low
# end, and sets no clock.
: >"$(perf_sim ryzenadj.log)"
VEXA_SIM_GPU_CLOCK=2200 wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1 &
E2E_PID=$!
E2E_PIDS+=("$E2E_PID")
e2e_until 60 perf_switch_on $PERF_BOOST_X || check "page drawn again" yes no
check "GPU-auto switch on after the restart" yes "$(perf_switch_on $PERF_AUTO_X && echo yes || echo no)"
gpu_lit() { [ "$(printf '%d' "0x$(e2e_pixel_now $PERF_GPU_RING_TOP | cut -c5-6)")" -gt 200 ]; }
e2e_until 15 gpu_lit
check "gauge shows the live clock (lit)" yes "$(gpu_lit && echo yes || echo no)"
# Watched all along: an enabled slider would darken the gauge at once (and
# the live-clock tick would light it again within a second).
watch=$E2E_PREFIX/gpu-ring.txt
perf_watch $PERF_GPU_RING_TOP "$watch"
perf_drag $((PERF_GPU_SLIDER_RIGHT - 10)) $((PERF_GPU_SLIDER_LEFT + 2)) $PERF_CPU_SLIDER_Y
# A sign that the panel has drawn since the drag: boost turned off outside
# shows on the switch.
perf_powersim set boost 0
e2e_until 5 perf_switch_off $PERF_BOOST_X
check "the panel ran after the drag" yes "$(perf_switch_off $PERF_BOOST_X && echo yes || echo no)"
perf_watch_end
dark=0
while read -r seen; do [ $((16#${seen:4:2})) -le 200 ] && dark=$((dark + 1)); done <"$watch"
check "disabled slider leaves the gauge lit throughout ($(wc -l <"$watch") looks)" 0 "$dark"
perf_lift
e2e_post 0x218 7   # a resume: its limits mark that the release was handled
e2e_until 20 perf_more_than ryzenadj.log set_fast_limit 0
check "no clock set while automatic" 0 "$(perf_count ryzenadj.log set_gfx_clk)"
check "fixed clock still stored" 0x5dc "$(perf_setting GPU)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
e2e_finish
