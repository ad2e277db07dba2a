#!/bin/sh
# Repaints the application's images in resources/images.
# Needs g++, pkg-config, qtbase5-dev and fonts-freefont-ttf.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -O2 -Wall -Wextra -fPIC "$root/tools/make_application_images/make_application_images.cpp" \
    -o "$work/make_application_images" $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/make_application_images" /usr/share/fonts/truetype/freefont \
    "$root/resources/images"
