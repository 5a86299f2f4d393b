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
echo "run: device prefix $prefix (AMD Ryzen 7 6800U, Vexa Crest)"

# Until the panel exists, the EC probe shows the program's EC access at work
# against the simulated controller, and ecsim shows the EC's registers after.
wine "$build/bin/ec_probe.exe"
echo "run: simulated EC registers now:"
wine "$build/bin/ecsim.exe" dump
