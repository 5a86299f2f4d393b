#!/usr/bin/env bash
# make-prefix.sh DIR: builds the template Wine prefix of a build tree once.
# Tests never use it directly; tools/wine-run.sh copies it for every test so
# that no two tests share a registry or a file.
# Runs as a CTest fixture, so its own output goes to DIR.log: the Wine
# services it starts would otherwise inherit CTest's pipe and CTest would
# wait for them forever.
set -euo pipefail
dir=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$dir/.ready" ] && exit 0

mkdir -p "$(dirname "$dir")"
exec </dev/null 9>"$dir.lock" >>"$dir.log" 2>&1
flock 9
[ -f "$dir/.ready" ] && exit 0

. "$here/wine-env.sh"
. "$here/xvfb.sh"
rm -rf "$dir"
export WINEPREFIX=$dir
trap 'prefix_end "$dir"; xvfb_stop "$dir.xvfb.pid"' EXIT
xvfb_start "$dir.xvfb.pid"
echo "make-prefix: creating $dir on $DISPLAY"
wineboot -i
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
# A fresh prefix reports Windows 7; the program's manifest names Windows 10.
wine winecfg /v win10
# Let the server write the registry to disk before the prefix is copied.
wineserver -w
touch "$dir/.ready"
echo "make-prefix: done"
