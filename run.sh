#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: with a display it opens Fendrolas;
# without one it computes the sample foundation by all five methods in batch mode and shows the
# comparison of the methods. `./run.sh package` builds the Debian package instead.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2
if [ "${1:-}" = package ]; then
    (cd build/release && cpack -G DEB)
    exit 0
fi
exe="$PWD/build/release/fendrolas/fendrolas"
sample="$PWD/examples/zapata-excentrica.dat"

if [ "$#" -gt 0 ]; then
    exec "$exe" "$@"
fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$exe"
fi
work="$(mktemp -d)"
cd "$work"
echo "== Fendrolas: $(basename "$sample"), los cinco metodos (carpeta $work) =="
"$exe" --batch "$sample" --method all
echo
echo "== Comparacion de los metodos =="
"$exe" --batch --compare
