#!/usr/bin/env bash
# dist.sh WIN_BUILD_DIR: lays out what is installed on a device under
# C:\Program Files\ZEV\TMX (the program and its launcher, never the stand-ins
# of sim/) and packs it as build/win/vexa-control-center.tar.gz.
set -euo pipefail
build=$(realpath "${1:-build/win}")
root=$build/dist/ZEV/TMX
rm -rf "$build/dist"
mkdir -p "$root"
cp "$build/bin/Vexa.Control.Center.exe" "$build/bin/TMXStart.exe" "$root/"
tar -C "$build/dist" -czf "$build/vexa-control-center.tar.gz" ZEV
echo "dist: $build/vexa-control-center.tar.gz (ZEV/TMX: Vexa.Control.Center.exe, TMXStart.exe)"
