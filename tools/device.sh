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

# device_install_rtss PREFIX BIN: installs the stand-in RTSS of sim/ (BIN/rtss/)
# the way RTSS's installer leaves it, as far as the program looks: its
# executable's full path in HKLM\Software\WOW6432Node\Unwinder\RTSS, value
# "InstallPath". The hooks library lies beside the executable.
device_install_rtss() {
  local prefix=$1 bin=$2 path
  path=$(WINEPREFIX=$prefix winepath -w "$bin/rtss/RTSS.exe" 2>/dev/null | tr -d '\r')
  WINEPREFIX=$prefix wine reg add 'HKLM\Software\WOW6432Node\Unwinder\RTSS' \
    /v InstallPath /t REG_SZ /d "$path" /f >/dev/null
}
