#!/usr/bin/env bash
# Renders every window of Fendrolas headless to PNG files in docs/screenshots/, after a sample
# calculation run in a scratch folder. BUILD_DIR chooses the build folder to use.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build/screenshots}"

if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" >/dev/null
else
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j2 --target fendrolas

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$root/docs/screenshots"
cd "$work"
QT_QPA_PLATFORM=offscreen "$build/fendrolas/fendrolas" --screenshots "$root/docs/screenshots"
ls "$root/docs/screenshots"
