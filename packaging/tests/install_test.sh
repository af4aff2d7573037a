#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a user gets: the programs, the
# examples, a desktop entry and an icon per program, and the programs working from there.
# Usage: install_test.sh BUILD_DIR VERSION
set -uo pipefail
build="$1"
version="$2"
here="$(cd "$(dirname "$0")" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefijo"

if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "MAL: cmake --install fallo"
    exit 1
fi

status=0
fail() {
    echo "MAL: $*"
    status=1
}
share="$prefix/share"
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "drovines fendrolas grenvil marvecos " ] ||
    fail "bin/ tiene $(ls "$prefix/bin" | tr '\n' ' ')"
for example in zapata-excentrica.dat zapata-centrada.dat muro-napa-sobrecarga.dat talud-spencer.txt; do
    [ -s "$share/geotecnia/examples/$example" ] || fail "falta el ejemplo $example"
done
for program in fendrolas drovines marvecos grenvil; do
    entry="$share/applications/$program.desktop"
    icon="$share/icons/hicolor/scalable/apps/$program.svg"
    [ -s "$icon" ] || fail "falta el icono $icon"
    if command -v xmllint >/dev/null; then
        xmllint --noout "$icon" || fail "$icon no es un SVG bien formado"
    fi
    [ -s "$entry" ] || {
        fail "falta $entry"
        continue
    }
    grep -qx "Exec=$program" "$entry" || fail "$entry no lanza $program"
    grep -qx "Icon=$program" "$entry" || fail "$entry no usa su icono"
    grep -qx "Categories=Education;Science;Engineering;" "$entry" || fail "$entry: categorias"
    grep -q "^Name=" "$entry" && grep -q "^Comment=" "$entry" || fail "$entry: Name o Comment"
    terminal=false
    [ "$program" = grenvil ] && terminal=true
    grep -qx "Terminal=$terminal" "$entry" || fail "$entry debe decir Terminal=$terminal"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "$entry no es valido"
    fi
done

"$here/installed_programs.sh" "$scratch" "$prefix/bin" "$share/geotecnia/examples" "$version" \
    "$build" || status=1
exit $status
