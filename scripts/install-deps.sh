#!/bin/sh
# Installs the Debian packages the build and the tests need, and only those
# that are missing, so that a prepared machine is left untouched.
set -eu

packages="cmake make g++ clang pkg-config qtbase5-dev qttools5-dev-tools qt6-base-dev qt6-tools-dev-tools qt6-l10n-tools libbenchmark-dev libudunits2-dev doxygen units"
if [ "$#" -gt 0 ]; then
    packages="$packages $*"
fi

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing:$missing"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi
