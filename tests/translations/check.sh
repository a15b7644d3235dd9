#!/usr/bin/env bash
# Every text of the game has a finished translation. lupdate reads the sources
# into a copy of the .ts file first, as `cmake --build build --target
# update_translations` would, so a text not yet extracted counts as missing too
# and the repository's file is never touched.
# usage: check.sh LUPDATE CHECKER SOURCES_LIST TS_FILE [LUPDATE_OPTION...]
set -euo pipefail
lupdate=$1 checker=$2 sources=$3 ts=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy="$work/$(basename "$ts")"
cp "$ts" "$copy"
"$lupdate" -silent "@$sources" -ts "$copy" "$@"
"$checker" "$copy" "$ts"
