#!/usr/bin/env bash
# Installs what the two builds and the test harness need: Debian packages
# (only those missing, with one `apt-get update` first) and the npm tools into
# the tree. Safe to run again; a second run on a ready machine does nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  cmake ninja-build make pkg-config python3
  g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils xdotool imagemagick
  rapidjson-dev googletest libbenchmark-dev
  fonts-droid-fallback python3-fonttools librsvg2-bin icoutils
)

missing=()
# node and npm may come from outside Debian (they do on our machines); only ask
# Debian for them when the commands are absent.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# npm tools (the font converter) live in the tree, pinned by package-lock.json.
if [ -f "$here/tools/package.json" ] && [ ! -x "$here/tools/node_modules/.bin/lv_font_conv" ]; then
  (cd "$here/tools" && npm ci --no-audit --no-fund --silent 2>/dev/null || npm install --no-audit --no-fund --silent)
fi
