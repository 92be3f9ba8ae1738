#!/usr/bin/env bash
# Installs what building and testing the launcher needs on a Debian machine (idempotent).
set -euo pipefail
packages=(cmake ninja-build make python3 g++ clang libclang-rt-14-dev
          g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
          mingw-w64-x86-64-dev mingw-w64-i686-dev wine wine64 xvfb xdotool x11-utils imagemagick
          python3-pil zip unzip)
# Wine's own fonts, left out with the recommends: scripts/wine-env.sh puts their Marlett into the prefix
# for the glyphs of the caption buttons.
packages+=(fonts-wine)
# The 32-bit native tree: multilib compilers and the user-mode emulator that runs its tests.
packages+=(gcc-multilib g++-multilib qemu-user-static)
packages+=(debootstrap)   # the i386 chroot of the players' build lane (scripts/i686-wine.sh)
packages+=(locales)       # localedef and the locale sources, for the locale below
sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Wine takes the ANSI code page from the locale: the double-byte tests run under ja_JP.UTF-8 (code page 932).
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "setup: making the locale ja_JP.UTF-8"
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
