#!/usr/bin/env bash
# installer.sh SETUP.exe SHOT.png: installs Quorvel silently (/S) under wine64 into a fresh
# prefix and checks the result as a user would find it: the programs in the user's
# programs folder with nothing of the build's kit on the path, the database in Public
# Documents, the worked example computed by quorvel-design.exe, Quorvel.exe starting
# on an X display (its window saved as SHOT.png); the uninstaller then removes the
# programs and keeps the user's catalogs, and a new install keeps edited catalogs.
# Exit 77: no installer built.
set -euo pipefail

setup=$1 shot=$2
[ -f "$setup" ] || { echo "SKIP: no installer $setup (scripts/build-windows.sh makes it)"; exit 77; }

work=$(mktemp -d)
trap 'WINEPREFIX="$work/wine" "$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(dirname "$wine")/wineserver
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w

c=$WINEPREFIX/drive_c
user_dir=$(ls -d "$c/users"/* | grep -v /Public | head -1)
programs=$user_dir/AppData/Local/Programs/Quorvel
database=$c/users/Public/Documents/Pellmarsh/Quorvel/Database
fail() { echo "FAIL: $*"; exit 1; }

"$wine" "$setup" /S
"$wineserver" -w
for file in Quorvel.exe quorvel-design.exe Qt6Core.dll plugins/platforms/qwindows.dll qt.conf \
            translations/qtbase_fr.qm "Quorvel Help.chm" Uninstall.exe; do
  [ -f "$programs/$file" ] || fail "not installed: $file"
done
for file in pipes.csv pumps.csv storage.csv "no curve.bmp" "Quorvel Help.chm"; do
  [ -f "$database/$file" ] || fail "not in Public Documents: $file"
done
[ -d "$user_dir/Documents/Pellmarsh/Quorvel/Projects" ] || fail "no projects folder"
ls "$c/users"/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Quorvel/*.lnk >/dev/null || fail "no Start-menu entries"

# The worked example with its pump and tank, on the database the program finds by itself
# (its checks fail, so the status is 1).
result=$(cd "$work" && "$wine" "$programs/quorvel-design.exe" --site 1000,100,150,5000,4,25,250 --pump 1 --tank 3 \
           --csv 2>/dev/null || true)
echo "$result"
grep -q ',520\.8,5,3\.83,53\.83,125,' <<<"$result" || fail "quorvel-design.exe did not compute the worked example"

# The window program starts and shows its main window (on the Windows platform, as a user
# sees it, under a window manager so that it is activated). Wine has no printer, so the
# printer choice first shows its error box, which Enter answers. The wine session of the
# runs above, without a display, ends first: windows would go to its desktop.
"$wineserver" -w
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  openbox >/dev/null 2>&1 &
  "$0" "$1" & pid=$!
  seen() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
  for i in $(seq 60); do seen "^Quorvel$" && break; seen DravenholtSystems && break; sleep 1; done
  seen "^Quorvel$" && { xdotool key Return; sleep 1; }
  for i in $(seq 30); do seen DravenholtSystems && break; sleep 1; done
  seen DravenholtSystems || exit 3
  sleep 3
  import -window root "$2"
  kill $pid' "$wine" "$programs/Quorvel.exe" "$shot" || fail "Quorvel.exe showed no main window"
echo "Quorvel.exe started; its window is in $shot"

# Uninstalled: the programs go, the user's catalogs and projects stay.
echo "edited" >>"$database/pumps.csv"
"$wine" "$programs/Uninstall.exe" /S
"$wineserver" -w
sleep 2 # the uninstaller runs on from a copy of itself
"$wineserver" -w
[ ! -e "$programs/Quorvel.exe" ] || fail "the uninstaller left Quorvel.exe"
[ -f "$database/pumps.csv" ] || fail "the uninstaller removed the catalogs"
[ -d "$user_dir/Documents/Pellmarsh/Quorvel/Projects" ] || fail "the uninstaller removed the projects folder"

# Installed again: the edited catalog stays as it is.
"$wine" "$setup" /S
"$wineserver" -w
tail -1 "$database/pumps.csv" | grep -q edited || fail "a new install overwrote the user's catalog"
echo "Installer checks passed"
