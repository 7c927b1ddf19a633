#!/usr/bin/env bash
# Fetches Debian's zlib source package into build/fuzz-deps/zlib-src, so that
# the fuzz build compiles zlib into the harnesses with the same instrumentation.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$here/build/fuzz-deps"
[ -f "$out/zlib-src/inflate.c" ] && exit 0
apt="$here/build/deps/src/apt"
[ -f "$apt/sources.list" ] || { echo "fetch-zlib: run tools/build-cross-deps.sh first (it sets up the source list)" >&2; exit 1; }
mkdir -p "$out"
cd "$out"
apt-get -o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/sourceparts" \
  -o "Dir::State::Lists=$apt/lists" source -q --download-only zlib
dpkg-source -x --no-check zlib_*.dsc zlib-src >/dev/null
