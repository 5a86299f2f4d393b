#!/usr/bin/env bash
# On a 3050e the fixed GPU clock is a window: minimum 100 MHz, then the
# maximum at the clock, at start and when the GPU slider is released.
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/performance-lib.sh"
e2e_setup "AMD Athlon Silver 3050e with Radeon Graphics" "Vexa Crest"
perf_start_fixed_clock 900
e2e_until 30 perf_more_than ryzenadj.log set_max_gfxclk_freq 0
check "start: minimum 100 then maximum 900" "set_min_gfxclk_freq 100 set_max_gfxclk_freq 900" \
  "$(perf_log ryzenadj.log | grep gfx | head -n 2 | tr '\n' ' ' | sed 's/ $//')"
check "no fixed-clock command on this processor" 0 "$(perf_count ryzenadj.log set_gfx_clk)"
check "start: the 3050e's default limit, 14 W" "set_stapm_limit 14000" "$(perf_log ryzenadj.log | grep -m1 set_stapm_limit)"

clocks=$(perf_count ryzenadj.log set_max_gfxclk_freq)
perf_drag $((PERF_GPU_SLIDER_LEFT + 120)) $((PERF_GPU_SLIDER_LEFT - 30)) $PERF_CPU_SLIDER_Y
perf_lift
e2e_until 20 perf_more_than ryzenadj.log set_max_gfxclk_freq "$clocks"
check "slider at its low end: minimum 100 then maximum 200" "set_min_gfxclk_freq 100 set_max_gfxclk_freq 200" \
  "$(perf_log ryzenadj.log | grep gfx | tail -n 2 | tr '\n' ' ' | sed 's/ $//')"
e2e_until 10 perf_setting_is GPU 0xc8
check "and stores GPU = 200" 0xc8 "$(perf_setting GPU)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
e2e_finish
