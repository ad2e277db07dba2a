#!/bin/sh
# Repaints the toolkit's widget images in resources/gui.
# Needs g++, pkg-config and qtbase5-dev.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -O2 -Wall -Wextra -fPIC "$root/tools/make_toolkit_images/make_toolkit_images.cpp" \
    -o "$work/make_toolkit_images" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/make_toolkit_images" "$root/resources/gui"
