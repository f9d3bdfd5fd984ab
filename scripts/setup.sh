#!/usr/bin/env bash
# Installs the Debian packages that Hoopvale needs to build, run and test, when they are missing.
# With --browser also headless Chromium, which the league-site test opens pages in (skipped without it).
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libsqlite3-dev
          sqlite3 libfmt-dev libcli11-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev libgl1-mesa-dev
          xvfb xauth fonts-dejavu-core python3 ccache)
[ "${1:-}" = "--browser" ] && packages+=(chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
