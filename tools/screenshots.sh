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
# The smallest screen the windows are made for: 1366 x 768.
cat >"$work/pantalla.json" <<'JSON'
{"screens": [{"name": "pantalla", "x": 0, "y": 0, "width": 1366, "height": 768,
              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}
JSON
# One program that fails does not keep the others from rendering theirs; the script still fails.
status=0
for program in "${programs[@]}"; do
    mkdir -p "$work/$program"
    if ! (cd "$work/$program" &&
        QT_QPA_PLATFORM="offscreen:configfile=$work/pantalla.json" "$build/$program/$program" --screenshots "$out"); then
        echo "screenshots.sh: $program no pudo dibujar sus ventanas" >&2
        status=1
    fi
done
ls "$out"
exit $status
