#!/usr/bin/env bash
# Installs the build into a scratch prefix and opens a project folder with the installed
# veltrane-open under Xvfb: the program runs in that folder, Store All writes the three
# files there, and a "Path to Tolvex" of the installed lib/veltrane/ runs the stand-in engine.
set -u
here=$(dirname "$0")
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/open_folder_session.sh" "$@"
