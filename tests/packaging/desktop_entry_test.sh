#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate with nothing to say: no error,
# warning or hint. Skipped (77) where desktop-file-utils is not installed.
#   desktop_entry_test.sh DESKTOP_FILE
set -euo pipefail
command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is not installed (scripts/setup installs it)"; exit 77; }
status=0
report=$(desktop-file-validate "$1" 2>&1) || status=$?
if [ "$status" -ne 0 ] || [ -n "$report" ]; then
    echo "FAIL: desktop-file-validate $1 (status $status):" >&2
    echo "$report" >&2
    exit 1
fi
echo "$1 is valid"
