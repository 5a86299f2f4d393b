# Sourced by the harness scripts: the Wine environment every run uses.
# No Mono/Gecko install prompts, and no crash dialog (with a DISPLAY set it
# would wait for a click forever). powrprof: the stand-in beside the program
# (sim/powrprof_stub.cpp) before Wine's own, whose power-scheme functions end
# the process.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;powrprof=n,b${VEXA_EXTRA_DLLOVERRIDES:+;$VEXA_EXTRA_DLLOVERRIDES}"
export WINEARCH=win64
# One audio endpoint through a null ALSA device (its master volume reads 1.0
# and cannot be set under Wine); a caller's own ALSA_CONFIG_PATH wins.
export ALSA_CONFIG_PATH=${ALSA_CONFIG_PATH:-/usr/share/alsa/alsa.conf:$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/alsa-null.conf}

# prefix_end PREFIX: ends the wineserver of that prefix and everything it runs.
prefix_end() {
  WINEPREFIX=$1 wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$1 timeout 20 wineserver -w >/dev/null 2>&1 || true
}
