#!/usr/bin/env bash
# Builds the Debian package from the build tree (cpack only, nothing is recompiled), extracts
# it with dpkg-deb into a scratch folder and checks its metadata and the extracted programs.
# Usage: package_test.sh BUILD_DIR VERSION
set -uo pipefail
build="$1"
version="$2"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "OMITIDA: no hay $tool en esta maquina; la prueba del paquete necesita dpkg-dev"
        exit 77
    fi
done
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "MAL: cpack fallo"
    exit 1
fi
deb="$scratch/cpack/geotecnia_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || {
    ls "$scratch/cpack"
    echo "MAL: no se genero $deb"
    exit 1
}

status=0
fail() {
    echo "MAL: $*"
    status=1
}
[ "$(dpkg-deb -f "$deb" Package)" = geotecnia ] || fail "el paquete no se llama geotecnia"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
# The package names alone, one a line.
declared="$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libstdc++6 libc6 \
    qt6-translations-l10n; do
    grep -Fxq "$package" <<<"$declared" || fail "Depends no incluye $package"
done
description="$(dpkg-deb -f "$deb" Description)"
for word in fendrolas drovines marvecos grenvil Terzaghi Rankine Bishop Spencer; do
    grep -q "$word" <<<"$description" || fail "la descripcion no menciona $word"
done

root="$scratch/raiz"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x fallo"
for program in fendrolas drovines marvecos grenvil; do
    exe="$root/usr/bin/$program"
    if ! out="$(QT_QPA_PLATFORM=offscreen "$exe" --help 2>&1)"; then
        fail "$program --help del paquete termina con error: $out"
    elif ! grep -q "Uso: $program" <<<"$out"; then
        fail "$program --help del paquete no muestra su uso"
    fi
    [ -s "$root/usr/share/applications/$program.desktop" ] || fail "falta la entrada de $program"
done
[ -d "$root/usr/share/geotecnia/examples" ] || fail "faltan los ejemplos"
[ "$status" -eq 0 ] && echo "correcto: $(basename "$deb")"
exit $status
