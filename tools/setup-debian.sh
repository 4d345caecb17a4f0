#!/usr/bin/env bash
# Installs what building, running and testing the trainer needs on Debian 12.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  g++ make cmake qt6-base-dev qt6-translations-l10n libgl-dev \
  dpkg-dev file \
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev \
  fonts-wine fonts-urw-base35 fontconfig \
  python3 python3-matplotlib python3-pil python3-sympy python3-munkres \
  poppler-utils >/dev/null
