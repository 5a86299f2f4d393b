#!/usr/bin/env bash
# The performance page on a simulated 6800U handheld, driven by the pointer:
# the power-limit dial, the processor-state slider, boost changed outside
# the panel, a value set outside while the slider is held, and the re-apply
# after a resume and on power-status broadcasts. What reached the device is
# read from the stand-ins' logs and state and from the registry.
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/performance-lib.sh"
e2e_setup
# A fixed GPU clock, a fixed fan speed and a colour, so that a resume has
# all of them to put back.
perf_store GPUAuto 0
perf_store GPU 1500
perf_store FanMode 0
perf_store FanSpeed 50
perf_store RGBMode 1
perf_store RGBValue 0xFFFF0000
perf_store RGBStrength 50
e2e_start
e2e_wait_window 90 >/dev/null || { check "window appears" yes no; e2e_finish; }
e2e_until 60 e2e_pixel_is 1100 2 1a1a1a || check "first frame" yes no

# At start the stored limit (18 W, the 6800U's default) and clock reach the SMU.
e2e_until 30 perf_more_than ryzenadj.log set_fast_limit 0
check "start: stapm, slow, fast with 18 W" "set_stapm_limit 18000 set_slow_limit 18000 set_fast_limit 18000" \
  "$(perf_log ryzenadj.log | grep -E '_limit ' | head -n 3 | tr '\n' ' ' | sed 's/ $//')"
check "start: the fixed clock" "set_gfx_clk 1500" "$(perf_log ryzenadj.log | grep -m1 set_gfx_clk)"
check "start: the scheme holds the stored state" "100 100" "$(perf_powersim get cpu)"

# The dial: from 18 W along the ring to 25 W, then let go.
limits=$(perf_count ryzenadj.log set_fast_limit)
e2e_until 30 e2e_pixel_is $PERF_CX 60 1a1a1a   # the page is drawn
perf_turn_dial 18 25 4 34
e2e_until 20 perf_more_than ryzenadj.log set_fast_limit "$limits"
check "dial released at 25 W: stapm, slow, fast in that order" \
  "set_stapm_limit 25000 set_slow_limit 25000 set_fast_limit 25000" \
  "$(perf_log ryzenadj.log | grep -E '_limit ' | tail -n 3 | tr '\n' ' ' | sed 's/ $//')"
e2e_until 10 perf_setting_is TDP 0x19
check "dial stores TDP" 0x19 "$(perf_setting TDP)"
check "one application per release" $((limits + 1)) "$(perf_count ryzenadj.log set_fast_limit)"

# The processor slider grows leftwards: from its right end to its middle.
writes=$(perf_count powrprof.log PowerWriteACValueIndex)
perf_drag $((PERF_CPU_SLIDER_RIGHT - 4)) 1143 $PERF_CPU_SLIDER_Y
check "nothing written while the slider is held" "$writes" "$(perf_count powrprof.log PowerWriteACValueIndex)"
perf_lift
e2e_until 20 perf_more_than powrprof.log PowerWriteACValueIndex "$writes"
scheme=$(perf_powersim get cpu)
stored=$(($(perf_setting CPU)))
check "slider writes the scheme AC and DC and stores CPU" "$stored $stored" "$scheme"
check "the middle of the slider is about 70 %" yes "$([ "$stored" -ge 60 ] && [ "$stored" -le 80 ] && echo yes || echo no)"
check "then activates the scheme" PowerSetActiveScheme "$(perf_log powrprof.log | tail -n 1)"

# Boost changed outside the panel (aggressive counts as off): the switch
# follows within the sync's period, and nothing is written back.
e2e_until 10 perf_switch_on $PERF_BOOST_X || check "boost switch shown on" yes no
writes=$(perf_count powrprof.log PowerWrite)
perf_powersim set boost 2
e2e_until 5 perf_switch_off $PERF_BOOST_X
check "boost mode 2 set outside clears the switch" 2b2b2b "$(e2e_pixel_now $((PERF_BOOST_X + 28)) $PERF_SWITCH_Y)"
check "nothing written back" "$writes" "$(perf_count powrprof.log PowerWrite)"
check "Boost stays stored as it was" 0x1 "$(perf_setting Boost)"

# A value set outside while the processor slider is held waits for the
# release: hold it at 100 %, lower the scheme to 45 % and, as a sign that the
# sync has run since, turn boost on outside; the gauge stays lit.
perf_drag 1150 980 $PERF_CPU_SLIDER_Y
e2e_until 5 perf_cpu_lit || check "gauge lit at 100 %" yes no
perf_powersim set cpu 45
perf_powersim set boost 1
e2e_until 5 perf_switch_on $PERF_BOOST_X
check "the sync ran (boost back on)" f44336 "$(e2e_pixel_now $((PERF_BOOST_X - 28)) $PERF_SWITCH_Y)"
check "held slider keeps 100 % (gauge lit)" yes "$(perf_cpu_lit && echo yes || echo no)"
writes=$(perf_count powrprof.log PowerWriteACValueIndex)
perf_lift
e2e_until 20 perf_more_than powrprof.log PowerWriteACValueIndex "$writes"
check "on release the held value is written" "100 100" "$(perf_powersim get cpu)"
e2e_until 10 perf_setting_is CPU 0x64
check "and stored" 0x64 "$(perf_setting CPU)"

# Power-status broadcasts without a change of the AC line (Wine always
# reports mains) apply nothing; a resume behind them, handled after them
# in order, puts the limit, clock, fan and lighting back.
: >"$(perf_sim ryzenadj.log)"
e2e_ec_set 0x10 1
e2e_ec_set 0x11 0
e2e_ec_set 0xB0 0
e2e_ec_set 0xB3 0
for _ in 1 2 3; do e2e_post 0x218 10; done
e2e_post 0x218 7
e2e_until 20 perf_more_than ryzenadj.log set_fast_limit 0
ec_shows_colour() { [ "$(e2e_ec 0xB3)" = 170 ]; }
e2e_until 5 ec_shows_colour
check "broadcasts and resume: one application" \
  "set_stapm_limit 25000 set_slow_limit 25000 set_fast_limit 25000 set_gfx_clk 1500" \
  "$(perf_log ryzenadj.log | tr '\n' ' ' | sed 's/ $//')"
check "resume: fan mode manual" 0 "$(e2e_ec 0x10)"
check "resume: duty of 50 %" 64 "$(e2e_ec 0x11)"
check "resume: red at half strength" "127 0 0" "$(e2e_ec 0xB0) $(e2e_ec 0xB1) $(e2e_ec 0xB2)"
check "resume: lighting shows the colour" 170 "$(e2e_ec 0xB3)"

e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
e2e_finish
