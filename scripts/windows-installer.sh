#!/usr/bin/env bash
# windows-installer.sh KIT BUILD HELP_FILE: gathers the cross-built programs in BUILD
# with the Qt DLLs and plugins they use, the MinGW runtime, Qt's translations, the help
# file and the shipped database, and writes BUILD/Quorvel-<version>-win64-setup.exe
# with NSIS (data/windows/quorvel.nsi). Called by build-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

kit=$1 build=$2 help=$3
version=$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$build/installer
programs=$work/programs
rm -rf "$work"
mkdir -p "$programs"

# The programs, without their symbols.
for exe in src/app/Quorvel.exe src/cli/quorvel-design.exe; do
  x86_64-w64-mingw32-strip -o "$programs/$(basename "$exe")" "$build/$exe"
done

# The plugins they load: the Windows platform, its style, the pictures (SVG, icons) and
# SVG icons.
for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qsvg imageformats/qico \
              iconengines/qsvgicon; do
  mkdir -p "$programs/plugins/$(dirname "$plugin")"
  cp "$kit/plugins/$plugin.dll" "$programs/plugins/$plugin.dll"
done

# The DLLs that the programs and plugins import, and those that these import in turn,
# from the kit (Qt, GeographicLib) and the MinGW runtime; Windows' own are not shipped.
libraries=("$kit/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
pending=("$programs"/*.exe "$programs"/plugins/*/*.dll)
while ((${#pending[@]})); do
  binary=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$programs/$dll" ] && continue
    for folder in "${libraries[@]}"; do
      if [ -f "$folder/$dll" ]; then
        cp "$folder/$dll" "$programs/"
        pending+=("$programs/$dll")
        break
      fi
    done
  done
done
# Qt finds its plugins and translations beside the programs.
printf '[Paths]\nPrefix=.\nPlugins=plugins\nTranslations=translations\n' >"$programs/qt.conf"

# Qt's own texts (the kit has none; Debian's are the same Qt 6.4.2 and the same on every
# system). Quorvel's translations are built into the programs.
mkdir -p "$programs/translations"
for language in fr es pt_BR ar; do
  cp "/usr/share/qt6/translations/qtbase_$language.qm" "$programs/translations/"
done

cp "$help" "$programs/Quorvel Help.chm"
# The icon of the installer and the menu entries.
cp resources/icons/quorvel.ico "$programs/"

# The shipped database with the help file, for Public Documents.
database=$work/Database
cp -R data/Database "$database"
cp "$help" "$database/Quorvel Help.chm"

# The uninstaller deletes exactly these files.
(cd "$programs"
 find . -type f | sort | sed 's#^\./##; s#/#\\#g; s#.*#  Delete "$INSTDIR\\&"#'
 find . -mindepth 1 -type d | sort -r | sed 's#^\./##; s#/#\\#g; s#.*#  RMDir "$INSTDIR\\&"#') \
  >"$work/uninstall-files.nsh"

out=$build/Quorvel-$version-win64-setup.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$(realpath "$programs")" -DFILE_LIST="$(realpath "$work/uninstall-files.nsh")" \
  -DDATABASE="$(realpath "$database")" -DICON="$(realpath "$programs/quorvel.ico")" \
  -DOUTFILE="$(realpath -m "$out")" data/windows/quorvel.nsi
echo "Wrote $out"
