#!/usr/bin/env bash
# A copy of the tree with project(VERSION 1.2.3) must carry 1.2.3 everywhere:
# the Debian version, the metainfo release, the Qt application version, and
# the Windows resource (numbers 1.2.3.0, texts "1.02", the manifest's
# assembly) with its other fields. Only the made files are built.
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
cmake --build windows --target app/CMakeFiles/tallix.dir/tallix.rc.res >/dev/null
i686-w64-mingw32-objcopy -O binary -j .rsrc windows/app/CMakeFiles/tallix.dir/tallix.rc.res rsrc
# VS_FIXEDFILEINFO: signature, structure version, then file and product
# version, each as major.minor and patch.build in two 32-bit words; flags 0;
# OS 4 (32-bit Windows); type 1 (application); then the strings, 0x0409/1200.
at=$(LC_ALL=C grep -obUaP '\xbd\x04\xef\xfe' rsrc | cut -d: -f1)
fixed=$(od -An -tx4 -j "$at" -N52 rsrc | xargs)
[ "$fixed" = "feef04bd 00010000 00010002 00030000 00010002 00030000 00000000 00000000 00000004 00000001 00000000 00000000 00000000" ] ||
    fail "fixed version info $fixed"
LC_ALL=C grep -qUaP 'T\0r\0a\0n\0s\0l\0a\0t\0i\0o\0n\0\0\0(\0\0)?\x09\x04\xb0\x04' rsrc || fail "translation is not 0x0409, 1200"
strings=$(iconv -f UTF-16LE -t UTF-8 -c rsrc | tr -c '[:print:]' '\n' | grep -v '^$')
grep -qx 040904B0 <<<"$strings" || fail "no string table 040904B0"
for pair in FileVersion=1.02 ProductVersion=1.02 CompanyName=Vantly ProductName=TALLIX InternalName=TALLIX; do
    [ "$(grep -A1 -x "${pair%%=*}" <<<"$strings" | tail -1)" = "${pair#*=}" ] || fail "${pair%%=*} is not ${pair#*=}"
done
grep -qa 'name="Vantly.Tallix" version="1.2.3.0"' rsrc || fail "manifest assembly version"
echo "ok: 1.2.3 reaches the Debian version, metainfo, Qt and the Windows resource (1.2.3.0, \"1.02\")"
