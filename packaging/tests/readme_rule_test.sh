#!/usr/bin/env bash
# The README test on a README of its own: continuation lines are joined, lines not starting with
# a program are not run, a plain ``` block is not run, and one failing command fails the test.
# Usage: readme_rule_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir="$1"
build="$2"
here="$source_dir/packaging/tests"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here/data/readme-rule.md" "$work/README.md"
ln -s "$source_dir/examples" "$work/examples"
mkdir "$work/docs"

output="$("$here/readme_commands.sh" "$work/README.md" "$build")"
code=$?
echo "$output"
fail() {
    echo "MAL: $1"
    exit 1
}
[ "$code" -ne 0 ] || fail "una orden que falla no hace fallar la prueba"
grep -qx "ok:    drovines --batch examples/muro-napa-sobrecarga.dat          --method 2" <<<"$output" ||
    fail "la linea de continuacion no se unio"
grep -qx "FALLA: fendrolas --batch examples/no-existe.dat --method 1" <<<"$output" ||
    fail "la orden que falla no se nombra"
grep -q "run.sh\|cmake\|no-se-ejecuta" <<<"$output" && fail "se ejecuto una linea que no es orden"
grep -qx "5 ordenes del README" <<<"$output" || fail "no son cinco ordenes"
echo "correcto"
