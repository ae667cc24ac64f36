#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# An export beyond the file-size limit (ulimit -f) is an error, not a crash:
# exit 1, the message names the file, the old file stays, and no temporary
# file is left beside it.
#   FileSizeLimit.sh PROGRAM LENS_FILE WORK_DIR
set -u
program=$1 lens=$2 work=$3
rm -rf "$work"
mkdir -p "$work/out"
target="$work/out/chart.png"
printf 'alt' >"$target"

# 2 KiB: the old file fits, the chart at scale 8 (some 40 KiB) does not.
(ulimit -f 2 && exec "$program" --export "$target" "$lens" --scale 8) 2>"$work/stderr"
status=$?

fail() {
    echo "$1" >&2
    cat "$work/stderr" >&2
    exit 1
}
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
grep -q "chart.png" "$work/stderr" || fail "the message does not name the file"
[ "$(cat "$target")" = "alt" ] || fail "the old file was changed"
left=$(ls -A "$work/out")
[ "$left" = "chart.png" ] || fail "left beside the target: $left"
echo "ok"
