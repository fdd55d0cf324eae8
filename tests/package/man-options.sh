#!/usr/bin/env bash
# Every option a command's --help lists is in its manual page, and no other.
# Usage: man-options.sh PROGRAM-FOLDER MANUAL-FOLDER
set -euo pipefail
status=0
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
for command in zentrel zentrel-cycle zentrel-convert; do
    help=$("$1/$command" --help | options)
    page=$(sed 's/\\-/-/g' "$2/$command.1" | options)
    if [ "$help" != "$page" ]; then
        echo "$command: --help and $command.1 differ in their options:"
        diff <(echo "$help") <(echo "$page") | grep '^[<>]' | sed 's/^</  only in --help:/; s/^>/  only in the page:/'
        status=1
    fi
done
exit $status
