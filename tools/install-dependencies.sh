#!/bin/sh
# Installs the Debian packages the build needs, only those still missing.
set -e
list="$(dirname "$0")/debian-packages.txt"
missing=""
for package in $(cat "$list"); do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
