#!/usr/bin/env bash
# The tray icon as a user works it: Hide and Show from its menu, then Exit,
# which hands fan and lighting back to the EC, releases the libraries, leaves
# the stored settings as they are and removes the icon.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
wine reg add 'HKLM\SOFTWARE\ZEV\TMX' /v FanMode /t REG_DWORD /d 0 /f >/dev/null
wine reg add 'HKLM\SOFTWARE\ZEV\TMX' /v FanSpeed /t REG_DWORD /d 45 /f >/dev/null
e2e_start
e2e_wait_shown

e2e_tray_choose top   # "Hide"
check "tray Hide fades the panel out" 0 "$(e2e_until 20 e2e_opacity_is "$E2E_WINDOW" 0; echo $?)"
e2e_tray_choose top   # "Show"
check "tray Show fades it in again" 0 "$(e2e_until 20 e2e_opacity_is "$E2E_WINDOW" 250; echo $?)"

e2e_ec_in_use
e2e_tray_choose bottom   # "Exit"
e2e_wait_exit "$E2E_PID" 30
check "tray Exit ends with 0" 0 $?
e2e_check_ec_safe "tray Exit"
check "the safe state was read back" 2 "$(e2e_safety_log | grep -c 'read back after')"
check "tray icon removed" 0 "$(e2e_until 10 e2e_tray_gone; echo $?)"
log=$E2E_PREFIX/drive_c/ProgramData/VexaSim
check "cleanup_ryzenadj called once" 1 "$(e2e_count "$log/ryzenadj.log" '^cleanup_ryzenadj')"
check "ADLX terminated with nothing alive" 1 "$(e2e_count "$log/adlx.log" 'ADLXTerminate live 0 misuse 0')"
check "the stored fan mode is kept" 0x0 "$(e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' FanMode)"
check "the stored fan speed is kept" 0x2d "$(e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' FanSpeed)"
e2e_finish
