#!/usr/bin/env bash
# A crash still hands fan and lighting back to the EC: a thread of the
# program faults (started from outside at an address where no code is), the
# crash path writes the safe state and the process ends with the fault's code.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
e2e_start
window=$(e2e_wait_window 90) || { check "window appears" yes no; e2e_finish; }
e2e_wait_frame || check "first frame drawn" yes no
e2e_ec_in_use
wine "$E2E_BIN/crash_program.exe"
check "a faulting thread was started in the program" 0 $?
e2e_wait_exit "$E2E_PID" 30
check "the process ends with the access violation (0xC0000005)" 5 $?
e2e_check_ec_safe "crash"
check "the crash is in the safety log" 1 "$(e2e_safety_log | grep -c 'crash: exception 0xC0000005')"
check "tray icon removed" 0 "$(e2e_until 10 e2e_tray_gone; echo $?)"
e2e_finish
