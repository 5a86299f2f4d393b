#!/usr/bin/env bash
# test-all.sh HOST_DIR WIN_DIR: runs every test of both trees (native first,
# then the Windows tree under Wine) and fails if any test failed. The Windows
# part holds the tree's harness lock (tools/tree-lock.sh).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
host=$1 win=$2
start=$(date +%s)

status=0
( cd "$host" && ctest --output-on-failure -j2 ) || status=1
"$here/tree-lock.sh" "$win" bash -c '
  "$1/wine-sweep.sh" "$2"
  ( cd "$2" && ctest --output-on-failure -j2 )
  rc=$?
  "$1/wine-sweep.sh" "$2"
  exit $rc' sweep "$here" "$win" || status=1

echo "test-all: both trees done in $(( $(date +%s) - start )) s"
exit $status
