#!/usr/bin/env bash
# Prepares the cross-target libraries Debian does not package for mingw-w64,
# from Debian's own source packages, without touching the machine's apt
# configuration: libjpeg-turbo, built here into build/deps/mingw, and Google
# Benchmark, unpacked into build/deps/src/benchmark for the benchmark build to
# compile for the cross target as it compiles GoogleTest from /usr/src/googletest.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
deps="$here/build/deps"
prefix="$deps/mingw"
work="$deps/src"
need_jpeg=0 need_benchmark=0
[ -f "$prefix/lib/libjpeg.a" ] || need_jpeg=1
[ -f "$work/benchmark/CMakeLists.txt" ] || need_benchmark=1
[ $need_jpeg = 1 ] || [ $need_benchmark = 1 ] || exit 0

mkdir -p "$work/apt/lists/partial" "$work/apt/sourceparts"
: > "$work/apt/sourceparts/.keep"

# The same Debian mirror and suite the machine installs from.
uri="" suite=""
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
  uri=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources)
  suite=$(awk '/^Suites:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources)
fi
if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
  read -r uri suite < <(awk '$1=="deb" && $2 !~ /^\[/ {print $2, $3; exit} $1=="deb" && $2 ~ /^\[/ {print $3, $4; exit}' /etc/apt/sources.list)
fi
[ -n "$uri" ] && [ -n "$suite" ] || { echo "build-cross-deps: no Debian mirror found in the apt sources" >&2; exit 1; }
echo "deb-src $uri $suite main" > "$work/apt/sources.list"

aptopts=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
         -o "Dir::Etc::SourceParts=$work/apt/sourceparts"
         -o "Dir::State::Lists=$work/apt/lists")
apt-get "${aptopts[@]}" update -q
cd "$work"

if [ $need_jpeg = 1 ]; then
  rm -rf libjpeg-turbo-*/ jpeg-src
  apt-get "${aptopts[@]}" source -q --download-only libjpeg-turbo
  dpkg-source -x --no-check libjpeg-turbo_*.dsc jpeg-src >/dev/null
  cmake -S jpeg-src -B jpeg-build -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF >/dev/null
  cmake --build jpeg-build -j"$(nproc)" --target jpeg-static >/dev/null
  mkdir -p "$prefix/lib" "$prefix/include"
  cp jpeg-build/libjpeg.a "$prefix/lib/"
  cp jpeg-build/jconfig.h jpeg-src/jpeglib.h jpeg-src/jmorecfg.h jpeg-src/jerror.h "$prefix/include/"
  echo "build-cross-deps: libjpeg-turbo built into $prefix"
fi

if [ $need_benchmark = 1 ]; then
  rm -rf benchmark
  apt-get "${aptopts[@]}" source -q --download-only benchmark
  dpkg-source -x --no-check benchmark_*.dsc benchmark >/dev/null
  echo "build-cross-deps: Google Benchmark source in $work/benchmark"
fi
