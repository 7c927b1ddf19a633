#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing, and
# builds the cross-target libraries Debian does not package for mingw-w64.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

packages=(
  cmake make g++ clang python3 pkg-config
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev zlib1g-dev
  libjpeg62-turbo-dev nlohmann-json3-dev libstb-dev googletest libgtest-dev libgmock-dev libbenchmark-dev
  wine wine64 fonts-wine xvfb xauth fonts-wqy-zenhei python3-fonttools imagemagick dpkg-dev nasm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

"$here/tools/build-cross-deps.sh"
