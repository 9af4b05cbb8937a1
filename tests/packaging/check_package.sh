#!/usr/bin/env bash
# check_package.sh BUILD_DIR WORK_DIR
# Makes the Debian package from the build folder's binaries (cpack) and checks it as a
# distribution would: lintian --pedantic with no error or warning and no missing
# hardening, and the packaged AppStream metainfo and menu entry valid together.
# Exits 77 (skipped) when lintian is not installed.
set -euo pipefail

build_dir=$(realpath "$1")
work_dir=$(realpath -m "$2")
skip() { echo "SKIPPED: $*"; exit 77; }

command -v lintian >/dev/null || skip "lintian is not installed (Debian package lintian, see scripts/setup-deps.sh)"
command -v appstreamcli >/dev/null || skip "appstreamcli is not installed (Debian package appstream)"

rm -rf "$work_dir"
mkdir -p "$work_dir"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work_dir" >"$work_dir/cpack.log" \
  || { cat "$work_dir/cpack.log" >&2; exit 1; }
shopt -s nullglob
debs=("$work_dir"/quorvel_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package in $work_dir, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"

status=0
# Info tags are shown too; the hardening and stripping ones among them count as faults.
lintian --pedantic -I --tag-display-limit 0 "$deb" >"$work_dir/lintian.log" 2>&1 || true
cat "$work_dir/lintian.log"
if grep -E '^(E|W): ' "$work_dir/lintian.log" >/dev/null; then
  echo "lintian reports errors or warnings" >&2
  status=1
fi
if grep -E ' (hardening-no-[a-z-]+|binary-has-unneeded-section|unstripped-binary-or-object)' "$work_dir/lintian.log" >/dev/null; then
  echo "the binaries lack hardening or are not stripped" >&2
  status=1
fi

tree=$work_dir/tree
dpkg-deb -x "$deb" "$tree"
appstreamcli validate --no-net --pedantic "$tree"/usr/share/metainfo/*.xml || status=1
appstreamcli validate-tree --no-net "$tree" || status=1
exit $status
