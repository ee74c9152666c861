#!/bin/sh
# Runs a command in a fresh, empty folder made under ${FRESH_ROOT:-/tmp/tolvek-fresh}: each
# argument "@DIR@" is replaced by that folder. The folder is left behind (removing it inside
# the run would add the removal to the time measured); remove FRESH_ROOT afterwards.
#   bench/in-fresh-folder.sh build/tolvek-drive --dir @DIR@ click Button41
root=${FRESH_ROOT:-/tmp/tolvek-fresh}
mkdir -p "$root" || exit 1
dir=$(mktemp -d "$root/run.XXXXXX") || exit 1
for arg do
    shift
    if [ "$arg" = "@DIR@" ]; then set -- "$@" "$dir"; else set -- "$@" "$arg"; fi
done
exec "$@"
