#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: once in a normal build and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh

export QT_QPA_PLATFORM=offscreen
status=0
for variant in release sanitize; do
    dir="build/$variant"
    extra=()
    if [ "$variant" = sanitize ]; then
        extra=(-DGEOTECNIA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
        export ASAN_OPTIONS=detect_leaks=0
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    else
        extra=(-DCMAKE_BUILD_TYPE=Release)
    fi
    cmake -S . -B "$dir" "${extra[@]}" >/dev/null
    cmake --build "$dir" -j2
    echo "== tests ($variant) =="
    if ! ctest --test-dir "$dir" --output-on-failure -j2 --timeout 300; then
        status=1
    fi
done
exit $status
