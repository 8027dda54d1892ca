#!/usr/bin/env bash
# Writes debian/changelog of the tree it lies in: its one entry carries the
# version of project(VERSION) in CMakeLists.txt, the only place it is
# written, with Debian revision 1, dated SOURCE_DATE_EPOCH (the last
# commit's time by default).
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -nE 's/^project\(Tallix VERSION ([0-9.]+) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no project(Tallix VERSION ...) in CMakeLists.txt" >&2; exit 1; }
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
cat >debian/changelog <<END
tallix ($version-1) unstable; urgency=medium

  * Tallix $version.

 -- Vantly <tallix@vantly.example>  $(LC_ALL=C date -u -R -d "@$epoch")
END
