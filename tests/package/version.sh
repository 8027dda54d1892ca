#!/usr/bin/env bash
# A copy of the tree with project(VERSION 1.2.3) must carry 1.2.3 everywhere:
# the Debian version, the metainfo release, the Qt application version, and
# the Windows resource (numbers 1.2.3.0, texts "1.02", the manifest's
# assembly). Only configured, nothing built.
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash scripts/copy-tree.sh "$work"
cd "$work"
sed -i -E 's/^project\(Tallix VERSION [0-9.]+ /project(Tallix VERSION 1.2.3 /' CMakeLists.txt
export SOURCE_DATE_EPOCH=1798761600 # 2027-01-01

bash scripts/debian-changelog.sh
[ "$(dpkg-parsechangelog -S Version)" = 1.2.3-1 ] || fail "Debian version $(dpkg-parsechangelog -S Version)"
cmake -S . -B linux -G Ninja -DTALLIX_BUILD_TESTS=OFF >/dev/null
grep -q '<release version="1.2.3" date="2027-01-01"/>' linux/app/com.vantly.Tallix.metainfo.xml || fail "metainfo release"
grep -qx '#define TALLIX_VERSION "1.2.3"' linux/app/version.h || fail "Qt application version"

cmake --preset windows -B windows -DTALLIX_BUILD_TESTS=OFF >/dev/null
# The resource script reads its numbers and texts from version.h, and takes the manifest whole.
grep -qx '#define TALLIX_VERSION_NUMBERS 1,2,3,0' windows/app/version.h || fail "Windows version numbers"
grep -qx '#define TALLIX_VERSION_SHORT "1.02"' windows/app/version.h || fail "Windows version text"
grep -q 'name="Vantly.Tallix" version="1.2.3.0"' windows/app/tallix.manifest || fail "manifest assembly version"
echo "ok: 1.2.3 reaches the Debian version, metainfo, Qt and the Windows resource (1.2.3.0, \"1.02\")"
