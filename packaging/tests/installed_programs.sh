#!/usr/bin/env bash
# Checks the programs of an installed tree: --help, --version and one batch calculation each on
# the installed examples, and the windows of the window programs. Each calculation runs twice, with the installed program and with the
# build's, each in a scratch working folder of its own; what they print and the files they write
# must agree. Marvecos must leave its installation folder alone (the tests may run as root, who
# could write there) and put its temporary files in the per-user data folder.
#
# Usage: installed_programs.sh SCRATCH BIN_DIR EXAMPLES_DIR VERSION BUILD_DIR
set -uo pipefail
scratch="$1"
bin="$2"
examples="$3"
version="$4"
build="$5"
programs=(fendrolas drovines marvecos grenvil)

status=0
fail() {
    echo "MAL: $*"
    status=1
}

mkdir -p "$scratch/home"
export HOME="$scratch/home"
export XDG_DATA_HOME="$scratch/datos"
export QT_QPA_PLATFORM=offscreen
before="$(ls -A "$bin")"

for program in "${programs[@]}"; do
    exe="$bin/$program"
    [ -x "$exe" ] || {
        fail "$exe no esta instalado"
        continue
    }
    help="$(cd "$scratch" && "$exe" --help 2>&1)" || fail "$program --help termina con error"
    grep -q "Uso: $program" <<<"$help" || fail "$program --help no muestra su uso: $help"
    grep -q -- "--version" <<<"$help" || fail "$program --help no menciona --version"
    got="$(cd "$scratch" && "$exe" --version 2>&1)"
    [ "$got" = "$program $version" ] || fail "$program --version dice '$got', no '$program $version'"
done

# calculation NAME INPUT PROGRAM ARGS...: runs PROGRAM ARGS in $scratch/NAME/instalado with the
# installed program and in $scratch/NAME/compilado with the build's, stdin from INPUT.
calculation() {
    local name="$1" input="$2" program="$3"
    shift 3
    local where
    for where in instalado compilado; do
        local exe="$bin/$program"
        [ "$where" = compilado ] && exe="$build/$program/$program"
        local dir="$scratch/$name/$where"
        mkdir -p "$dir"
        if ! (cd "$dir" && "$exe" "$@" <"$input" >salida.txt 2>errores.txt); then
            fail "$where: $program $*: $(cat "$dir/errores.txt")"
        fi
    done
    if ! diff -r "$scratch/$name/instalado" "$scratch/$name/compilado" >/dev/null; then
        fail "$program $*: el programa instalado no calcula como el compilado"
        diff -r "$scratch/$name/instalado" "$scratch/$name/compilado" | head -20
    fi
}

calculation fendrolas /dev/null fendrolas --batch "$examples/zapata-excentrica.dat" --method all \
    --report informe.out
for file in res.sal terza.out meyer.out hansen.out vesic.out ccsr.out informe.out; do
    [ -s "$scratch/fendrolas/instalado/$file" ] || fail "fendrolas no escribio $file"
done
grep -q "Metodo del CCSR Mza87" "$scratch/fendrolas/instalado/informe.out" ||
    fail "el informe de fendrolas no nombra el metodo"

calculation drovines /dev/null drovines --batch "$examples/muro-napa-sobrecarga.dat" \
    --report muro.txt
grep -q "Rankine" "$scratch/drovines/instalado/muro.txt" ||
    fail "el informe de drovines no nombra el metodo"

calculation marvecos /dev/null marvecos --batch --fi 20 --c 10 --gam 18 --H 10 --L 20 --Xcr 5 \
    --Ycr 20 --R 20 --n 10 --method bishop
grep -Eqx "fs=[0-9]+\.[0-9]{3}" "$scratch/marvecos/instalado/salida.txt" ||
    fail "marvecos da $(cat "$scratch/marvecos/instalado/salida.txt")"
[ -s "$scratch/marvecos/instalado/Bishop.out" ] || fail "marvecos no escribio Bishop.out"
for file in coords.tmp results.tmp; do
    [ -s "$XDG_DATA_HOME/marvecos/$file" ] || fail "marvecos no dejo $file en su carpeta de datos"
done

calculation grenvil "$examples/talud-spencer.txt" grenvil
grep -Eq "MOMENTOS  FSM= [0-9]+\.[0-9]{3}" "$scratch/grenvil/instalado/salida.txt" ||
    fail "grenvil no da el factor de seguridad"
[ -e "$scratch/grenvil/instalado/aver.out" ] || fail "grenvil no escribio aver.out"

# The window programs open their windows from the installed tree (offscreen): each draws its
# windows into PNG files, as on a desktop.
for program in fendrolas drovines marvecos; do
    dir="$scratch/ventanas/$program"
    mkdir -p "$dir/trabajo" "$dir/pantallas"
    if ! (cd "$dir/trabajo" && "$bin/$program" --screenshots "$dir/pantallas" >/dev/null 2>&1); then
        fail "$program no abre sus ventanas"
    fi
    ls "$dir/pantallas" | grep -q "main\.png$" || fail "$program no dibujo su ventana principal"
done

[ "$(ls -A "$bin")" = "$before" ] || fail "un programa escribio en $bin: $(ls -A "$bin")"
[ -z "$(ls -A "$HOME")" ] || fail "un programa escribio en la carpeta personal: $(ls -A "$HOME")"
[ "$status" -eq 0 ] && echo "correcto: ${programs[*]}"
exit $status
