#!/usr/bin/env bash
# Runs the batch commands of README.md as they are written, so a changed README is tested.
#
# Which lines are commands: inside the ```sh blocks of the README, every line whose first word
# is one of the four programs (fendrolas, drovines, marvecos, grenvil). A line ending in a
# backslash goes on with the next line. Every other line (./run.sh, ./test.sh, cmake, sudo,
# comments) is not run. The commands run in their order in the README, in one scratch folder
# where `examples` and `docs` lead to the repository's folders, with the build's programs first
# on PATH. The test fails when a command fails or when a program has no command at all.
#
# Usage: readme_commands.sh README BUILD_DIR
set -uo pipefail
readme="$1"
build="$(cd "$2" && pwd)"
source_dir="$(cd "$(dirname "$readme")" && pwd)"
programs=(fendrolas drovines marvecos grenvil)

# Prints the commands, one a line, continuation lines joined.
extract_commands() {
    awk '
        /^```sh[[:space:]]*$/ { inside = 1; next }
        /^```/                { inside = 0; pending = ""; next }
        !inside               { next }
        {
            line = pending $0
            if (line ~ /\\$/) { sub(/\\$/, "", line); pending = line; next }
            pending = ""
            if (line ~ /^(fendrolas|drovines|marvecos|grenvil)([[:space:]]|$)/) print line
        }
    ' "$1"
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ln -s "$source_dir/examples" "$work/examples"
ln -s "$source_dir/docs" "$work/docs"
for program in "${programs[@]}"; do
    PATH="$build/$program:$PATH"
done
export PATH

mapfile -t commands < <(extract_commands "$readme")
status=0
for program in "${programs[@]}"; do
    if ! printf '%s\n' "${commands[@]}" | grep -q "^$program\b"; then
        echo "FALTA: el README no tiene ninguna orden de $program"
        status=1
    fi
done
for command in "${commands[@]}"; do
    if (cd "$work" && bash -c "$command" >"$work/.salida" 2>&1 </dev/null); then
        echo "ok:    $command"
    else
        echo "FALLA: $command"
        sed 's/^/       /' "$work/.salida"
        status=1
    fi
done
echo "${#commands[@]} ordenes del README"
exit $status
