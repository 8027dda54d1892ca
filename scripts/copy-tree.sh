#!/usr/bin/env bash
# Copies the tree as it stands into DEST: the files git tracks or would track,
# uncommitted changes included, build/ and dist/ left out, files deleted but
# not yet committed skipped; modes follow the caller's umask.
#   copy-tree.sh DEST
set -euo pipefail
mkdir -p "$1"
dest=$(realpath "$1")
cd "$(dirname "$0")/.."
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar -c --null -T - | tar -x --no-same-permissions -C "$dest"
