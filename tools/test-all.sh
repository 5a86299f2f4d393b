#!/usr/bin/env bash
# test-all.sh HOST_DIR WIN_DIR: runs every test of both trees (native first,
# then the Windows tree under Wine) and fails if any test failed.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
host=$1 win=$2
start=$(date +%s)
"$here/wine-sweep.sh" "$win"

status=0
( cd "$host" && ctest --output-on-failure -j2 ) || status=1
( cd "$win" && ctest --output-on-failure -j2 ) || status=1
"$here/wine-sweep.sh" "$win"

echo "test-all: both trees done in $(( $(date +%s) - start )) s"
exit $status
