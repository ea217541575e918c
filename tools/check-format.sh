#!/bin/sh
# Checks that every C++ file of the tree is formatted as .clang-format says, and that no
# doc comment (`///`) stands after code on the same line, where the formatter glues it to
# the wrong declaration (a `///<` after an enumerator is meant to stand there); prints the
# files that are not. The argument (a commit) is taken
# for compatibility and names the base the message counts changed files from.
set -eu
cd "$(dirname "$0")/.."
base=${1:-HEAD~1}
if ! git rev-parse --verify -q "$base" >/dev/null; then
    base=$(git rev-list --max-parents=0 HEAD)
fi
files=$(git ls-files -- '*.cpp' '*.h')
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
# shellcheck disable=SC2086
glued=$(grep -nE '[^[:space:]/].*[^/]///([^<]|$)' $files || true)
if [ -n "$glued" ]; then
    echo "doc comments after code on the same line (put them on a line of their own, above):"
    echo "$glued"
    exit 1
fi
changed=$(git diff --name-only --diff-filter=ACMR "$base" -- '*.cpp' '*.h' | wc -l)
echo "clang-format: $(echo "$files" | wc -w) files formatted ($changed changed since $base)"
