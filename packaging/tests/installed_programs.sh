#!/usr/bin/env bash
# Checks the programs of an installed tree: --help, --version and one batch calculation each on
# the installed examples, run from a scratch working folder with a scratch home. Marvecos must
# leave its installation folder alone (the tests may run as root, who could write there).
#
# Usage: installed_programs.sh ROOT BIN_DIR EXAMPLES_DIR VERSION
#   ROOT is removed of nothing; the scratch folders are made under it.
set -uo pipefail
root="$1"
bin="$2"
examples="$3"
version="$4"
programs=(fendrolas drovines marvecos grenvil)

status=0
fail() {
    echo "MAL: $*"
    status=1
}

work="$root/trabajo"
mkdir -p "$work" "$root/home"
export HOME="$root/home"
export XDG_DATA_HOME="$root/datos"
export QT_QPA_PLATFORM=offscreen
before="$(ls -A "$bin")"

for program in "${programs[@]}"; do
    exe="$bin/$program"
    [ -x "$exe" ] || {
        fail "$exe no esta instalado"
        continue
    }
    help="$(cd "$work" && "$exe" --help 2>&1)" || fail "$program --help termina con error"
    grep -q "Uso: $program" <<<"$help" || fail "$program --help no muestra su uso: $help"
    grep -q -- "--version" <<<"$help" || fail "$program --help no menciona --version"
    got="$(cd "$work" && "$exe" --version 2>&1)"
    [ "$got" = "$program $version" ] || fail "$program --version dice '$got', no '$program $version'"
done

run() {
    (cd "$work" && "$@") >"$work/salida.txt" 2>"$work/errores.txt" </dev/null
}

run "$bin/fendrolas" --batch "$examples/zapata-excentrica.dat" --method all --report inf.out ||
    fail "fendrolas --method all: $(cat "$work/errores.txt")"
for file in res.sal terza.out meyer.out hansen.out vesic.out ccsr.out inf.out; do
    [ -s "$work/$file" ] || fail "fendrolas no escribio $file"
done
grep -q "Metodo del CCSR Mza87" "$work/inf.out" || fail "el informe de fendrolas no nombra el metodo"
run "$bin/fendrolas" --batch --compare || fail "fendrolas --compare: $(cat "$work/errores.txt")"
grep -q "^Brinch Hansen	" "$work/salida.txt" || fail "fendrolas --compare no nombra los metodos"

run "$bin/drovines" --batch "$examples/muro-napa-sobrecarga.dat" --report muro.txt ||
    fail "drovines: $(cat "$work/errores.txt")"
grep -q "Rankine" "$work/muro.txt" || fail "el informe de drovines no nombra el metodo"

run "$bin/marvecos" --batch --fi 20 --c 10 --gam 18 --H 10 --L 20 --Xcr 5 --Ycr 20 --R 20 \
    --n 10 --method bishop || fail "marvecos: $(cat "$work/errores.txt")"
grep -qx "fs=2.253" "$work/salida.txt" || fail "marvecos da $(cat "$work/salida.txt")"
for file in coords.tmp results.tmp; do
    [ -s "$XDG_DATA_HOME/marvecos/$file" ] || fail "marvecos no dejo $file en su carpeta de datos"
done
[ -s "$work/Bishop.out" ] || fail "marvecos no escribio Bishop.out"

(cd "$work" && "$bin/grenvil" <"$examples/talud-spencer.txt" >"$work/salida.txt" 2>&1) ||
    fail "grenvil termina con error"
grep -q "MOMENTOS  FSM= 1.913" "$work/salida.txt" || fail "grenvil no da FSM= 1.913"
[ -e "$work/aver.out" ] || fail "grenvil no escribio aver.out"

[ "$(ls -A "$bin")" = "$before" ] || fail "un programa escribio en $bin: $(ls -A "$bin")"
[ -z "$(ls -A "$HOME")" ] || fail "un programa escribio en la carpeta personal: $(ls -A "$HOME")"
[ "$status" -eq 0 ] && echo "correcto: ${programs[*]}"
exit $status
