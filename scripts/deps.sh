#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
PACKAGES=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libncurses-dev libxml2-dev libxml2-utils libcairo2-dev fonts-dejavu-core
  python3 python3-dbfread python3-dbf python3-stdnum python3-num2words
  poppler-utils tmux iso-codes libcrypt-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instaluję brakujące pakiety: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q || true
  $SUDO apt-get install -y -q "${missing[@]}"
fi
