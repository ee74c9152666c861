#!/bin/sh
# Redraws the glyph bitmaps under resources/glyphs with tools/glyphs/MakeGlyphs.cpp.
#
# Usage: tools/make_glyphs.sh [build folder]   (default: build)
# The graphics library of that build folder is built first and the generator linked
# against it. Commit the files it writes; the build embeds them as resources.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
case "$build" in /*) ;; *) build="$root/$build" ;; esac
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target platform_gfx
out="$build/make_glyphs"
# shellcheck disable=SC2046
c++ -std=c++20 -O1 -Wall -Wextra -I"$root" "$root/tools/glyphs/MakeGlyphs.cpp" -o "$out" \
  "$build/libplatform_gfx.a" "$build/libplatform_rtl.a" \
  $(pkg-config --cflags --libs pangocairo pango fontconfig cairo) -lpng -ljpeg -lgif -lz -pthread
mkdir -p "$root/resources/glyphs"
"$out" "$root/resources/glyphs"
echo "glyphs written to $root/resources/glyphs"
