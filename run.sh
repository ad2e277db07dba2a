#!/bin/sh
# Installs what is missing, builds Kestova and starts it.
set -e
cd "$(dirname "$0")"
tools/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/application/kestova ]; then
    exec build/application/kestova
fi
