#!/usr/bin/env bash
# Plays every run of cases.txt through nerilo-sim and compares a digest of each
# output (and its exit status) with expected.txt, so that a change meant to keep
# the game's behaviour can show it kept it byte for byte. The runs play the
# stages as they were recorded (stage/ beside this script), in a program folder
# of their own, so new stage designs and files left by a run change nothing.
#   check.sh NERILO_SIM            compare; lists every run that differs
#   check.sh NERILO_SIM --update   write expected.txt anew
set -euo pipefail
sim=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
program=$(mktemp -d)
actual=$(mktemp)
trap 'rm -rf "$actual" "$program"' EXIT
cp -r "$here/stage" "$program/stage"
cd "$program"
while IFS= read -r line; do
    case $line in ''|'#'*) continue ;; esac
    read -ra args <<<"$line"
    status=0
    output=$("$sim" "${args[@]}" --program-dir "$program" 2>&1) || status=$?
    digest=$(printf '%s\nexit %s\n' "$output" "$status" | sha256sum | cut -c1-64)
    printf '%s %s\n' "$digest" "$line" >>"$actual"
done <"$here/cases.txt"

if [ "${2:-}" = --update ]; then
    cp "$actual" "$here/expected.txt"
    echo "wrote $(wc -l <"$here/expected.txt") digests"
    exit 0
fi
if ! diff -u "$here/expected.txt" "$actual"; then
    echo "nerilo-sim's output changed for the runs above"
    exit 1
fi
echo "$(wc -l <"$actual") runs identical"
