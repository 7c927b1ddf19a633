#!/usr/bin/env bash
# Takes the pictures of every window that the README shows, under the Wine
# prefix and display of the tests, into docs/shots: the dialer's windows (an
# end-to-end run of the program), skinview with our stored skin (its window
# tests) and the skinned menu demonstration (menu_demo.exe).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
win="${VENTRO_WIN_BUILD:-$here/build/win}"
out="$here/docs/shots"
mkdir -p "$out"
windows_path() { echo "Z:$(echo "$1" | tr / '\\')"; }

export VENTRO_SHOTS_DIR; VENTRO_SHOTS_DIR="$(windows_path "$out")"
"$here/tools/wine-run" "$win/tests/e2e/e2e_tests.exe" --gtest_filter='Shots.*' >/dev/null
"$here/tools/wine-run" "$win/tests/skinview/skinview_win_tests.exe" \
  --gtest_filter='SkinViewGolden.ShotsForTheReadme' >/dev/null

menus="$(mktemp -d)"
trap 'rm -rf "$menus"' EXIT
"$here/tools/wine-run" "$win/tests/skin_menus/menu_demo.exe" --shots "$(windows_path "$menus")" >/dev/null
for picture in "$menus"/*.bmp; do
  convert "$picture" "$out/menu-$(basename "${picture%.bmp}").png"
done
echo "shots: $(ls "$out" | wc -l) pictures in $out"
