# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Installs the Debian packages named as arguments that are not installed yet.
# Quick when everything is present; uses sudo when not root.

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    # sudo drops the environment, so the frontend is passed on its command line.
    local as_root=(env DEBIAN_FRONTEND=noninteractive)
    [ "$(id -u)" -ne 0 ] && as_root=(sudo DEBIAN_FRONTEND=noninteractive)
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
}

# What building and running the program needs: Qt's translation tools come in two packages
# (qt6-tools-dev has their CMake package, qt6-l10n-tools the tools), Qt's own translations in a
# third, and gettext merges the desktop entry's. Start-up reads the font configuration itself.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev libfontconfig-dev
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
                fonts-dejavu-core fonts-liberation2)
# What the tests need besides: a virtual display, a window manager, input and
# accessibility tools, and the packaging and style checkers.
TEST_PACKAGES=(xvfb xauth xdotool openbox dbus dbus-x11 at-spi2-core python3 python3-pyatspi
               python3-gi x11-utils desktop-file-utils appstream dpkg-dev file lintian
               poppler-utils xclip python3-icalendar python3-dateutil)
