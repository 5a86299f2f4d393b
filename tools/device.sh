# Sourced by the harness scripts. device_prepare PREFIX CPU BOARD makes a Wine
# prefix look like a supported handheld: the processor and board names live in
# HKLM\HARDWARE, which wineserver rebuilds whenever it starts, so a persistent
# server is started first and must run for as long as the program does
# (prefix_end ends it).
device_prepare() {
  local prefix=$1 cpu=$2 board=$3
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 || true
  WINEPREFIX=$prefix wineserver -p
  WINEPREFIX=$prefix wine reg add 'HKLM\HARDWARE\DESCRIPTION\System\CentralProcessor\0' \
    /v ProcessorNameString /t REG_SZ /d "$cpu" /f >/dev/null
  WINEPREFIX=$prefix wine reg add 'HKLM\HARDWARE\DESCRIPTION\System\BIOS' \
    /v BaseBoardProduct /t REG_SZ /d "$board" /f >/dev/null
}
