#!/usr/bin/env bash
# seed_help.sh SEED_SCRIPT SHIPPED_DATABASE HELP_FILE
# The set-up's seeding puts the built help file into the user's database folder when it
# is missing there: with a new folder, and with an existing folder that lacks it; a help
# file the user already has is left as it is.
set -euo pipefail
seed=$1 shipped=$2 help=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
database=$home/data/Pellmarsh/Quorvel/Database
fail() { echo "FAIL: $*" >&2; exit 1; }

"$seed" "$shipped" "$help" >/dev/null
[ -f "$database/pipes.csv" ] || fail "database not seeded"
cmp -s "$help" "$database/Quorvel Help.chm" || fail "help not put into a new database folder"

rm "$database/Quorvel Help.chm"
echo "edited" > "$database/pumps.csv"
"$seed" "$shipped" "$help" >/dev/null
cmp -s "$help" "$database/Quorvel Help.chm" || fail "help not added to an existing folder"
[ "$(cat "$database/pumps.csv")" = edited ] || fail "the user's catalog was overwritten"

echo "mine" > "$database/Quorvel Help.chm"
"$seed" "$shipped" "$help" >/dev/null
[ "$(cat "$database/Quorvel Help.chm")" = mine ] || fail "an existing help file was replaced"
echo "3 passed, 0 failed"
