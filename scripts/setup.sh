#!/usr/bin/env bash
# Installs what building, testing and running ミルネ2002 need on Debian 12. Safe to run again:
# it does nothing when everything is there already.
#   setup.sh          what the build, the tests and the program need
#   setup.sh fuzz     also clang and its sanitizer and libFuzzer runtimes
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-translations-l10n
  libbenchmark-dev
  fonts-ipafont fontconfig
  poppler-utils
  libxlsxwriter-dev zlib1g-dev
)
if [[ ${1:-} == fuzz ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
