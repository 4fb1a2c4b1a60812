#!/bin/sh
# Fails when a source file is not formatted as .clang-format says.
set -e
cd "$(dirname "$0")/.."
FILES=$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
[ -z "$FILES" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $FILES
echo "clang-format: clean"
