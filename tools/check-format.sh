#!/bin/sh
# Checks that the C++ files changed since a commit (the previous one unless given) are
# formatted as .clang-format says; prints the files that are not.
set -eu
cd "$(dirname "$0")/.."
base=${1:-HEAD~1}
if ! git rev-parse --verify -q "$base" >/dev/null; then
    base=$(git rev-list --max-parents=0 HEAD)
fi
files=$(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h')
[ -z "$files" ] && { echo "clang-format: no changed C++ files"; exit 0; }
bad=""
for file in $files; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        bad="$bad $file"
    fi
done
if [ -n "$bad" ]; then
    echo "clang-format: not formatted:$bad"
    echo "run: clang-format -i$bad"
    exit 1
fi
echo "clang-format: $(echo "$files" | wc -w) changed files formatted"
