#!/usr/bin/env bash
# Installs the Debian packages Pelizo needs to build, test and run, when any is
# missing. Run as root. Without a CJK font every Chinese text shows as empty
# boxes; Xvfb gives a display where there is none.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libbenchmark-dev
  libcurl4-openssl-dev libpcre2-dev zlib1g-dev
  qt6-base-dev qt6-webengine-dev
  fonts-noto-cjk
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
