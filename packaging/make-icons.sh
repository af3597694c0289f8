#!/usr/bin/env bash
# Renders the PNG icons beside the SVG. They are kept in the repository, so that the
# build needs no SVG converter; run this after changing veltrane.svg (needs rsvg-convert,
# Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/icons"
for size in 48 128; do
    rsvg-convert -w "$size" -h "$size" veltrane.svg -o "veltrane-$size.png"
done
