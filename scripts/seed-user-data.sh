#!/usr/bin/env bash
# seed-user-data.sh SOURCE_DIR [HELP_FILE]
# Installs the shipped database SOURCE_DIR into this user's database folder when that
# folder does not exist yet, and creates the projects folder when it is missing. An
# existing database folder is left alone, so the user's catalogs are never overwritten;
# only a missing help file is added to it (HELP_FILE, by default the one in SOURCE_DIR).
# The folders are those the program computes: the XDG data home and the XDG documents
# folder, each followed by Pellmarsh/Quorvel/...
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -d "$1" ]; then
  echo "usage: $0 SOURCE_DIR [HELP_FILE] (the shipped Database folder, the built help file)" >&2
  exit 2
fi
source_dir=$1
help_file=${2:-$source_dir/Quorvel Help.chm}

# The data home as Qt finds it: $XDG_DATA_HOME when it is an absolute path.
data_home=${XDG_DATA_HOME:-}
[[ $data_home == /* ]] || data_home=$HOME/.local/share
database_dir=$data_home/Pellmarsh/Quorvel/Database

# The documents folder as Qt finds it: XDG_DOCUMENTS_DIR of user-dirs.dirs (the file
# xdg-user-dir reads), else ~/Documents.
documents_dir=$(
  config_home=${XDG_CONFIG_HOME:-}
  [[ $config_home == /* ]] || config_home=$HOME/.config
  XDG_DOCUMENTS_DIR=
  if [ -f "$config_home/user-dirs.dirs" ]; then
    # shellcheck disable=SC1091
    . "$config_home/user-dirs.dirs" || true
  fi
  echo "${XDG_DOCUMENTS_DIR:-$HOME/Documents}"
)
projects_dir=${documents_dir%/}/Pellmarsh/Quorvel/Projects

if [ ! -e "$database_dir" ]; then
  # Copy into a sibling first and rename, so an interrupted copy never leaves a half
  # database in place that would then be kept.
  parent=$(dirname "$database_dir")
  mkdir -p "$parent"
  staging=$(mktemp -d "$parent/.Database.XXXXXX")
  trap 'rm -rf "$staging"' EXIT
  cp -R "$source_dir/." "$staging/"
  chmod 755 "$staging"
  mv -T "$staging" "$database_dir"
  trap - EXIT
  echo "Installed the Quorvel database in $database_dir"
fi

if [ -d "$database_dir" ] && [ ! -e "$database_dir/Quorvel Help.chm" ] && [ -f "$help_file" ]; then
  cp "$help_file" "$database_dir/Quorvel Help.chm"
  echo "Installed the Quorvel help in $database_dir"
fi

if [ ! -d "$projects_dir" ]; then
  mkdir -p "$projects_dir"
  echo "Created the Quorvel projects folder $projects_dir"
fi
