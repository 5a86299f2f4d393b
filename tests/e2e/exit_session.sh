#!/usr/bin/env bash
# The end of the Windows session. A log-off that is asked for and then
# cancelled (WM_QUERYENDSESSION, then WM_ENDSESSION FALSE) releases nothing:
# the hardware stays as the user set it and the panel keeps working, also
# through a display change. The real end (WM_ENDSESSION TRUE) hands fan and
# lighting back and ends the process. Windows sends these messages; so does
# the test.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
e2e_start
e2e_wait_shown
e2e_ec_in_use

e2e_post --send 0x11 0 0x80000000   # WM_QUERYENDSESSION, ENDSESSION_LOGOFF
check "the query is answered" 0 $?
e2e_post --send 0x16 0 0x80000000   # WM_ENDSESSION FALSE: the log-off was cancelled
check "a cancelled log-off leaves it running" 0 "$(e2e_running "$E2E_PID"; echo $?)"
check "fan left as set" 0 "$(e2e_ec 0x10)"
check "lighting left as set" 170 "$(e2e_ec 0xB3)"
check "RyzenAdj not cleaned up" 0 "$(e2e_count "$E2E_PREFIX/drive_c/ProgramData/VexaSim/ryzenadj.log" cleanup_ryzenadj)"
# A display change reads the display mode, which waits for ADLX: with ADLX
# stopped by a premature release the panel would hang there for good.
e2e_post 0x7E 32 $((1080 << 16 | 1920))   # WM_DISPLAYCHANGE
e2e_hotkey
check "the panel still answers the hotkey" 0 "$(e2e_until 30 e2e_opacity_is "$E2E_WINDOW" 0; echo $?)"

e2e_post --send 0x16 1 0x80000000   # WM_ENDSESSION TRUE: the session ends
e2e_wait_exit "$E2E_PID" 30
check "the session's end ends the program with 0" 0 $?
e2e_check_ec_safe "session end"
check "RyzenAdj cleaned up once" 1 "$(e2e_count "$E2E_PREFIX/drive_c/ProgramData/VexaSim/ryzenadj.log" '^cleanup_ryzenadj')"
check "tray icon removed" 0 "$(e2e_until 10 e2e_tray_gone; echo $?)"
e2e_finish
