#!/usr/bin/env bash
# help_viewer.sh HELP_FILE OUTPUT_DIR
# Opens the built help file as Help > Quorvel does, through xdg-open, on a headless X
# server with a fresh home (no per-user associations, as on a new machine), and checks
# that the desktop's CHM viewer starts and shows the help's first page: a window titled
# after the help comes up, and a screenshot of it is not blank.
# Exits 77 (skipped) when no X server, xdg-open or CHM viewer is installed.
set -euo pipefail

help_file=$1
out_dir=$2
skip() { echo "SKIPPED: $*"; exit 77; }

for tool in xvfb-run xdg-open xdg-mime xwininfo xprop import convert; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (see scripts/setup-deps.sh)"
done
[ -f "$help_file" ] || { echo "no help file: $help_file" >&2; exit 1; }

mkdir -p "$out_dir"
out_dir=$(realpath "$out_dir")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

export HOME=$home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_CURRENT_DESKTOP DESKTOP_SESSION \
  KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID MATE_DESKTOP_SESSION_ID

# The viewer the desktop associates with the file's type, as xdg-open will find it.
type=$(xdg-mime query filetype "$help_file")
viewer=$(xdg-mime query default "$type")
[ -n "$viewer" ] || skip "no viewer for $type is installed (e.g. apt install xchm)"
echo "$help_file: $type, opened with $viewer"

export OUT_DIR=$out_dir HELP_FILE=$help_file
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
  set -u
  xdg-open "$HELP_FILE" >"$OUT_DIR/xdg-open.log" 2>&1 &
  # The help file is titled "Quorvel Help" and so is its first page.
  window=
  for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree | grep -m1 -E "^ +0x[0-9a-f]+ \"[^\"]*Quorvel Help" | awk "{ print \$1 }")
    [ -n "$window" ] && break
    sleep 0.2
  done
  if [ -z "$window" ]; then
    echo "no window titled after the help came up; windows:" >&2
    xwininfo -root -tree >&2
    cat "$OUT_DIR/xdg-open.log" >&2
    exit 1
  fi
  xwininfo -id "$window" | grep -E "xwininfo:|Width|Height"
  # Give the viewer time to lay out the page, then take the screen as the user sees it.
  sleep 3
  import -window root "$OUT_DIR/help-viewer.png"
  # Close the viewer (the one process that owns the window) before the X server ends.
  viewer_pid=$(xprop -id "$window" _NET_WM_PID | awk "{ print \$3 }")
  [[ $viewer_pid =~ ^[0-9]+$ ]] && kill "$viewer_pid" 2>/dev/null
  # A page of text on white: many distinct colours and a fair spread of brightness.
  colours=$(convert "$OUT_DIR/help-viewer.png" -format "%k" info:)
  spread=$(convert "$OUT_DIR/help-viewer.png" -colorspace Gray -format "%[fx:int(standard_deviation*1000)]" info:)
  echo "screenshot $OUT_DIR/help-viewer.png: $colours colours, spread $spread"
  [ "$colours" -ge 16 ] && [ "$spread" -ge 50 ] || { echo "the viewer shows a blank window" >&2; exit 1; }
'
