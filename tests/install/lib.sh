# Helpers for the installation tests.
fail() { echo "FAIL: $*" >&2; exit 1; }

# Installs the build folder $1 into the new, empty folder $2. Every install rule is of the
# default component; naming it keeps the build folder's install_manifest.txt, the list of
# what `make install` put in place, from being replaced by the scratch folder's list.
scratch_install() {
    cmake --install "$1" --prefix "$2" --component Unspecified >/dev/null
}

# What an install puts under its prefix: the path of every file and whether it is executable.
expected_files() {
    cat <<'LIST'
bin/veltrane x
bin/veltrane-open x
lib/veltrane/tolvex x
share/applications/org.veltrane.veltrane.desktop -
share/doc/veltrane/changelog.gz -
share/doc/veltrane/copyright -
share/icons/hicolor/128x128/apps/veltrane.png -
share/icons/hicolor/48x48/apps/veltrane.png -
share/icons/hicolor/scalable/apps/veltrane.svg -
share/man/man1/veltrane-open.1.gz -
share/man/man1/veltrane.1.gz -
share/metainfo/org.veltrane.veltrane.metainfo.xml -
LIST
}

# The version of the program's own version line, in the sources folder $1.
program_version() {
    sed -n 's/.*VersionLine\[\] = "Veltrane \([0-9.]*\)".*/\1/p' "$1/src/app/control_window.cpp"
}
