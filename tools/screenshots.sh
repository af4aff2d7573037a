#!/usr/bin/env bash
# Renders every window of every window program headless to PNG files, after a sample
# calculation run in a scratch folder. The folder is the first argument (default
# docs/screenshots/); BUILD_DIR chooses the build folder to use. Each program draws its own
# windows with `PROGRAM --screenshots FOLDER`.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build/screenshots}"
out="${1:-$root/docs/screenshots}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" >/dev/null
else
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
programs=(fendrolas drovines marvecos)
cmake --build "$build" -j2 --target "${programs[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for program in "${programs[@]}"; do
    mkdir -p "$work/$program"
    (cd "$work/$program" &&
        QT_QPA_PLATFORM=offscreen "$build/$program/$program" --screenshots "$out")
done
ls "$out"
