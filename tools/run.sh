#!/usr/bin/env bash
# run.sh WIN_BUILD_DIR: starts the program on the simulated handheld.
#
# The run prefix (WIN_BUILD_DIR/run-prefix, kept between runs so settings and
# the simulated EC persist) is made a supported device: processor
# "AMD Ryzen 7 6800U", board "Vexa Crest", the stand-ins beside the program.
# With an X session (DISPLAY set) the program opens on that desktop; without
# one it runs on a private Xvfb.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-build/win}")
. "$here/wine-env.sh"
. "$here/xvfb.sh"
. "$here/device.sh"

"$here/make-prefix.sh" "$build/wine-template"
prefix=$build/run-prefix
if [ ! -f "$prefix/.ready" ]; then
  rm -rf "$prefix"
  cp -a "$build/wine-template" "$prefix"
fi
export WINEPREFIX=$prefix

own_display=""
if [ -z "${DISPLAY:-}" ]; then
  xvfb_start "$prefix.xvfb.pid"
  own_display=1
  echo "run: no X session, using Xvfb on $DISPLAY"
fi
trap 'prefix_end "$prefix"; [ -n "$own_display" ] && xvfb_stop "$prefix.xvfb.pid"' EXIT

device_prepare "$prefix" "AMD Ryzen 7 6800U" "Vexa Crest"
# The stand-in RTSS (build/win/bin/rtss/), found through the registry as the
# real one is; the program starts it on the first limiter change.
device_install_rtss "$prefix" "$build/bin"
echo "run: device prefix $prefix (AMD Ryzen 7 6800U, Vexa Crest)"

# The simulated EC, RyzenAdj and ADLX stand-ins sit beside the program in the
# build's bin/ folder, where the program finds them as on the device.
wine "$build/bin/Vexa.Control.Center.exe" "$@" </dev/null >>"$prefix.log" 2>&1 &
program=$!
if [ -n "$own_display" ]; then
  for _ in $(seq 1 150); do
    xdotool search --name '^Vexa Control Center$' >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 3
  shot=$build/run-screenshot.png
  import -window root "$shot"
  echo "run: the panel is running on Xvfb; screenshot: $shot"
  echo "run: simulated EC: wine $build/bin/ecsim.exe dump (with WINEPREFIX=$prefix)"
  echo "run: Ctrl+C ends it"
fi
wait "$program"
echo "run: the program ended with exit code $?"
