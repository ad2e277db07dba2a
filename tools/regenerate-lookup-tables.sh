#!/bin/sh
# Rebuilds the embedded ProPhoto RGB lookup tables in resources/data.
# Needs g++, pkg-config and liblcms2-dev.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -O2 -Wall -Wextra "$root/tools/make_3dl/make_3dl.cpp" -o "$work/make_3dl" \
    $(pkg-config --cflags --libs lcms2)
"$work/make_3dl" "$root/resources/data"
