#!/bin/sh
# Runs clang-tidy with the repository's .clang-tidy on the C++ sources of src/ changed since
# a commit (the previous one unless given), with every warning an error. Needs the
# compile_commands.json of a configured build folder (build/test unless given).
set -eu
cd "$(dirname "$0")/.."
base=${1:-HEAD~1}
build=${2:-build/test}
if ! git rev-parse --verify -q "$base" >/dev/null; then
    base=$(git rev-list --max-parents=0 HEAD)
fi
if [ ! -f "$build/compile_commands.json" ]; then
    echo "clang-tidy: no $build/compile_commands.json; configure with a preset first"
    exit 1
fi
files=$(git diff --name-only --diff-filter=ACMR "$base" -- 'src/*.cpp')
[ -z "$files" ] && { echo "clang-tidy: no changed sources"; exit 0; }
# shellcheck disable=SC2086
clang-tidy -p "$build" --quiet --warnings-as-errors='*' $files
echo "clang-tidy: $(echo "$files" | wc -w) changed sources clean"
