#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those
# that are missing, so a second run costs nothing.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev qt6-base-dev libgl-dev fonts-dejavu-core)
# The scripted desktop test: a virtual display, pointer input and a clipboard client.
packages+=(xvfb xdotool xclip x11-utils)
# Screenshots of the real window, whose pixels the option dialog test counts.
packages+=(x11-apps)
# Outside readers of the exports: tidy, html5lib and LibreOffice (the export test).
packages+=(tidy python3-html5lib libreoffice-writer-nogui poppler-utils)
# The markup checker library that "Validate HTML" runs.
packages+=(libtidy-dev)
# Web files written elsewhere, which the open-and-save tests read.
packages+=(libjs-jquery libphp-phpmailer)
# The character database the case tables are checked against.
packages+=(unicode-data)
# Reading printed PDF files back in the printing tests.
packages+=(poppler-utils)
# The embedded browser (Qt WebEngine with its widgets), and a PHP command line whose
# built-in web server the server preview can start and its test runs.
packages+=(qt6-webengine-dev php-cli)
# The desktop's own tools for associations: the MIME and desktop-entry caches,
# and xdg-mime, which the association test asks for the default program.
packages+=(xdg-utils desktop-file-utils shared-mime-info)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
